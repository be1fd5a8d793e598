#include "clsUDP.h"

#include "frmConfig.h"

#include "api/SettingsStore.h"
#include "util/TextNumbers.h"

#include <QApplication>
#include <QHostInfo>

#include <algorithm>

namespace {
const QString PortKey = QStringLiteral("Port");
const QString HostKey = QStringLiteral("Host");
} // namespace

clsUDP::clsUDP(QObject *parent) : QObject(parent) { }

QString clsUDP::PluginName() const
{
    return QStringLiteral("UDP-Ausgabe");
}

bool clsUDP::OutputToDevice(const LedFrame &OutputData)
{
    BuildQlPacket(OutputData, m_packet);
    if (!m_remoteSet)
        return false;
    // An unknown host or a port out of range sends nothing; errors are not reported.
    if (!m_remoteAddress.isNull() && UDPPort > 0 && UDPPort <= 0xFFFF)
        m_socket.writeDatagram(m_packet.data(), QlPacketSize, m_remoteAddress, quint16(UDPPort));
    return true;
}

bool clsUDP::Configure()
{
    UDP::frmConfig dialog(QApplication::activeWindow());
    dialog.SetClass(this);
    dialog.exec();
    SetUpSocket();
    return false;
}

bool clsUDP::Init(const QString &CallingAppTitle, const QString &MyFilename)
{
    m_callingAppTitle = CallingAppTitle;
    m_myFilename = MyFilename;
    const SettingsStore store(m_callingAppTitle);
    const QString section = SettingsStore::PluginSection(m_myFilename);
    UDPPort = LenientInt(store.GetSetting(section, PortKey, QStringLiteral("2323")));
    UDPHost = store.GetSetting(section, HostKey, QStringLiteral("127.0.0.1"));
    SetUpSocket();
    return false;
}

bool clsUDP::Term()
{
    SettingsStore store(m_callingAppTitle);
    const QString section = SettingsStore::PluginSection(m_myFilename);
    store.SaveSetting(section, PortKey, QString::number(UDPPort));
    store.SaveSetting(section, HostKey, UDPHost);
    if (m_socket.state() != QAbstractSocket::UnconnectedState)
        m_socket.close();
    return false;
}

void clsUDP::SetUpSocket()
{
    m_remoteSet = false;
    if (m_socket.state() != QAbstractSocket::UnconnectedState)
        m_socket.close();
    if (m_lookupId != -1) {
        QHostInfo::abortHostLookup(m_lookupId);
        m_lookupId = -1;
    }
    m_remoteAddress = QHostAddress(UDPHost.trimmed());
    if (m_remoteAddress.isNull() && !UDPHost.trimmed().isEmpty()) {
        // A name is looked up in the background so a slow name service cannot stall the
        // player; frames sent before the answer are lost like any other failed send.
        m_lookupId = QHostInfo::lookupHost(UDPHost.trimmed(), this, [this](const QHostInfo &info) {
            m_lookupId = -1;
            const QList<QHostAddress> addresses = info.addresses();
            const auto ipv4
                = std::find_if(addresses.begin(), addresses.end(), [](const QHostAddress &a) {
                      return a.protocol() == QAbstractSocket::IPv4Protocol;
                  });
            if (ipv4 != addresses.end())
                m_remoteAddress = *ipv4;
            else if (!addresses.isEmpty())
                m_remoteAddress = addresses.first();
        });
    }
    m_remoteSet = true;
}
