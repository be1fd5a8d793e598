#include "Recorders.h"
#include "app/Shell.h"
#include "config/ConfigRecord.h"
#include "config/modConfig.h"
#include "display/modQuarnoleds.h"
#include "gui/frmDebug.h"
#include "gui/frmMain.h"
#include "playback/PlaylistRunner.h"
#include "playlists/PlaylistModel.h"
#include "platform/PowerMonitor.h"
#include "playback/PlaybackFlags.h"
#include "shell/ApplyConfig.h"

#include <QFile>
#include <QFontDatabase>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Standby as the tests drive it; its calls show up in the debug log.
class FakePower : public PowerMonitor
{
public:
    void Start() override { DebugLog(QStringLiteral("[power start]")); }
    void ReleaseSleepDelay() override { DebugLog(QStringLiteral("[release sleep delay]")); }
};

// Plug-in slot 1: writes whether each delivered frame was dark into the debug log.
class RecordingPlugin : public PluginSink
{
public:
    int UpperSlot() const override { return 1; }
    void OutputToDevice(int, const LedFrame &frame) override
    {
        DebugLog(frame == LedFrame {} ? QStringLiteral("[frame dark]")
                                      : QStringLiteral("[frame lit]"));
    }
};

QStringList DebugLines(const Shell &shell)
{
    QStringList lines;
    const auto *list = shell.debugWindow->findChild<QListWidget *>(QStringLiteral("lstDebug"));
    for (int row = 0; row < list->count(); ++row)
        lines << list->item(row)->text();
    return lines;
}

} // namespace

class TestShellSequence : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUpRunsItsStepsInOrder_data();
    void startUpRunsItsStepsInOrder();
    void shutdownRunsItsStepsInOrder_data();
    void shutdownRunsItsStepsInOrder();
    void standbyStartsCompanionAndShutsDown();
    void missingProgramFolderNeitherStopsNorHangs();

    void debugWindowDropsLinesOnceClosed();
    void minimisingHidesOnlyWithTrayIcon_data();
    void minimisingHidesOnlyWithTrayIcon();

private:
    // A program folder with the display font, a saved configuration naming last.qpp, and
    // the companion stand-in; a shell whose every hook writes its call into the debug log.
    void Prepare(const QStringList &arguments);

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<RecordingMessages> m_messages;
    PlaylistModel m_playlist;
    PlaylistRunner m_runner {m_playlist};
    std::unique_ptr<frmMain> m_window;
    std::unique_ptr<FakePower> m_power;
    std::unique_ptr<Shell> m_shell;
    RecordingPlugin m_plugin;
    int m_ends = 0;
};

void TestShellSequence::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_messages = std::make_unique<RecordingMessages>();
    m_window = std::make_unique<frmMain>(m_runner);
    m_power = std::make_unique<FakePower>();
    m_ends = 0;
    StopPlaylist = false;
    CurrentFrame.Clear();
}

void TestShellSequence::cleanup()
{
    m_shell.reset();
    m_window.reset();
    m_messages.reset();
    ConfigHooks() = {};
    SetPluginSink(nullptr);
    DebugMode = false;
}

