#pragma once

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

// A message bus daemon of the test's own, so that standby tests never reach the system bus.
class PrivateBus
{
public:
    ~PrivateBus();
    // Starts dbus-daemon with the test configuration and waits for its address.
    bool Start(QString *error);
    QString Address() const { return m_address; }

private:
    QProcess m_daemon;
    QString m_address;
};

// A stand-in for the login manager on a private bus: it hands out "delay" inhibitors whose
// release it can see, and emits PrepareForSleep on request.
class FakeLogin : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

public:
    explicit FakeLogin(const QDBusConnection &bus);
    ~FakeLogin() override;

    // Takes the login manager's name and object path on the bus.
    bool Register(QString *error);
    void EmitPrepareForSleep(bool start);

    int InhibitCalls() const { return m_inhibitArguments.size(); }
    QStringList LastInhibitArguments() const
    {
        return m_inhibitArguments.value(m_inhibitArguments.size() - 1);
    }
    // True once every copy of the last inhibitor handed out has been closed.
    bool DelayReleased() const;

public slots:
    Q_SCRIPTABLE QDBusUnixFileDescriptor Inhibit(const QString &what, const QString &who,
                                                 const QString &why, const QString &mode);

private:
    QDBusConnection m_bus;
    QList<QStringList> m_inhibitArguments;
    int m_readEnd = -1;
};
