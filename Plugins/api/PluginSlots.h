#pragma once

#include "PluginHost.h"

#include "config/ConfigRecord.h"

// The player's plug-in slots: slot 0 is the on-screen simulation, slots 1.. the plug-in objects
// found in the program folder. Config.PluginActive and Config.PluginNames share their bounds.
extern PluginSlots Plugins;

inline const QString SimulationDisplayName = QStringLiteral("Interne Simulation");
inline const QString SimulationFileName = QStringLiteral("[Internal Simulation]");

// The plug-in part of the player's start-up, after the configuration has been loaded. First
// the plug-ins of programFolder are found, registered and created; then slot 0 is filled,
// every plug-in gets Init, the "Active" keys are read into Config.PluginActive and the slots
// are connected to OutputFrame. A plug-in whose Init fails keeps its slot; the failure is
// reported once in the status bar and the log.
void FindPluginSlots(const QString &programFolder = ProgramFolder());
void InstallPluginSlots();

// Both halves at once, for callers without a start-up sequence of their own.
inline void StartPluginSlots(const QString &programFolder = ProgramFolder())
{
    FindPluginSlots(programFolder);
    InstallPluginSlots();
}

// The plug-in part of the player's shutdown, after the display has been made dark: for every
// slot in order saves its "Active" key, then calls Term on its plug-in. Afterwards the plug-in
// objects are released and OutputFrame no longer reaches them.
void StopPluginSlots();

// The settings of the slot selected in the settings dialog's plug-in list: the plug-in's own
// dialog, or the note that the simulation (or nothing selected) has none.
void ConfigurePlugin(int slot);
