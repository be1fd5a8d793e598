// The real program, copied into a temporary program folder and run there: start-up order,
// shutdown on SIGTERM, the single-instance rule and standby over a private bus.
#include "../platform/PrivateBus.h"
#include "config/ConfigFile.h"
#include "config/ConfigRecord.h"
#include "config/modConfig.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int StartTimeoutMs = 20000;

QStringList StartUpLines()
{
    return { "Loading configuration data",
             "Initiating Subclassing",
             "Checking for WinAmp-Plugin",
             "Getting installed Output-Plugins...",
             "Installing and activating Plugins...",
             "Applying configuration",
             "Trying to connect to Tafelwerk",
             "Checking for QPZ-Font",
             "Trying to install QPZ-Font",
             "Installed QPZ-Font",
             "Loading trayicon",
             "Loading last playlist",
             "Init complete!" };
}

// A program folder holding a copy of the player, the display font and, when asked, the
// companion stand-in, plus a runtime folder of its own for the instance lock.
class PlayerFolder
{
public:
    explicit PlayerFolder(bool withCompanion = false)
    {
        QFile::copy(QStringLiteral(QPZ_BIN_DIR "/qpz"), Path("qpz"));
        QFile::copy(QStringLiteral(QPZ_TEST_DATA "/shell/TwoGlyphQPZFont.bdf"), Path("QPZ.bdf"));
        if (withCompanion)
            QFile::copy(QStringLiteral(QPZ_TEST_DATA "/platform/Weckwerk"), Path("Weckwerk"));
        QFile(m_runtime.path())
            .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner
                            | QFileDevice::ExeOwner);
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                             QStringLiteral("disabled:"));
        // Never the real system bus: a private one when a test gives it, else none.
        SetSystemBus(QStringLiteral("unix:path=") + m_runtime.filePath(QStringLiteral("no-bus")));
    }

    QString Path(const char *name) const { return m_folder.filePath(QString::fromLatin1(name)); }
    QDir Runtime() const { return QDir(m_runtime.path()); }
    void SetSystemBus(const QString &address)
    {
        m_environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), address);
    }
    void SetEnvironment(const QString &name, const QString &value)
    {
        m_environment.insert(name, value);
    }

    void Start(QProcess &player, const QStringList &arguments) const
    {
        player.setProcessEnvironment(m_environment);
        player.setWorkingDirectory(m_folder.path());
        player.start(Path("qpz"), arguments);
    }

    // Everything in the folder with its content, to see that nothing changed.
    QMap<QString, QByteArray> Snapshot() const
    {
        QMap<QString, QByteArray> files;
        for (const QDir &dir : { QDir(m_folder.path()), Runtime() }) {
            for (const QFileInfo &info : dir.entryInfoList(QDir::Files)) {
                QFile file(info.filePath());
                file.open(QIODevice::ReadOnly);
                files.insert(info.filePath(),
                             file.readAll() + info.lastModified().toString().toUtf8());
            }
        }
        return files;
    }

private:
    QTemporaryDir m_folder;
    QTemporaryDir m_runtime;
    QProcessEnvironment m_environment;
};

// Collects standard error until the line appears.
bool WaitForLine(QProcess &player, QByteArray &output, const QByteArray &line)
{
    QDeadlineTimer deadline(StartTimeoutMs);
    while (!output.split('\n').contains(line)) {
        if (deadline.hasExpired() || player.state() == QProcess::NotRunning)
            return false;
        player.waitForReadyRead(100);
        output += player.readAllStandardError();
    }
    return true;
}

bool EndsCleanly(QProcess &player, QByteArray &output)
{
    const bool finished = player.waitForFinished(StartTimeoutMs);
    output += player.readAllStandardError();
    return finished && player.exitStatus() == QProcess::NormalExit && player.exitCode() == 0;
}

// The lines of the expected list in the order they appear in the output.
QStringList LinesOf(const QByteArray &output, const QStringList &wanted)
{
    QStringList lines;
    for (const QByteArray &line : output.split('\n')) {
        if (wanted.contains(QString::fromUtf8(line)))
            lines << QString::fromUtf8(line);
    }
    return lines;
}

bool ConfigWritten(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    ConfigRecord record;
    return ConfigFile::Read(file.readAll(), record).status == ConfigFile::ReadResult::Read;
}

} // namespace

class TestShellProgram : public QObject
{
    Q_OBJECT

private slots:
    void startsInOrderAndShutsDownOnTerm();
    void secondStartEndsAtOnceAndChangesNothing();
    void crashedRunDoesNotBlockTheNext();
    void standbyStartsCompanionAndEnds_data();
    void standbyStartsCompanionAndEnds();
};

