#pragma once

#include "PluginInstance.h"

#include <QList>
#include <QString>

#include <memory>

// The plug-in host routines shared by the player and by plug-ins that host others.

// One entry of a host's plug-in list. Slots from one library share its FileName.
struct PluginSlot
{
    QString DisplayName;
    QString ClassName;
    std::shared_ptr<PluginInstance> Instance; // empty in the player's slot 0
    QString FileName; // without folder, e.g. "UDP.out.so"
};

using PluginSlots = QList<PluginSlot>;

// The pattern LoadPlugins takes for the plug-ins of a folder: the folder + "/*.out.so".
QString PluginFilePattern(const QString &folder);

// Makes pluginSlots a one-slot list (slot 0, empty) and appends one slot per plug-in object of the
// files matching FilePattern. Files are taken in name order, because activation is stored by
// slot index and must find the same plug-ins at every start. Each file is registered, its
// objects are created and named: a name already taken gets " #2", " #3" and so on. An object
// whose PluginName fails gets no slot; the failure is reported and loading goes on.
void LoadPlugins(PluginSlots &pluginSlots, const QString &FilePattern);
