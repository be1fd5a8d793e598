#pragma once

#include <QObject>

// Tells the player when the computer is about to sleep and when it has woken up, and lets the
// player delay the sleep until its shutdown has finished.
class PowerMonitor : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Starts watching and asks the system to wait for the player before it sleeps.
    virtual void Start() = 0;
    // Lets the system sleep without waiting for the player any longer.
    virtual void ReleaseSleepDelay() = 0;

signals:
    void Suspending();
    void Resuming();
};
