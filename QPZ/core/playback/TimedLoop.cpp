#include "playback/TimedLoop.h"

#include "display/modQuarnoleds.h"
#include "playback/PlaybackFlags.h"
#include "timing/Pacing.h"
#include "util/TextNumbers.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace {
constexpr int TickMs = 1000;
} // namespace

QTimer &timNextEntry()
{
    // Owned by the application object, so it goes before the event dispatcher does.
    static QPointer<QTimer> timer;
    if (!timer) {
        timer = new QTimer(QCoreApplication::instance());
        timer->setObjectName(QStringLiteral("timNextEntry"));
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(TickMs);
        QObject::connect(timer, &QTimer::timeout, &NextEntryTick);
    }
    return *timer;
}

void NextEntryTick()
{
    QTimer &timer = timNextEntry();
    EntryDuration -= 1;
    if (EntryDuration <= 0) {
        StopEntry = true;
        timer.stop();
        timer.setInterval(TickMs);
    } else if (EntryDuration <= 1) {
        timer.setInterval(RoundHalfEven(TickMs * EntryDuration));
    }
}

bool RunTimedLoop(const QString &Duration, double PeriodMs, const FrameDrawer &DrawFrame)
{
    StopEntry = false;
    EntryDuration = LenientNumber(Duration);
    // A timer still counting down an entry that was cut short keeps its phase and interval.
    if (!timNextEntry().isActive())
        timNextEntry().start();

    const auto over = [] { return StopEntry || AbortItem; };
    FramePacer pacer;
    do {
        pacer.BeginFrame();
        DrawFrame();
        OutputFrame(false, false);
        QCoreApplication::processEvents();
        if (!over())
            pacer.WaitFrameEnd(PeriodMs, over);
    } while (!over());
    return true;
}
