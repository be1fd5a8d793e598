#include "clsLagwerk.h"

#include "api/OutputPlugin.h"

// The library's root object: creates the delay output's objects for a host.
class LagwerkFactory : public QObject, public OutputPluginFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID OutputPluginFactory_iid FILE "Lagwerk.json")
    Q_INTERFACES(OutputPluginFactory)

public:
    QObject *CreatePluginObject(const QString &className) override
    {
        return className == QLatin1String("clsLagwerk") ? new clsLagwerk : nullptr;
    }
};

#include "LagwerkFactory.moc"
