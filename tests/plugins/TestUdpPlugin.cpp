// The UDP output through the real loader: the QL packets, readiness, its settings and its
// "Konfiguration" dialog.

#include "PluginTestSupport.h"
#include "Recorders.h"

#include "api/PluginSlots.h"
#include "display/modQuarnoleds.h"

#include <QLineEdit>
#include <QUdpSocket>
#include <QtTest>

#include <optional>

namespace {

QByteArray NextDatagram(QUdpSocket &socket, int waitMs = 2000)
{
    if (!socket.hasPendingDatagrams() && !socket.waitForReadyRead(waitMs))
        return {};
    QByteArray data(int(socket.pendingDatagramSize()), '\0');
    socket.readDatagram(data.data(), data.size());
    return data;
}

QByteArray Packet(std::initializer_list<int> litBytes)
{
    QByteArray packet = QByteArray::fromHex("DEADBEEF0000000000120008") + QByteArray(144, '\0');
    for (int index : litBytes)
        packet[index] = 1;
    return packet;
}

} // namespace

class TestUdpPlugin : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void sendsEveryFrameAsAQlPacket_data();
    void sendsEveryFrameAsAQlPacket();
    void readyOnlyAfterInitAndWithoutTestLines();
    void readsAndWritesItsSettings();
    void dialogRefusesBadPortsAndAppliesOnClose();

private:
    // Loads UDP.out.so from a fresh program folder with its "Port" aimed at the receiver.
    void StartWithUdp(const QString &host = QStringLiteral("127.0.0.1"));

    std::optional<ScratchSettings> m_settings;
    std::optional<PluginFolder> m_folder;
    std::optional<QUdpSocket> m_receiver;
    RecordingMessages m_messages;
    RecordingStatus m_status;
};

void TestUdpPlugin::init()
{
    m_settings.emplace();
    m_folder.emplace(QStringList { "UDP.out.so" });
    m_receiver.emplace();
    QVERIFY(m_receiver->bind(QHostAddress::LocalHost, 0));
    SetDefaultConfig();
    m_messages.Clear();
    m_status.Lines.clear();
}

void TestUdpPlugin::cleanup()
{
    if (!Plugins.isEmpty())
        StopPluginSlots();
    QVERIFY(m_messages.Texts.isEmpty());
    QVERIFY(m_status.Lines.isEmpty());
}

void TestUdpPlugin::StartWithUdp(const QString &host)
{
    m_settings->Set("UDP.out.so", "Active", "1");
    m_settings->Set("UDP.out.so", "Port", QString::number(m_receiver->localPort()));
    m_settings->Set("UDP.out.so", "Host", host);
    StartPluginSlots(m_folder->Path());
    QCOMPARE(Config.PluginNames.value(1), QStringLiteral("UDP-Ausgabe"));
    QVERIFY(Config.PluginActive.value(1));
}

void TestUdpPlugin::sendsEveryFrameAsAQlPacket_data()
{
    QTest::addColumn<LedFrame>("frame");
    QTest::addColumn<QByteArray>("packet");
    QTest::newRow("all dark") << LedFrame {} << Packet({});
    QTest::newRow("(18, 1) is byte 29") << FrameWith({ { 18, 1 } }) << Packet({ 29 });
    QTest::newRow("(1, 8) is byte 138") << FrameWith({ { 1, 8 } }) << Packet({ 138 });
    QTest::newRow("(1, 1) and (18, 8)")
        << FrameWith({ { 1, 1 }, { 18, 8 } }) << Packet({ 12, 155 });
    QTest::newRow("column and row 0 are not sent")
        << FrameWith({ { 0, 0 }, { 0, 3 }, { 5, 0 } }) << Packet({});
}

void TestUdpPlugin::sendsEveryFrameAsAQlPacket()
{
    QFETCH(LedFrame, frame);
    QFETCH(QByteArray, packet);
    StartWithUdp();

    CurrentFrame = frame;
    OutputFrame(false, false);
    QCOMPARE(NextDatagram(*m_receiver).toHex(), packet.toHex());
    QVERIFY(!m_receiver->hasPendingDatagrams());
}

