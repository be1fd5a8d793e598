#include "display/modQuarnoleds.h"

#include "config/ConfigRecord.h"
#include "display/Transitions.h"

LedFrame CurrentFrame;
LedFrame LastFrame;
bool TransitionPending = false;
quint8 TransitionType = 0;

namespace {
SimulationSink *simulationSink = nullptr;
PluginSink *pluginSink = nullptr;

bool SlotActive(int slot)
{
    return slot < Config.PluginActive.size() && Config.PluginActive[slot];
}
} // namespace

void SetSimulationSink(SimulationSink *sink)
{
    simulationSink = sink;
}

void SetPluginSink(PluginSink *sink)
{
    pluginSink = sink;
}

void OutputFrame(bool Force, bool Keep)
{
    if (Config.InputMode == InputModeNames[1] && !Force)
        return;

    if (TransitionPending) {
        // Cleared first: the transition's own steps come back through here and must deliver.
        TransitionPending = false;
        RunTransition(TransitionType);
    }

    LastFrame = CurrentFrame;
    if (!Config.OutputEnabled)
        return;

    const int upperSlot = pluginSink ? pluginSink->UpperSlot() : 0;
    for (int slot = 0; slot <= upperSlot; ++slot) {
        if (!SlotActive(slot))
            continue;
        if (slot == 0) {
            if (simulationSink && simulationSink->IsShowing())
                simulationSink->ShowFrame(CurrentFrame);
        } else {
            pluginSink->OutputToDevice(slot, CurrentFrame);
        }
    }

    if (!Keep)
        CurrentFrame.Clear();
}

void ToggleCell(int cellIndex)
{
    if (cellIndex < 0 || cellIndex >= LedFrame::Columns * LedFrame::Rows)
        return;
    const int column = cellIndex / 8 + 1;
    const int row = cellIndex % 8 + 1;
    CurrentFrame.At(column, row) = LedBool(~CurrentFrame.At(column, row));
    OutputFrame(false, true);
}
