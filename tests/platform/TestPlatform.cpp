#include "PrivateBus.h"
#include "Recorders.h"
#include "platform/Companion.h"
#include "platform/LogindPowerMonitor.h"
#include "platform/SingleInstance.h"
#include "platform/TerminationSignals.h"
#include "platform/TrayIcon.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <csignal>

namespace {

qint64 PidOfFinishedProcess()
{
    QProcess process;
    process.start(QStringLiteral("true"), {});
    process.waitForFinished();
    return process.processId() ? process.processId() : 999999;
}

QStringList ReadLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    lines.removeLast(); // after the final line feed
    return lines;
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void secondInstanceOfSameProgramIsRefused();
    void leftoverLocks_data();
    void leftoverLocks();
    void lockFolderMissingRunsUnguarded();

    void companionGetsPlayerPathAndArguments();
    void missingCompanionReportsFailure();

    void terminationSignalsBecomeEvents_data();
    void terminationSignalsBecomeEvents();

    void loginManagerDrivesStandby();
    void standbyWithoutLoginManager();

    void windowStaysReachableWithoutTray();
};

void TestPlatform::secondInstanceOfSameProgramIsRefused()
{
    QTemporaryDir locks;
    SingleInstance first(QStringLiteral("/opt/qpz/qpz"), locks.path());
    SingleInstance second(QStringLiteral("/opt/qpz/qpz"), locks.path());
    SingleInstance otherCopy(QStringLiteral("/home/show/qpz"), locks.path());

    QCOMPARE(first.TryAcquire(), SingleInstance::Claim::Acquired);
    QCOMPARE(second.TryAcquire(), SingleInstance::Claim::HeldByOther);
    // A copy of the program in another folder is another program.
    QCOMPARE(otherCopy.TryAcquire(), SingleInstance::Claim::Acquired);

    first.Release();
    QCOMPARE(second.TryAcquire(), SingleInstance::Claim::Acquired);
}

void TestPlatform::leftoverLocks_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("ageSeconds");
    QTest::addColumn<SingleInstance::Claim>("expected");

    const QByteArray deadOwner = QByteArray::number(PidOfFinishedProcess()) + "\nqpz\n\n";
    QTest::newRow("owner process gone") << deadOwner << 0 << SingleInstance::Claim::Acquired;
    QTest::newRow("unreadable, left by a crash")
        << QByteArray("\x01garbage") << 60 << SingleInstance::Claim::Acquired;
    QTest::newRow("empty, left by a crash")
        << QByteArray() << 60 << SingleInstance::Claim::Acquired;
    // A start that has just created its lock file but not written it yet.
    QTest::newRow("unreadable, being written")
        << QByteArray() << 0 << SingleInstance::Claim::HeldByOther;
}

void TestPlatform::leftoverLocks()
{
    QFETCH(QByteArray, content);
    QFETCH(int, ageSeconds);
    QFETCH(SingleInstance::Claim, expected);

    QTemporaryDir locks;
    SingleInstance instance(QStringLiteral("/opt/qpz/qpz"), locks.path());
    QFile leftover(instance.LockFilePath());
    QVERIFY(leftover.open(QIODevice::WriteOnly));
    leftover.write(content);
    leftover.close();
    QVERIFY(leftover.open(QIODevice::ReadWrite));
    leftover.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                         QFileDevice::FileModificationTime);
    leftover.close();

    QCOMPARE(instance.TryAcquire(), expected);
}

void TestPlatform::lockFolderMissingRunsUnguarded()
{
    QTemporaryDir locks;
    SingleInstance instance(QStringLiteral("/opt/qpz/qpz"), locks.filePath(QStringLiteral("gone")));
    QCOMPARE(instance.TryAcquire(), SingleInstance::Claim::Unavailable);
}

void TestPlatform::companionGetsPlayerPathAndArguments()
{
    QTemporaryDir folder;
    QVERIFY(QFile::copy(QStringLiteral(QPZ_TEST_DATA "/platform/Weckwerk"),
                        folder.filePath(QStringLiteral("Weckwerk"))));
    const QString player = folder.filePath(QStringLiteral("my player/qpz"));
    const QStringList arguments = { QStringLiteral("show.qpp"), QStringLiteral("-debug"),
                                    QStringLiteral("two words"), QString() };

    QString error;
    QVERIFY2(StartCompanion(folder.path(), player, arguments, &error), qPrintable(error));
    const QString record = folder.filePath(QStringLiteral("weckwerk-args.txt"));
    QTRY_VERIFY(QFile::exists(record));
    QCOMPARE(ReadLines(record), QStringList { player } + arguments);
}

