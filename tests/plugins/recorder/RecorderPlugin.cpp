#include "RecorderFactory.h"

// Recorder.out.so: one recorder class.
class RecorderFactory : public RecorderFactoryBase
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID OutputPluginFactory_iid FILE "Recorder.json")
    Q_INTERFACES(OutputPluginFactory)
};

#include "RecorderPlugin.moc"
