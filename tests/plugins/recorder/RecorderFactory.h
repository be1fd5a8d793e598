#pragma once

#include "Recorder.h"

#include "api/OutputPlugin.h"

// Creates a recorder for every class name the library declares.
class RecorderFactoryBase : public QObject, public OutputPluginFactory
{
public:
    QObject *CreatePluginObject(const QString &className) override
    {
        return new Recorder(className);
    }
};
