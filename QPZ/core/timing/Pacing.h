#pragma once

#include <functional>

// Frame timing. Every timed loop (movies, generators, scroll steps, transitions) paces its
// frames against absolute deadlines on a monotonic clock, kept in fractional milliseconds, so
// rounding and sleep overshoot do not add up over a long run.

// Milliseconds since the first call, monotonic.
double NowMs();

// Blocks the thread until the deadline (NowMs() scale): sleeps most of the way, then spins the
// last fraction of a millisecond, which a plain sleep would overshoot.
void PreciseSleepUntil(double deadlineMs);

// Returns true when a wait should end before its deadline (for example playback was stopped).
using StopPredicate = std::function<bool()>;

// Keeps the event loop running until shortly before the deadline, then sleeps the last
// stretch precisely. Events (clicks, sockets, timers) are handled while waiting, so a wait
// for the rest of a frame never holds the rest of the program. Ends early once stop() is true.
void WaitUntil(double deadlineMs, const StopPredicate &stop = {});

// Paces a sequence of frames: each frame ends at the previous frame's end plus its display
// time. A frame that starts more than half a frame late (slow delivery, a long nested event)
// is counted from its actual start instead, so lateness never causes a burst of catch-up
// frames.
class FramePacer
{
public:
    FramePacer();

    // Marks the start of the next frame.
    void BeginFrame();
    // The time the current frame began, on the NowMs() scale.
    double FrameStart() const { return m_frameStart; }
    // Waits until the frame has been shown for durationMs, keeping the event loop running.
    void WaitFrameEnd(double durationMs, const StopPredicate &stop = {});
    // The same without handling events, for the short blocking steps of transitions.
    void SleepFrameEnd(double durationMs);

private:
    double m_frameStart;
    double m_lastDurationMs = 0;
};