void TestPlatform::missingCompanionReportsFailure()
{
    QTemporaryDir folder;
    QString error;
    QVERIFY(!StartCompanion(folder.path(), QStringLiteral("/opt/qpz/qpz"), {}, &error));
    QVERIFY(!error.isEmpty());
}

void TestPlatform::terminationSignalsBecomeEvents_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
}

void TestPlatform::terminationSignalsBecomeEvents()
{
    QFETCH(int, signalNumber);
    TerminationSignals signalsWatch;
    QSignalSpy requested(&signalsWatch, &TerminationSignals::TerminationRequested);
    ::raise(signalNumber);
    QTRY_COMPARE(requested.size(), 1);
    QCOMPARE(requested.at(0).at(0).toInt(), signalNumber);
}

void TestPlatform::loginManagerDrivesStandby()
{
    PrivateBus bus;
    QString error;
    QVERIFY2(bus.Start(&error), qPrintable(error));
    FakeLogin login(bus.Address());
    QVERIFY2(login.Register(&error), qPrintable(error));

    const ScopedBusConnection player(bus.Address(), QStringLiteral("player"));
    LogindPowerMonitor monitor(player.Connection());
    QSignalSpy suspending(&monitor, &PowerMonitor::Suspending);
    QSignalSpy resuming(&monitor, &PowerMonitor::Resuming);
    monitor.Start();

    QTRY_VERIFY(monitor.HoldsSleepDelay());
    QCOMPARE(login.InhibitCalls(), 1);
    const QStringList inhibit = login.LastInhibitArguments();
    QCOMPARE(inhibit.at(0), QStringLiteral("sleep"));
    QCOMPARE(inhibit.at(3), QStringLiteral("delay"));

    login.EmitPrepareForSleep(true);
    QTRY_COMPARE(suspending.size(), 1);
    QCOMPARE(resuming.size(), 0);
    login.EmitPrepareForSleep(false);
    QTRY_COMPARE(resuming.size(), 1);

    // The system waits for the player until it lets go, and only then.
    QTest::qWait(50);
    QVERIFY(!login.DelayReleased());
    monitor.ReleaseSleepDelay();
    QVERIFY(!monitor.HoldsSleepDelay());
    QTRY_VERIFY(login.DelayReleased());
}

void TestPlatform::standbyWithoutLoginManager()
{
    RecordingLog log;
    {
        // A bus without a login manager: the delay is refused, nothing else happens.
        PrivateBus bus;
        QString error;
        QVERIFY2(bus.Start(&error), qPrintable(error));
        const ScopedBusConnection lonely(bus.Address(), QStringLiteral("lonely"));
        LogindPowerMonitor monitor(lonely.Connection());
        QSignalSpy answered(&monitor, &LogindPowerMonitor::SleepDelayAnswered);
        monitor.Start();
        QTRY_COMPARE(answered.size(), 1);
        QVERIFY(!monitor.HoldsSleepDelay());
    }
    {
        // No bus at all.
        const ScopedBusConnection absent(QStringLiteral("unix:path=/nonexistent/bus"),
                                         QStringLiteral("absent"));
        LogindPowerMonitor monitor(absent.Connection());
        monitor.Start();
        monitor.ReleaseSleepDelay();
    }
    QCOMPARE(log.Lines.filter(QStringLiteral("No standby")).size(), 2);
}

void TestPlatform::windowStaysReachableWithoutTray()
{
    // The offscreen platform has no notification area, like a bare X server.
    QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
    RecordingLog log;
    QWidget window;
    TrayIcon tray;
    QVERIFY(!tray.AddTrayIcon(&window, QStringLiteral("QuarnoPlayer ZORVIK"), false));
    QVERIFY(window.isVisible());
    QVERIFY(!tray.IsShown());
    QCOMPARE(log.Lines.size(), 1);
    tray.RemoveTrayIcon();
}

QTEST_MAIN(TestPlatform)
#include "TestPlatform.moc"
