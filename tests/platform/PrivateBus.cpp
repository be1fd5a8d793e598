#include "PrivateBus.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

PrivateBus::~PrivateBus()
{
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(3000))
            m_daemon.kill();
        m_daemon.waitForFinished(3000);
    }
}

bool PrivateBus::Start(QString *error)
{
    m_daemon.setProgram(QStringLiteral("dbus-daemon"));
    m_daemon.setArguments(
        { QStringLiteral("--config-file=" QPZ_TEST_DATA "/platform/private-bus.conf"),
          QStringLiteral("--nofork"), QStringLiteral("--print-address=1") });
    m_daemon.setProcessChannelMode(QProcess::SeparateChannels);
    m_daemon.start();
    if (!m_daemon.waitForStarted(5000)) {
        *error = QStringLiteral("dbus-daemon did not start: ") + m_daemon.errorString();
        return false;
    }
    while (!m_daemon.canReadLine()) {
        if (!m_daemon.waitForReadyRead(5000)) {
            *error = QStringLiteral("dbus-daemon printed no address");
            return false;
        }
    }
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    return true;
}

FakeLogin::FakeLogin(const QString &address)
    : m_connection(address, QStringLiteral("fake-login")), m_bus(m_connection.Connection())
{ }

FakeLogin::~FakeLogin()
{
    if (m_readEnd >= 0)
        ::close(m_readEnd);
}

bool FakeLogin::Register(QString *error)
{
    if (!m_bus.registerObject(QStringLiteral("/org/freedesktop/login1"), this,
                              QDBusConnection::ExportScriptableSlots)
        || !m_bus.registerService(QStringLiteral("org.freedesktop.login1"))) {
        *error = m_bus.lastError().message();
        return false;
    }
    return true;
}

void FakeLogin::EmitPrepareForSleep(bool start)
{
    QDBusMessage signal = QDBusMessage::createSignal(
        QStringLiteral("/org/freedesktop/login1"), QStringLiteral("org.freedesktop.login1.Manager"),
        QStringLiteral("PrepareForSleep"));
    signal << start;
    m_bus.send(signal);
}

bool FakeLogin::DelayReleased() const
{
    if (m_readEnd < 0)
        return false;
    // The read end of a pipe reports a hang-up once no write end is open any more.
    pollfd entry { m_readEnd, POLLIN, 0 };
    return ::poll(&entry, 1, 0) == 1 && (entry.revents & POLLHUP);
}

QDBusUnixFileDescriptor FakeLogin::Inhibit(const QString &what, const QString &who,
                                           const QString &why, const QString &mode)
{
    m_inhibitArguments.append({ what, who, why, mode });
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return {};
    if (m_readEnd >= 0)
        ::close(m_readEnd);
    m_readEnd = ends[0];
    // The descriptor object keeps a copy of its own; ours is closed at once.
    QDBusUnixFileDescriptor descriptor(ends[1]);
    ::close(ends[1]);
    return descriptor;
}
