#include "clsLagwerk.h"

#include "api/PluginFactory.h"

// The library's root object: creates the delay output's objects for a host.
class LagwerkFactory : public OutputPluginFactoryFor<clsLagwerk>
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID OutputPluginFactory_iid FILE "Lagwerk.json")
    Q_INTERFACES(OutputPluginFactory)
};

#include "LagwerkFactory.moc"
