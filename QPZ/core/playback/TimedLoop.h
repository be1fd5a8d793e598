#pragma once

#include <QString>

#include <functional>

class QTimer;

// Timed entries (clocks, spectrum analyzer, VU meter) show a new frame every period until
// their duration has run out or the item is aborted.

// "timNextEntry": counts EntryDuration down once a second while enabled and sets StopEntry
// when it has run out. Created on first use, 1000 ms, disabled.
QTimer &timNextEntry();

// One tick of timNextEntry; a last fraction of a second gets a shorter interval, so a
// duration of 2.5 s ends after 1 s + 1 s + 0.5 s.
void NextEntryTick();

// Draws a frame into CurrentFrame.
using FrameDrawer = std::function<void()>;

// The loop of a timed entry: sets EntryDuration from Duration (seconds, read leniently),
// enables timNextEntry, then draws and delivers a frame every PeriodMs (measured without drift,
// events handled while waiting) until StopEntry or AbortItem. At least one frame is shown, so it
// returns true (an entry that showed something), as PlayEntry does.
bool RunTimedLoop(const QString &Duration, double PeriodMs, const FrameDrawer &DrawFrame);
