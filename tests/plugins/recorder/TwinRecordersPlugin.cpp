#include "RecorderFactory.h"

// TwinRecorders.out.so: two recorder classes in one library, both named like the one in
// Recorder.out.so.
class TwinRecordersFactory : public RecorderFactoryBase
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID OutputPluginFactory_iid FILE "TwinRecorders.json")
    Q_INTERFACES(OutputPluginFactory)
};

#include "TwinRecordersPlugin.moc"