void TestShellSequence::Prepare(const QStringList &arguments)
{
    const QString folder = m_folder->path();
    QVERIFY(QFile::copy(QStringLiteral(QPZ_TEST_DATA "/shell/TwoGlyphQPZFont.bdf"),
                        folder + QStringLiteral("/QPZ.bdf")));
    QVERIFY(QFile::copy(QStringLiteral(QPZ_TEST_DATA "/platform/Weckwerk"),
                        folder + QStringLiteral("/Weckwerk")));
    QFile last(folder + QStringLiteral("/last.qpp"));
    QVERIFY(last.open(QIODevice::WriteOnly));
    last.close();
    SetDefaultConfig();
    Config.LastPlaylist = last.fileName();
    QVERIFY(SaveConfig(folder + QStringLiteral("/QPZ.cfg")));
    SetDefaultConfig();

    m_shell = std::make_unique<Shell>();
    Shell &shell = *m_shell;
    shell.commandLine = ParseCommandLine(arguments);
    DebugMode = shell.commandLine.Debug;
    shell.programFolder = folder;
    shell.executablePath = folder + QStringLiteral("/qpz");
    shell.mainWindow = m_window.get();
    shell.power = m_power.get();
    shell.EndProcess = [this] {
        DebugLog(QStringLiteral("[end]"));
        ++m_ends;
    };

    const auto log
        = [](const QString &line) { DebugLog(QLatin1Char('[') + line + QLatin1Char(']')); };
    ShellHooks &hooks = shell.hooks;
    hooks.SelectEditorDefaults = [=] { log(QStringLiteral("editor defaults")); };
    hooks.ShowAboutNotice = [=](const QString &notice) { log(notice.right(5)); };
    hooks.InstallAudioLink = [=] {
        log(QStringLiteral("audio link"));
        return AudioLinkResult::Installed;
    };
    hooks.LoadPlugins = [=] { log(QStringLiteral("load plugins")); };
    hooks.InstallPlugins = [=, this] {
        log(QStringLiteral("install plugins"));
        Config.PluginNames = { QStringLiteral("Interne Simulation"), QStringLiteral("Recorder") };
        Config.PluginActive = { true, true };
        SetPluginSink(&m_plugin);
    };
    hooks.ConnectDisplayServer = [=] { log(QStringLiteral("connect display server")); };
    hooks.LoadPlaylist = [=](const QString &path) {
        log(QStringLiteral("load playlist ") + QFileInfo(path).fileName());
    };
    hooks.StartPlayback = [=] { log(QStringLiteral("start playback")); };
    hooks.CurrentPlaylistPath = [=] {
        log(QStringLiteral("current playlist"));
        return folder + QStringLiteral("/other.qpp");
    };
    hooks.CloseDisplayServer = [=] { log(QStringLiteral("close display server")); };
    hooks.ShutdownPlugins = [=] { log(QStringLiteral("shutdown plugins")); };
    ConfigHooks().RefillMovieList = [=](const QString &) { log(QStringLiteral("movie list")); };
}

void TestShellSequence::startUpRunsItsStepsInOrder_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("playlistLine");
    QTest::addColumn<QString>("loaded");

    QTest::newRow("last playlist") << QStringList { "-debug" } << "Loading last playlist"
                                   << "[load playlist last.qpp]";
    QTest::newRow("given playlist")
        << QStringList { "show.qpp", "-debug" } << "Loading and playing given playlist"
        << "[load playlist show.qpp]";
}

void TestShellSequence::startUpRunsItsStepsInOrder()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, playlistLine);
    QFETCH(QString, loaded);
    Prepare(arguments);

    RunStartUp(*m_shell);

    const QStringList expected = { "[editor defaults]",
                                   "[3.0.2]",
                                   "Loading configuration data",
                                   "Initiating Subclassing",
                                   "[power start]",
                                   "Checking for WinAmp-Plugin",
                                   "[audio link]",
                                   "Getting installed Output-Plugins...",
                                   "[load plugins]",
                                   "Installing and activating Plugins...",
                                   "[install plugins]",
                                   "Applying configuration",
                                   "[movie list]",
                                   "Trying to connect to Tafelwerk",
                                   "[connect display server]",
                                   "Checking for QPZ-Font",
                                   "Trying to install QPZ-Font",
                                   "Installed QPZ-Font",
                                   "Loading trayicon",
                                   "No notification area: the main window stays visible",
                                   playlistLine,
                                   loaded,
                                   "[start playback]",
                                   "Init complete!" };
    QCOMPARE(DebugLines(*m_shell), expected);
    QCOMPARE(m_shell->debugWindow->windowTitle(), QStringLiteral("Debugging-Ausgabe"));
    QVERIFY(m_shell->debugWindow->isVisible());
    QVERIFY(m_window->isVisible());
    QVERIFY(m_messages->Texts.isEmpty());
    QCOMPARE(m_ends, 0);
}

void TestShellSequence::shutdownRunsItsStepsInOrder_data()
{
    QTest::addColumn<QString>("inputMode");
    QTest::addColumn<QStringList>("frameLines");

    QTest::newRow("internal generator: the display goes dark")
        << "Internem Generator" << QStringList { "[frame dark]" };
    // The last frame received over UDP stays on the display.
    QTest::newRow("UDP input: the last frame stays") << "UDP-Port" << QStringList {};
}