void TestShellProgram::startsInOrderAndShutsDownOnTerm()
{
    PlayerFolder folder;
    QProcess player;
    QByteArray output;
    folder.Start(player, { QStringLiteral("-debug") });
    QVERIFY2(WaitForLine(player, output, "Init complete!"), output.constData());
    QCOMPARE(LinesOf(output, StartUpLines()), StartUpLines());
    QCOMPARE(QFileInfo(folder.Path("QPZ.cfg")).size(), 0); // made empty, filled at shutdown

    player.terminate();
    QVERIFY2(EndsCleanly(player, output), output.constData());
    QVERIFY(ConfigWritten(folder.Path("QPZ.cfg")));
    LoadConfig(folder.Path("QPZ.cfg"));
    QVERIFY(Config.PluginActive.at(0));
    QVERIFY2(folder.Runtime().entryList(QDir::Files).isEmpty(), "the instance lock is given back");
}

void TestShellProgram::secondStartEndsAtOnceAndChangesNothing()
{
    PlayerFolder folder;
    QProcess first;
    QByteArray output;
    folder.Start(first, { QStringLiteral("-debug") });
    QVERIFY2(WaitForLine(first, output, "Init complete!"), output.constData());
    const auto before = folder.Snapshot();

    QProcess second;
    folder.Start(second, { QStringLiteral("-debug"), QStringLiteral("NOHIDE") });
    QVERIFY(second.waitForFinished(StartTimeoutMs));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(second.readAllStandardError(), QByteArray());
    QCOMPARE(second.readAllStandardOutput(), QByteArray());
    QCOMPARE(folder.Snapshot(), before);
    QCOMPARE(first.state(), QProcess::Running);

    first.terminate();
    QVERIFY(EndsCleanly(first, output));
}

void TestShellProgram::crashedRunDoesNotBlockTheNext()
{
    PlayerFolder folder;
    QProcess crashed;
    QByteArray output;
    folder.Start(crashed, { QStringLiteral("-debug") });
    QVERIFY2(WaitForLine(crashed, output, "Init complete!"), output.constData());
    crashed.kill();
    crashed.waitForFinished();
    QCOMPARE(folder.Runtime().entryList(QDir::Files).size(), 1); // the lock was left behind

    QProcess next;
    output.clear();
    folder.Start(next, { QStringLiteral("-debug") });
    QVERIFY2(WaitForLine(next, output, "Init complete!"), output.constData());
    next.terminate();
    QVERIFY(EndsCleanly(next, output));
}

void TestShellProgram::standbyStartsCompanionAndEnds_data()
{
    QTest::addColumn<bool>("withCompanion");
    QTest::newRow("companion present") << true;
    QTest::newRow("companion missing") << false;
}

void TestShellProgram::standbyStartsCompanionAndEnds()
{
    QFETCH(bool, withCompanion);
    PrivateBus bus;
    QString error;
    QVERIFY2(bus.Start(&error), qPrintable(error));
    FakeLogin login(bus.Address());
    QVERIFY2(login.Register(&error), qPrintable(error));

    PlayerFolder folder(withCompanion);
    folder.SetSystemBus(bus.Address());
    // The companion outlives the player for a while, as a real one waiting for the wake-up.
    folder.SetEnvironment(QStringLiteral("WECKWERK_LINGER"), QStringLiteral("5"));
    QProcess player;
    QByteArray output;
    folder.Start(player, { QStringLiteral("-debug"), QStringLiteral("NOHIDE") });
    QVERIFY2(WaitForLine(player, output, "Init complete!"), output.constData());
    QTRY_COMPARE_WITH_TIMEOUT(login.InhibitCalls(), 1, StartTimeoutMs);
    QCOMPARE(login.LastInhibitArguments().at(3), QStringLiteral("delay"));
    QVERIFY(!login.DelayReleased());

    login.EmitPrepareForSleep(true);
    QVERIFY2(EndsCleanly(player, output), output.constData());
    QVERIFY(output.split('\n').contains("--> Going to Standby or Hibernate"));
    QVERIFY(ConfigWritten(folder.Path("QPZ.cfg")));
    // Released by the player's end, not held on by the companion that is still running.
    QVERIFY(login.DelayReleased());

    if (withCompanion) {
        const QString record = folder.Path("weckwerk-args.txt");
        QTRY_VERIFY(QFile::exists(record));
        QFile file(record);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), folder.Path("qpz").toUtf8() + "\n-debug\nNOHIDE\n");
    }
}

QTEST_GUILESS_MAIN(TestShellProgram)
#include "TestShellProgram.moc"
