// FaultyMembers.out.so: classes that break the contract in different ways.
//   clsNameThrows    PluginName throws
//   clsInitThrows    Init throws something that is not a std::exception
//   clsOutputThrows  OutputToDevice throws on every frame
//   clsNoOutput      has no OutputToDevice
//   clsWrongFrame    takes an int where the frame belongs
//   clsUnknown       is declared but the factory cannot make it

#include "api/OutputPlugin.h"

#include <stdexcept>

class Faulty : public QObject
{
    Q_OBJECT

public:
    explicit Faulty(const QString &className) : m_className(className) { }

    Q_INVOKABLE QString PluginName() const
    {
        if (m_className == QLatin1String("clsNameThrows"))
            throw std::runtime_error("PluginName is broken");
        return m_className;
    }
    Q_INVOKABLE bool Init(const QString &, const QString &)
    {
        if (m_className == QLatin1String("clsInitThrows"))
            throw 42;
        return false;
    }
    Q_INVOKABLE bool Term() { return false; }
    Q_INVOKABLE bool Configure() { return false; }
    Q_INVOKABLE bool OutputToDevice(const LedFrame &)
    {
        ++m_outputCalls;
        if (m_className == QLatin1String("clsOutputThrows"))
            throw std::runtime_error("device unplugged");
        return true;
    }
    Q_INVOKABLE int OutputCalls() const { return m_outputCalls; }

private:
    QString m_className;
    int m_outputCalls = 0;
};

class FaultyWithoutOutput : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE QString PluginName() const { return QStringLiteral("clsNoOutput"); }
    Q_INVOKABLE bool Init(const QString &, const QString &) { return false; }
    Q_INVOKABLE bool Term() { return false; }
    Q_INVOKABLE bool Configure() { return false; }
};

class FaultyWrongFrame : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE QString PluginName() const { return QStringLiteral("clsWrongFrame"); }
    Q_INVOKABLE bool Init(const QString &, const QString &) { return false; }
    Q_INVOKABLE bool Term() { return false; }
    Q_INVOKABLE bool Configure() { return false; }
    Q_INVOKABLE bool OutputToDevice(int) { return false; }
};

class FaultyFactory : public QObject, public OutputPluginFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID OutputPluginFactory_iid FILE "FaultyMembers.json")
    Q_INTERFACES(OutputPluginFactory)

public:
    QObject *CreatePluginObject(const QString &className) override
    {
        if (className == QLatin1String("clsNoOutput"))
            return new FaultyWithoutOutput;
        if (className == QLatin1String("clsWrongFrame"))
            return new FaultyWrongFrame;
        if (className == QLatin1String("clsUnknown"))
            return nullptr;
        return new Faulty(className);
    }
};

#include "FaultyMembers.moc"
