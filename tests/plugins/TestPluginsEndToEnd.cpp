// The real program, copied with the UDP output into a temporary program folder, run with a
// settings store of its own in which the UDP output is active and aimed at a socket of this
// test. Ending it the way a session or a service manager does (SIGTERM) runs the shutdown:
// the dark frame reaches the socket as a QL packet, and the "Active" keys and the plug-in's
// own settings are written.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtTest>

class TestPluginsEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void playerSendsItsFramesThroughTheUdpOutput();
};

void TestPluginsEndToEnd::playerSendsItsFramesThroughTheUdpOutput()
{
    QTemporaryDir program;
    QTemporaryDir config;
    for (const char *file : { "qpz", "UDP.out.so" })
        QVERIFY(QFile::copy(QStringLiteral(QPZ_BIN_DIR "/") + file, program.filePath(file)));

    QUdpSocket receiver;
    QVERIFY(receiver.bind(QHostAddress::LocalHost, 0));
    const QString settingsFile = config.filePath("QuarnoPlayer ZORVIK.ini");
    {
        QSettings seed(settingsFile, QSettings::IniFormat);
        seed.setValue("Plugins/UDP.out.so/Active", "1");
        seed.setValue("Plugins/UDP.out.so/Port", QString::number(receiver.localPort()));
        seed.setValue("Plugins/UDP.out.so/Host", "127.0.0.1");
    }

    QProcess player;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", config.path());
    environment.insert("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    player.setProcessEnvironment(environment);
    player.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    player.start(program.filePath("qpz"), {});
    QVERIFY(player.waitForStarted());

    // The plug-in slots are set up once the simulation's "Active" key has been written.
    const auto settingsText = [&] {
        QFile file(settingsFile);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    QTRY_VERIFY_WITH_TIMEOUT(settingsText().contains("Internal%20Simulation%5D\\Active=1"), 20000);
    QCOMPARE(player.state(), QProcess::Running);

    player.terminate();
    QVERIFY(player.waitForFinished(20000));
    QCOMPARE(player.exitStatus(), QProcess::NormalExit);
    QCOMPARE(player.exitCode(), 0);

    QVERIFY(receiver.hasPendingDatagrams() || receiver.waitForReadyRead(2000));
    QByteArray packet(int(receiver.pendingDatagramSize()), '\0');
    receiver.readDatagram(packet.data(), packet.size());
    QCOMPARE(packet.toHex(),
             (QByteArray::fromHex("DEADBEEF0000000000120008") + QByteArray(144, '\0')).toHex());
    QVERIFY(!receiver.hasPendingDatagrams());

    const QSettings written(settingsFile, QSettings::IniFormat);
    QCOMPARE(written.value("Plugins/UDP.out.so/Active").toString(), QStringLiteral("1"));
    QCOMPARE(written.value("Plugins/[Internal Simulation]/Active").toString(), QStringLiteral("1"));
    QCOMPARE(written.value("Plugins/UDP.out.so/Port").toString(),
             QString::number(receiver.localPort()));
}

QTEST_MAIN(TestPluginsEndToEnd)
#include "TestPluginsEndToEnd.moc"
