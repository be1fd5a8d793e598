#include "clsUDP.h"

#include "api/OutputPlugin.h"

// The library's root object: creates the UDP output's objects for a host.
class UDPFactory : public QObject, public OutputPluginFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID OutputPluginFactory_iid FILE "UDP.json")
    Q_INTERFACES(OutputPluginFactory)

public:
    QObject *CreatePluginObject(const QString &className) override
    {
        return className == QLatin1String("clsUDP") ? new clsUDP : nullptr;
    }
};

#include "UDPFactory.moc"
