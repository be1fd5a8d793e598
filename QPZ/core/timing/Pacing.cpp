#include "timing/Pacing.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

// A frame that starts more than half a frame (at least this much) after its planned start is
// late: the schedule restarts from now. Smaller delays, a busy machine's scheduling hiccups
// among them, are absorbed by the following deadlines without a burst of short frames.
constexpr double MinLateToleranceMs = 2.0;
// Sleep overshoot stays below this; the final stretch is spun.
constexpr double SpinMarginMs = 0.3;
// Stop handling events this long before a deadline; a precise timer fires up to ~1 ms late.
constexpr double EventSlackMs = 2.0;

const QElapsedTimer &Clock()
{
    static const QElapsedTimer clock = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return clock;
}

} // namespace

double NowMs()
{
    return double(Clock().nsecsElapsed()) / 1e6;
}

void PreciseSleepUntil(double deadlineMs)
{
    const double sleepMs = deadlineMs - SpinMarginMs - NowMs();
    if (sleepMs > 0)
        std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(sleepMs));
    while (NowMs() < deadlineMs) {
    }
}

void WaitUntil(double deadlineMs, const StopPredicate &stop)
{
    const auto stopped = [&] { return stop && stop(); };
    const double eventTimeMs = deadlineMs - EventSlackMs - NowMs();
    if (eventTimeMs > 0 && QCoreApplication::instance()) {
        // A precise single-shot timer wakes the loop when it is time to stop handling events;
        // in between the thread sleeps in the event dispatcher, using no CPU.
        bool woken = false;
        QTimer wake;
        wake.setTimerType(Qt::PreciseTimer);
        wake.setSingleShot(true);
        QObject::connect(&wake, &QTimer::timeout, [&woken] { woken = true; });
        wake.start(int(eventTimeMs));
        while (!woken && !stopped())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    } else if (QCoreApplication::instance()) {
        QCoreApplication::processEvents();
    }
    if (!stopped())
        PreciseSleepUntil(deadlineMs);
}

FramePacer::FramePacer()
    : m_frameStart(NowMs())
{
}

void FramePacer::BeginFrame()
{
    // Also restarts after a wait that ended early, when the planned start still lies ahead.
    const double now = NowMs();
    const double tolerance = std::max(MinLateToleranceMs, m_lastDurationMs / 2);
    if (now < m_frameStart || now - m_frameStart > tolerance)
        m_frameStart = now;
}

void FramePacer::WaitFrameEnd(double durationMs, const StopPredicate &stop)
{
    m_lastDurationMs = durationMs;
    m_frameStart += durationMs;
    WaitUntil(m_frameStart, stop);
}

void FramePacer::SleepFrameEnd(double durationMs)
{
    m_lastDurationMs = durationMs;
    m_frameStart += durationMs;
    PreciseSleepUntil(m_frameStart);
}
