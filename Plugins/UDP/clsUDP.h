#pragma once

#include "QlPacket.h"

#include "display/LedFrame.h"

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QUdpSocket>

// The UDP output: every frame goes out as one QL packet to UDPHost:UDPPort. Socket errors are
// swallowed; a frame that cannot be sent is simply lost.
class clsUDP : public QObject
{
    Q_OBJECT
    Q_PROPERTY(qint32 UDPPort MEMBER UDPPort)
    Q_PROPERTY(QString UDPHost MEMBER UDPHost)

public:
    explicit clsUDP(QObject *parent = nullptr);

    qint32 UDPPort = 2323;
    QString UDPHost = QStringLiteral("127.0.0.1");

    Q_INVOKABLE QString PluginName() const;
    Q_INVOKABLE bool OutputToDevice(const LedFrame &OutputData);
    Q_INVOKABLE bool Configure();
    Q_INVOKABLE bool Init(const QString &CallingAppTitle, const QString &MyFilename);
    Q_INVOKABLE bool Term();

private:
    void SetUpSocket();

    QString m_callingAppTitle;
    QString m_myFilename;
    QUdpSocket m_socket;
    // Set once the remote address has been set up; until then frames are not sent.
    bool m_remoteSet = false;
    QHostAddress m_remoteAddress;
    int m_lookupId = -1;
    QlPacket m_packet {};
};
