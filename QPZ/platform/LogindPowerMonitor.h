#pragma once

#include "platform/PowerMonitor.h"

#include <QDBusConnection>

class QDBusError;
class QDBusMessage;

// The login manager's view of sleep: its PrepareForSleep(bool) signal (true before the system
// sleeps, false after it woke up) and a "delay" inhibitor, a file descriptor that keeps the
// system waiting until it is closed or the manager's delay limit runs out. The bus is given
// from outside: the system bus in the program, a private bus in tests.
class LogindPowerMonitor : public PowerMonitor
{
    Q_OBJECT

public:
    explicit LogindPowerMonitor(const QDBusConnection &bus, QObject *parent = nullptr);
    ~LogindPowerMonitor() override;

    void Start() override;
    void ReleaseSleepDelay() override;

    // True while the inhibitor is held.
    bool HoldsSleepDelay() const { return m_sleepDelayFd >= 0; }

signals:
    // The inhibitor request has been answered (held or refused).
    void SleepDelayAnswered();

private slots:
    void OnPrepareForSleep(bool start);
    void OnSleepDelay(const QDBusMessage &reply);
    void OnSleepDelayRefused(const QDBusError &error);

private:
    QDBusConnection m_bus;
    int m_sleepDelayFd = -1;
    bool m_released = false;
};
