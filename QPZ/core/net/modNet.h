#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class QTcpSocket;
class QTimer;

// The client of the display server, which supplies live values (a temperature, a counter, a
// message) for the placeholders of scroll texts. One command line goes out, one reply comes
// back, and every wait for the server ends after the time-out at the latest. The connection is
// either kept open between requests (Config.KeepConnection) or opened for every request.

constexpr int ServerTimeoutMs = 3000;

// The endpoint of the display server and its time-out timer, a one-shot of ServerTimeoutMs.
// Both are created on first use and belong to the application object.
QTcpSocket &wskMain();
QTimer &timTimeout();

// The data of the last arrival on a watched endpoint; each arrival replaces it.
extern QByteArray ServerReply;
// An exchange in the open-and-close mode is running: a lock against nested exchanges.
extern bool ServerBusy;
// The user has been told once that the server cannot be reached; never again in this run.
extern bool ServerWarned;

// Runs one exchange over Connection: sends Command followed by CR LF and returns the reply,
// converted with ServerTextToAnsi, or an empty string when there is none. Every wait keeps the
// event loop running and ends when TimeoutTimer has switched itself off. Does nothing when
// Command or Host is empty or Port is 0.
QString CommunicateTafelwerk(QTcpSocket &Connection, QTimer &TimeoutTimer, const QString &Host,
                             qint32 Port, const QString &Command);

// The usual exchange: wskMain, timTimeout and the server named in the configuration.
QString AskTafelwerk(const QString &Command);

// Start-up: opens the kept connection when it is configured, without waiting for it.
void ConnectTafelwerk();
// Shutdown: closes the kept connection when it is configured.
void DisconnectTafelwerk();
