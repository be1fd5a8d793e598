#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM and SIGINT are how a desktop session, a service manager or a terminal ends a
// program. They are turned into an ordinary event of the GUI thread, so that the player goes
// down through its normal shutdown (configuration saved, display dark) instead of dying.
// One object at a time; destroying it restores the default handling.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void TerminationRequested(int signalNumber);

private:
    void OnReadable();

    QSocketNotifier *m_notifier = nullptr;
};
