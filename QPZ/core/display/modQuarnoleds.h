#pragma once

#include "display/FrameSinks.h"
#include "display/LedFrame.h"

#include <QtGlobal>

// The frame buffers shared by every producer and the single delivery routine.

// The working frame: producers switch pixels on and call OutputFrame.
extern LedFrame CurrentFrame;
// The frame handed to OutputFrame most recently; the start picture of a transition.
extern LedFrame LastFrame;
// Set when an entry (or a movie repetition) starts; consumed by the next delivery.
extern bool TransitionPending;
// Index in the transition list, 0..6.
extern quint8 TransitionType;

// Connects the frame output to its receivers. Either may be null (nothing there yet).
void SetSimulationSink(SimulationSink *sink);
void SetPluginSink(PluginSink *sink);

// Delivers CurrentFrame to the simulation and every active plug-in. Force delivers even in
// the "UDP-Port" input mode (only the UDP input passes it); Keep leaves CurrentFrame as it is
// afterwards (only a click in the simulation passes it).
void OutputFrame(bool Force, bool Keep);

// A click on simulation cell 0..143 toggles that LED and shows the picture, keeping it.
void ToggleCell(int cellIndex);

// The simulation cell of a pixel: cells 0..7 are column 1 from top to bottom.
constexpr int CellIndex(int column, int row)
{
    return (column - 1) * 8 + (row - 1);
}
