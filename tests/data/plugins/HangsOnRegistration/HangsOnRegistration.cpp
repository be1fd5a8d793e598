// HangsOnRegistration.out.so: its factory takes longer to come up than a host waits for a
// registration. It returns eventually, so the abandoned registration thread ends by itself.

#include "api/OutputPlugin.h"

#include <QThread>

class HangingFactory : public QObject, public OutputPluginFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID OutputPluginFactory_iid FILE "HangsOnRegistration.json")
    Q_INTERFACES(OutputPluginFactory)

public:
    HangingFactory() { QThread::msleep(6500); }
    QObject *CreatePluginObject(const QString &) override { return nullptr; }
};

#include "HangsOnRegistration.moc"
