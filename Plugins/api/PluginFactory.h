#pragma once

#include "api/OutputPlugin.h"

// The root object of a plug-in library whose declared classes are the QObject classes Classes,
// each declared under its C++ name: it makes the class whose name a host asks for, and nothing
// for any other name. A library's factory derives from it and adds only its Q_OBJECT,
// Q_PLUGIN_METADATA and Q_INTERFACES(OutputPluginFactory) lines.
template<typename... Classes>
class OutputPluginFactoryFor : public QObject, public OutputPluginFactory
{
public:
    QObject *CreatePluginObject(const QString &className) override
    {
        QObject *object = nullptr;
        // The first class of that name is made; the ones after it are not tried.
        (void)((object = CreateIfNamed<Classes>(className)) || ...);
        return object;
    }

private:
    template<typename Class> static QObject *CreateIfNamed(const QString &className)
    {
        return className == QLatin1String(Class::staticMetaObject.className()) ? new Class
                                                                               : nullptr;
    }
};
