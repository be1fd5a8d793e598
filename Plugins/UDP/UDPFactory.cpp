#include "clsUDP.h"

#include "api/PluginFactory.h"

// The library's root object: creates the UDP output's objects for a host.
class UDPFactory : public OutputPluginFactoryFor<clsUDP>
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID OutputPluginFactory_iid FILE "UDP.json")
    Q_INTERFACES(OutputPluginFactory)
};

#include "UDPFactory.moc"
