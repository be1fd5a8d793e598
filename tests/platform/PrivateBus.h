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

// A named connection to a bus, closed again when the test leaves its scope (also on failure),
// so that the next test can open one under the same name.
class ScopedBusConnection
{
public:
    ScopedBusConnection(const QString &address, const QString &name)
        : m_name(name), m_connection(QDBusConnection::connectToBus(address, name))
    { }
    ~ScopedBusConnection() { QDBusConnection::disconnectFromBus(m_name); }
    const QDBusConnection &Connection() const { return m_connection; }

private:
    QString m_name;
    QDBusConnection m_connection;
};

// A stand-in for the login manager on a private bus: it hands out "delay" inhibitors whose
// release it can see, and emits PrepareForSleep on request.
class FakeLogin : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

public:
    // Connects to the bus at the address under a connection of its own.
    explicit FakeLogin(const QString &address);
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
    ScopedBusConnection m_connection;
    QDBusConnection m_bus;
    QList<QStringList> m_inhibitArguments;
    int m_readEnd = -1;
};
