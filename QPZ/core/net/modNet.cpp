#include "net/modNet.h"

#include "config/ConfigRecord.h"
#include "log/DebugLog.h"
#include "log/UserMessages.h"
#include "net/modAnsiAscii.h"
#include "util/Ansi.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>

QByteArray ServerReply;
bool ServerBusy = false;
bool ServerWarned = false;

namespace {

const char *const WatchedProperty = "qpzServerRepliesWatched";

bool KeptConnectionConfigured()
{
    return !Config.ServerHost.isEmpty() && Config.KeepConnection && Config.ServerPort != 0;
}

void OnServerData(QTcpSocket &connection)
{
    if (connection.state() == QAbstractSocket::ConnectedState) {
        ServerReply = connection.readAll();
        return;
    }
    // The server closed its side before the data could be taken.
    ShowMessage(MessageIcon::Critical, QStringLiteral("Tafelwerk beendete Verbindung"));
}

// Arrivals on the endpoint land in ServerReply. Connected once per endpoint.
void WatchServerReplies(QTcpSocket &connection)
{
    if (connection.property(WatchedProperty).toBool())
        return;
    connection.setProperty(WatchedProperty, true);
    QObject::connect(&connection, &QIODevice::readyRead, &connection,
                     [&connection] { OnServerData(connection); });
}

// Switches the timer on and keeps the event loop running until done() holds (true) or the
// timer has switched itself off (false).
bool WaitWithTimeout(QTimer &timer, const std::function<bool()> &done)
{
    timer.setSingleShot(true);
    timer.start();
    while (!done()) {
        if (!timer.isActive())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

bool ReplyArrived()
{
    return !ServerReply.isEmpty();
}

void ReportFailure(int step, const QString &description)
{
    ShowMessage(MessageIcon::NoIcon,
                QStringLiteral("Fehler in 'CommunicateTafelwerk' (Zeile %1): %2")
                    .arg(step)
                    .arg(description));
}

void WarnUnreachable()
{
    if (!ServerWarned)
        ShowMessage(MessageIcon::NoIcon,
                    QStringLiteral("Tafelwerk konnte nicht kontaktiert werden!"));
    ServerWarned = true;
}

// Starts connecting. Refused or unknown hosts show up later as a silent server; only errors
// that make the endpoint unusable are reported at once (the text for the failure message).
QString StartConnecting(QTcpSocket &connection, const QString &host, qint32 port)
{
    if (connection.state() != QAbstractSocket::UnconnectedState)
        connection.abort();
    connection.connectToHost(host, quint16(port));
    switch (connection.error()) {
    case QAbstractSocket::SocketAccessError:
    case QAbstractSocket::SocketResourceError:
    case QAbstractSocket::UnsupportedSocketOperationError:
        if (connection.state() == QAbstractSocket::UnconnectedState)
            return connection.errorString();
        break;
    default:
        break;
    }
    return {};
}

} // namespace

QTcpSocket &wskMain()
{
    static QPointer<QTcpSocket> socket;
    if (!socket) {
        socket = new QTcpSocket(QCoreApplication::instance());
        socket->setObjectName(QStringLiteral("wskMain"));
        WatchServerReplies(*socket);
    }
    return *socket;
}

QTimer &timTimeout()
{
    static QPointer<QTimer> timer;
    if (!timer) {
        timer = new QTimer(QCoreApplication::instance());
        timer->setObjectName(QStringLiteral("timTimeout"));
        timer->setSingleShot(true);
        timer->setInterval(ServerTimeoutMs);
    }
    return *timer;
}

QString CommunicateTafelwerk(QTcpSocket &Connection, QTimer &TimeoutTimer, const QString &Host,
                             qint32 Port, const QString &Command)
{
    if (Command.isEmpty() || Host.isEmpty() || Port == 0)
        return {};
    if (Port < 0 || Port > 65535) {
        ReportFailure(1, QStringLiteral("Ungültige Portnummer %1").arg(Port));
        return {};
    }
    WatchServerReplies(Connection);

    const bool keep = Config.KeepConnection;
    if (keep) {
        const QAbstractSocket::SocketState state = Connection.state();
        if (state != QAbstractSocket::ConnectedState) {
            ServerReply.clear();
            // A connection on its way (the one opened at start-up) is waited for, not redone.
            if (state != QAbstractSocket::HostLookupState
                && state != QAbstractSocket::ConnectingState) {
                DebugLog(QStringLiteral("Trying to connect to Tafelwerk"));
                const QString failure = StartConnecting(Connection, Host, Port);
                if (!failure.isEmpty()) {
                    ReportFailure(2, failure);
                    return {};
                }
            }
            // A command sent before the greeting would be answered after it, and the greeting
            // would be taken for this call's reply and the reply for the next call's. So the
            // greeting is awaited first; a silent server gives an empty result, as below.
            if (!WaitWithTimeout(TimeoutTimer, ReplyArrived))
                return {};
            DebugLog(QStringLiteral("Connection established:"));
            DebugLog(AnsiToUnicode(ServerReply));
        }
    } else {
        if (ServerBusy && !WaitWithTimeout(TimeoutTimer, [] { return !ServerBusy; })) {
            // The running exchange is further down this very call stack and cannot finish
            // before this call returns; taking over its endpoint would spoil its reply.
            DebugLog(QStringLiteral("LOCKED"));
            return {};
        }
        TimeoutTimer.stop();
        ServerBusy = true;
        ServerReply.clear();
        const QString failure = StartConnecting(Connection, Host, Port);
        if (!failure.isEmpty()) {
            ServerBusy = false;
            ReportFailure(3, failure);
            return {};
        }
        if (!WaitWithTimeout(TimeoutTimer, ReplyArrived)) {
            Connection.abort();
            ServerBusy = false;
            WarnUnreachable();
            return {};
        }
        DebugLog(QStringLiteral("Connection established:"));
        DebugLog(AnsiToUnicode(ServerReply));
        TimeoutTimer.stop();
    }

    // From here on a failing operation only means that no reply comes.
    ServerReply.clear();
    Connection.write(UnicodeToAnsi(Command) + "\r\n");
    QCoreApplication::processEvents();
    const bool answered = WaitWithTimeout(TimeoutTimer, ReplyArrived);
    TimeoutTimer.stop();
    const QString reply = AnsiToUnicode(ServerTextToAnsi(ServerReply));
    DebugLog(QStringLiteral("Recieved:"));
    DebugLog(reply);

    if (!keep) {
        if (!answered) {
            Connection.abort();
            ServerBusy = false;
            WarnUnreachable();
            return {};
        }
        Connection.close();
    }
    ServerBusy = false;
    return reply;
}

QString AskTafelwerk(const QString &Command)
{
    return CommunicateTafelwerk(wskMain(), timTimeout(), Config.ServerHost, Config.ServerPort,
                                Command);
}

void ConnectTafelwerk()
{
    if (!KeptConnectionConfigured() || Config.ServerPort < 0 || Config.ServerPort > 65535)
        return;
    // The start-up sequence writes "Trying to connect to Tafelwerk" before it calls this.
    QTcpSocket &connection = wskMain();
    if (connection.state() != QAbstractSocket::UnconnectedState)
        connection.abort();
    ServerReply.clear();
    connection.connectToHost(Config.ServerHost, quint16(Config.ServerPort));
}

void DisconnectTafelwerk()
{
    if (KeptConnectionConfigured())
        wskMain().abort();
}
