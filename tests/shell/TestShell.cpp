#include "Recorders.h"
#include "config/ConfigRecord.h"
#include "shell/ApplyConfig.h"
#include "shell/CommandLine.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void commandLine_data();
    void commandLine();
    void firstPlaylist_data();
    void firstPlaylist();
    void versionEndsTheNotice();

    void applyConfig_data();
    void applyConfig();
    void applyConfigWithoutServices();

};

void TestShell::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("debug");
    QTest::addColumn<bool>("noHide");
    QTest::addColumn<bool>("hasPlaylist");
    QTest::addColumn<QString>("playlistWord");
    QTest::addColumn<bool>("help");

    QTest::newRow("nothing") << QStringList {} << false << false << false << QString() << false;
    QTest::newRow("first word begins with -")
        << QStringList { "-debug", "show.qpp" } << true << false << false << QString() << false;
    QTest::newRow("playlist, nohide in any case, debug")
        << QStringList { "show.qpp", "-nohide", "-debug" } << true << true << true << "show.qpp"
        << false;
    QTest::newRow("-debug is case-sensitive")
        << QStringList { "show.qpp", "-DEBUG" } << false << false << true << "show.qpp" << false;
    QTest::newRow("nohide is also the playlist")
        << QStringList { "nohide" } << false << true << true << "nohide" << false;
    QTest::newRow("-debug anywhere in the text")
        << QStringList { "x-debugger" } << true << false << true << "x-debugger" << false;
    QTest::newRow("a blank ends the playlist name")
        << QStringList { "my show.qpp" } << false << false << true << "my" << false;
    QTest::newRow("help") << QStringList { "--help" } << false << false << false << QString()
                          << true;
}

void TestShell::commandLine()
{
    QFETCH(QStringList, arguments);
    const CommandLine parsed = ParseCommandLine(arguments);
    QTEST(parsed.Debug, "debug");
    QTEST(parsed.NoHide, "noHide");
    QTEST(parsed.HasPlaylist, "hasPlaylist");
    QTEST(parsed.PlaylistWord, "playlistWord");
    QTEST(parsed.Help, "help");
    QCOMPARE(parsed.Arguments, arguments);
}

void TestShell::firstPlaylist_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("lastPlaylist");
    QTest::addColumn<bool>("given");
    QTest::addColumn<QString>("path");

    // The program folder is /opt/qpz; "existing.qpp" is created in the temporary folder.
    QTest::newRow("name from the program folder, loaded even when missing")
        << QStringList { "show.qpp" } << "" << true << "/opt/qpz/show.qpp";
    QTest::newRow("path taken as it is")
        << QStringList { "/srv/shows/show.qpp", "-debug" } << "" << true << "/srv/shows/show.qpp";
    QTest::newRow("last playlist")
        << QStringList { "-debug" } << "existing.qpp" << false << "existing.qpp";
    QTest::newRow("last playlist vanished") << QStringList {} << "vanished.qpp" << false << "";
    QTest::newRow("no last playlist") << QStringList {} << "" << false << "";
}

void TestShell::firstPlaylist()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, lastPlaylist);
    QFETCH(QString, path);

    QTemporaryDir folder;
    QFile existing(folder.filePath(QStringLiteral("existing.qpp")));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    const auto inFolder = [&](const QString &name) {
        return name.endsWith(QLatin1String(".qpp")) && !name.contains(QLatin1Char('/'))
            ? folder.filePath(name)
            : name;
    };

    const FirstPlaylist first = ChooseFirstPlaylist(
        ParseCommandLine(arguments), inFolder(lastPlaylist), QStringLiteral("/opt/qpz"));
    QTEST(first.Given, "given");
    QCOMPARE(first.Path, first.Given ? path : inFolder(path));
}

void TestShell::versionEndsTheNotice()
{
    QVERIFY(AboutNotice().endsWith(QLatin1String(" 3.0.2")));
    QCOMPARE(VersionText(), QStringLiteral("QuarnoPlayer ZORVIK 3.0.2\n"));
}

void TestShell::applyConfig_data()
{
    QTest::addColumn<QString>("inputMode");
    QTest::addColumn<bool>("remoteEnabled");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("internal generator, no remote control")
        << "Internem Generator" << false << QStringList { "movies /shows", "close remote" };
    QTest::newRow("UDP input and remote control")
        << "UDP-Port" << true
        << QStringList { "bind udp 4711", "movies /shows", "log Binding remote control interface",
                         "close remote", "listen remote" };
}

void TestShell::applyConfig()
{
    QFETCH(QString, inputMode);
    QFETCH(bool, remoteEnabled);

    RecordingLog log;
    QStringList calls;
    // The log lines go into the same list, so their place among the calls shows.
    class : public DebugLogSink
    {
    public:
        QStringList *calls = nullptr;
        void AppendLine(const QString &line) override { *calls << QStringLiteral("log ") + line; }
    } interleaved;
    interleaved.calls = &calls;
    SetDebugLogSink(&interleaved);

    ConfigHooks().BindUdpInput
        = [&](int port) { calls << QStringLiteral("bind udp %1").arg(port); };
    ConfigHooks().RefillMovieList
        = [&](const QString &dir) { calls << QStringLiteral("movies ") + dir; };
    ConfigHooks().CloseRemoteListener = [&] { calls << QStringLiteral("close remote"); };
    ConfigHooks().ListenRemoteControl = [&] { calls << QStringLiteral("listen remote"); };

    SetDefaultConfig();
    Config.InputMode = inputMode;
    Config.RemoteEnabled = remoteEnabled;
    Config.UDPInPort = 4711;
    Config.MoviesDir = QStringLiteral("/shows");
    ApplyConfig();

    ConfigHooks() = {};
    QTEST(calls, "calls");
}

void TestShell::applyConfigWithoutServices()
{
    RecordingLog log;
    ConfigHooks() = {};
    SetDefaultConfig();
    Config.InputMode = InputModeNames[1];
    Config.RemoteEnabled = true;
    ApplyConfig();
    QCOMPARE(log.Lines, QStringList { "Binding remote control interface" });
}

QTEST_MAIN(TestShell)
#include "TestShell.moc"
