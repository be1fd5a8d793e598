#pragma once

#include "display/LedFrame.h"

// Where a delivered frame goes. Slot 0 is the on-screen simulation; slots 1 and up are output
// plug-ins, reached through the plug-in host. Both sit behind these small interfaces so the
// frame output has no knowledge of widgets or plug-in libraries, and tests record deliveries.

class SimulationSink
{
public:
    virtual ~SimulationSink() = default;
    // False while the main window is minimized: painting is then skipped.
    virtual bool IsShowing() const = 0;
    virtual void ShowFrame(const LedFrame &frame) = 0;
};

class PluginSink
{
public:
    virtual ~PluginSink() = default;
    // The highest slot index in use; slot 0 is the simulation, so 0 means no plug-in.
    virtual int UpperSlot() const = 0;
    // Hands the frame to the plug-in object of slot (>= 1). The frame is the caller's storage.
    virtual void OutputToDevice(int slot, const LedFrame &frame) = 0;
};
