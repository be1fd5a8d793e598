#pragma once

#include "PluginHost.h"

#include "config/ConfigRecord.h"

// The player's plug-in slots: slot 0 is the on-screen simulation, slots 1.. the plug-in objects
// found in the program folder. Config.PluginActive and Config.PluginNames share their bounds.
extern PluginSlots Plugins;

inline const QString SimulationDisplayName = QStringLiteral("Interne Simulation");
inline const QString SimulationFileName = QStringLiteral("[Internal Simulation]");

// The plug-in part of the player's start-up, after the configuration has been loaded: finds
// and loads the plug-ins of programFolder, fills slot 0, calls Init on every plug-in, reads the
// "Active" keys into Config.PluginActive and connects the slots to OutputFrame. A plug-in whose
// Init fails keeps its slot; the failure is reported once in the status bar and the log.
void StartPluginSlots(const QString &programFolder = ProgramFolder());

// The plug-in part of the player's shutdown, after the display has been made dark: for every
// slot in order saves its "Active" key, then calls Term on its plug-in. Afterwards the plug-in
// objects are released and OutputFrame no longer reaches them.
void StopPluginSlots();

// The settings of the slot selected in the settings dialog's plug-in list: the plug-in's own
// dialog, or the note that the simulation (or nothing selected) has none.
void ConfigurePlugin(int slot);
