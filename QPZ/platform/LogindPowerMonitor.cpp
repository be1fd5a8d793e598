#include "platform/LogindPowerMonitor.h"

#include "log/DebugLog.h"
#include "log/UserMessages.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>

#include <fcntl.h>
#include <unistd.h>

namespace {
const QString LoginService = QStringLiteral("org.freedesktop.login1");
const QString LoginPath = QStringLiteral("/org/freedesktop/login1");
const QString LoginManager = QStringLiteral("org.freedesktop.login1.Manager");
} // namespace

LogindPowerMonitor::LogindPowerMonitor(const QDBusConnection &bus, QObject *parent)
    : PowerMonitor(parent), m_bus(bus)
{ }

LogindPowerMonitor::~LogindPowerMonitor()
{
    ReleaseSleepDelay();
}

void LogindPowerMonitor::Start()
{
    if (!m_bus.isConnected()
        || !m_bus.connect(LoginService, LoginPath, LoginManager, QStringLiteral("PrepareForSleep"),
                          this, SLOT(OnPrepareForSleep(bool)))) {
        DebugLog(QStringLiteral("No standby detection: %1").arg(m_bus.lastError().message()));
        return;
    }

    QDBusMessage call = QDBusMessage::createMethodCall(LoginService, LoginPath, LoginManager,
                                                       QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep") << AppTitle
         << QStringLiteral("Saving the configuration and darkening the display")
         << QStringLiteral("delay");
    // Asked without waiting for the answer, so a slow bus never holds up start-up.
    m_bus.callWithCallback(call, this, SLOT(OnSleepDelay(QDBusMessage)),
                           SLOT(OnSleepDelayRefused(QDBusError)));
}

void LogindPowerMonitor::OnSleepDelay(const QDBusMessage &reply)
{
    const auto descriptor = reply.arguments().value(0).value<QDBusUnixFileDescriptor>();
    // A copy of our own, closed exactly when the delay is released. It is not inherited by
    // programs started later (the standby companion), or the system would wait for them too.
    if (!m_released && descriptor.isValid())
        m_sleepDelayFd = ::fcntl(descriptor.fileDescriptor(), F_DUPFD_CLOEXEC, 0);
    emit SleepDelayAnswered();
}

void LogindPowerMonitor::OnSleepDelayRefused(const QDBusError &error)
{
    DebugLog(QStringLiteral("No standby delay: %1").arg(error.message()));
    emit SleepDelayAnswered();
}

void LogindPowerMonitor::ReleaseSleepDelay()
{
    m_released = true;
    if (m_sleepDelayFd >= 0)
        ::close(m_sleepDelayFd);
    m_sleepDelayFd = -1;
}

void LogindPowerMonitor::OnPrepareForSleep(bool start)
{
    if (start)
        emit Suspending();
    else
        emit Resuming();
}