void TestShellSequence::shutdownRunsItsStepsInOrder()
{
    QFETCH(QString, inputMode);
    QFETCH(QStringList, frameLines);
    Prepare({ QStringLiteral("-debug") });
    RunStartUp(*m_shell);
    Config.InputMode = inputMode;
    CurrentFrame.Set(3, 4, true);
    const int startUpLines = DebugLines(*m_shell).size();

    m_window->close();

    QStringList expected = { "[current playlist]", "[close display server]" };
    expected << frameLines << "[shutdown plugins]"
             << "[release sleep delay]"
             << "[end]";
    QCOMPARE(DebugLines(*m_shell).mid(startUpLines), expected);
    QVERIFY(StopPlaylist);
    QVERIFY(m_window->isVisible()); // the close itself was refused
    QVERIFY(!QFontDatabase::families().contains(QStringLiteral("QPZ")));

    Config = {};
    LoadConfig(m_folder->filePath(QStringLiteral("QPZ.cfg")));
    QCOMPARE(Config.LastPlaylist, m_folder->filePath(QStringLiteral("other.qpp")));
    QCOMPARE(Config.InputMode, inputMode);

    // A second request (another close, a signal, the standby) finds the shutdown done.
    m_window->close();
    QCOMPARE(m_ends, 1);
}

void TestShellSequence::standbyStartsCompanionAndShutsDown()
{
    Prepare({ QStringLiteral("-debug"), QStringLiteral("NOHIDE") });
    RunStartUp(*m_shell);
    const int startUpLines = DebugLines(*m_shell).size();

    emit m_power->Resuming();
    QCOMPARE(DebugLines(*m_shell).mid(startUpLines), QStringList { "--> Resuming Operation" });
    QCOMPARE(m_ends, 0);

    emit m_power->Suspending();
    const QStringList lines = DebugLines(*m_shell).mid(startUpLines + 1);
    QCOMPARE(lines.first(), QStringLiteral("--> Going to Standby or Hibernate"));
    QCOMPARE(lines.last(), QStringLiteral("[end]"));
    QVERIFY(lines.contains(QStringLiteral("[shutdown plugins]")));
    QCOMPARE(m_ends, 1);

    const QString record = m_folder->filePath(QStringLiteral("weckwerk-args.txt"));
    QTRY_VERIFY(QFile::exists(record));
    QFile file(record);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(),
             (m_shell->executablePath + QStringLiteral("\n-debug\nNOHIDE\n")).toUtf8());
}

void TestShellSequence::missingProgramFolderNeitherStopsNorHangs()
{
    // No other subsystem plugged in, and a folder that is not there: the configuration cannot
    // be read or written and the font file is missing.
    m_shell = std::make_unique<Shell>();
    m_shell->programFolder = m_folder->filePath(QStringLiteral("gone"));
    m_shell->mainWindow = m_window.get();
    m_shell->EndProcess = [this] { ++m_ends; };
    SetDefaultConfig();

    RunStartUp(*m_shell);
    QCOMPARE(m_messages->Icons, (QList { MessageIcon::Critical, MessageIcon::Exclamation }));
    QVERIFY(m_messages->Texts.at(0).startsWith(
        QStringLiteral("Fehler beim Laden der Konfigurationsdatei:")));
    QVERIFY(!m_shell->debugWindow);
    QVERIFY(Config.PluginActive.at(0)); // the simulation shows frames without a plug-in host
    QVERIFY(m_window->isVisible());

    m_window->close();
    QCOMPARE(m_ends, 1);
}

void TestShellSequence::debugWindowDropsLinesOnceClosed()
{
    DebugMode = true;
    RecordingMessages messages;
    frmDebug window;
    window.ShowAndAttach();
    DebugLog(QStringLiteral("first"));
    DebugLog(QStringLiteral("a line too long for the window"));

    auto *list = window.findChild<QListWidget *>(QStringLiteral("lstDebug"));
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentRow(), 1);
    emit list->itemDoubleClicked(list->item(1));
    QCOMPARE(messages.Texts, QStringList { "a line too long for the window" });
    QCOMPARE(messages.Icons.at(0), MessageIcon::Information);

    window.close();
    DebugLog(QStringLiteral("after closing"));
    QCOMPARE(list->count(), 2);
}

void TestShellSequence::minimisingHidesOnlyWithTrayIcon_data()
{
    QTest::addColumn<bool>("trayIcon");
    QTest::newRow("tray icon") << true;
    QTest::newRow("no notification area") << false;
}

void TestShellSequence::minimisingHidesOnlyWithTrayIcon()
{
    QFETCH(bool, trayIcon);
    m_window->SetHideWhenMinimised(trayIcon);
    m_window->show();
    m_window->setWindowState(Qt::WindowMinimized);
    QTest::qWait(20);
    QCOMPARE(m_window->isVisible(), !trayIcon);
    QCOMPARE(m_window->isMinimized(), !trayIcon);
}

QTEST_MAIN(TestShellSequence)
#include "TestShellSequence.moc"