void TestUdpPlugin::readyOnlyAfterInitAndWithoutTestLines()
{
    PluginSlots loaded;
    LoadPlugins(loaded, PluginFilePattern(m_folder->Path()));
    QCOMPARE(loaded.size(), 2);
    QObject *udp = loaded[1].Instance->Object();
    const LedFrame frame;
    bool sent = true;
    QVERIFY(QMetaObject::invokeMethod(udp, "OutputToDevice", Qt::DirectConnection,
                                      Q_RETURN_ARG(bool, sent), Q_ARG(LedFrame, frame)));
    QVERIFY(!sent);

    // No test lines: the settings dialog's line test skips it without an error.
    QVERIFY(!loaded[1].Instance->Offers(PluginInstance::MemberSetData));
    QString error;
    QVERIFY(loaded[1].Instance->SetData(1, true, &error)
            && loaded[1].Instance->SetOE(true, &error));
    QVERIFY(error.isEmpty());

    m_settings->Set("UDP.out.so", "Port", QString::number(m_receiver->localPort()));
    QVERIFY(loaded[1].Instance->Init(AppTitle, "UDP.out.so"));
    QVERIFY(QMetaObject::invokeMethod(udp, "OutputToDevice", Qt::DirectConnection,
                                      Q_RETURN_ARG(bool, sent), Q_ARG(LedFrame, frame)));
    QVERIFY(sent);
    QCOMPARE(NextDatagram(*m_receiver).size(), 156);
}

void TestUdpPlugin::readsAndWritesItsSettings()
{
    // A host name is looked up; the port is read as a number and written back in decimal.
    m_settings->Set("UDP.out.so", "Port", "&H" + QString::number(m_receiver->localPort(), 16));
    m_settings->Set("UDP.out.so", "Host", "localhost");
    m_settings->Set("UDP.out.so", "Active", "1");
    StartPluginSlots(m_folder->Path());
    QByteArray received;
    for (int attempt = 0; attempt < 100 && received.isEmpty(); ++attempt) {
        QTest::qWait(20); // the answer of the name lookup arrives as an event
        OutputFrame(false, false);
        received = NextDatagram(*m_receiver, 20);
    }
    QCOMPARE(received.size(), 156);

    StopPluginSlots();
    QCOMPARE(m_settings->Get("UDP.out.so", "Port"), QString::number(m_receiver->localPort()));
    QCOMPARE(m_settings->Get("UDP.out.so", "Host"), QStringLiteral("localhost"));

    // Defaults when nothing is stored.
    QSettings(m_settings->Path() + "/QuarnoPlayer ZORVIK.ini", QSettings::IniFormat).clear();
    StartPluginSlots(m_folder->Path());
    StopPluginSlots();
    QCOMPARE(m_settings->Get("UDP.out.so", "Port"), QStringLiteral("2323"));
    QCOMPARE(m_settings->Get("UDP.out.so", "Host"), QStringLiteral("127.0.0.1"));
}

void TestUdpPlugin::dialogRefusesBadPortsAndAppliesOnClose()
{
    StartWithUdp();
    QUdpSocket second;
    QVERIFY(second.bind(QHostAddress::LocalHost, 0));

    QStringList warnings;
    QStringList shown;
    OnNextModal([&](QWidget *dialog) {
        auto *host = dialog->findChild<QLineEdit *>("txtUDPHost");
        auto *port = dialog->findChild<QLineEdit *>("txtUDPPort");
        shown = { dialog->windowTitle(), host->text(), port->text() };
        for (const char *bad : { "abc", "", "70000", "0", "12x" }) {
            port->setText(bad);
            CloseNextMessageBox(&warnings, dialog);
            Click(dialog, "cmdOK");
        }
        shown << QString::number(dialog->isVisible());
        port->setText(" " + QString::number(second.localPort()) + " ");
        Click(dialog, "cmdOK");
    });
    QVERIFY(Plugins[1].Instance->Configure());
    QCOMPARE(shown,
             QStringList(
                 { "Konfiguration", "127.0.0.1", QString::number(m_receiver->localPort()), "1" }));
    QCOMPARE(warnings, QStringList(5, "Eingegebener Port ist ungültig!"));

    OutputFrame(false, false);
    QCOMPARE(NextDatagram(second).size(), 156);
    QVERIFY(!m_receiver->hasPendingDatagrams());

    // "Abbrechen" keeps the values; an empty host is taken as typed and then sends nothing.
    OnNextModal([](QWidget *dialog) {
        dialog->findChild<QLineEdit *>("txtUDPPort")->setText("9");
        Click(dialog, "cmdCancel");
    });
    QVERIFY(Plugins[1].Instance->Configure());
    OutputFrame(false, false);
    QCOMPARE(NextDatagram(second).size(), 156);
    OnNextModal([](QWidget *dialog) {
        dialog->findChild<QLineEdit *>("txtUDPHost")->clear();
        Click(dialog, "cmdOK");
    });
    QVERIFY(Plugins[1].Instance->Configure());
    OutputFrame(false, false);
    QVERIFY(NextDatagram(second, 200).isEmpty());
    StopPluginSlots();
    QCOMPARE(m_settings->Get("UDP.out.so", "Host"), QString());
}

QTEST_MAIN(TestUdpPlugin)
#include "TestUdpPlugin.moc"
