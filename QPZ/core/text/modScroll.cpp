#include "text/modScroll.h"

#include "display/modQuarnoleds.h"
#include "playback/PlaybackFlags.h"
#include "text/TextSurface.h"
#include "timing/Pacing.h"
#include "util/TextNumbers.h"

#include <QCoreApplication>

namespace {
// The display is this wide; a horizontal run starts and ends just beyond its edges.
constexpr int DisplayWidth = LedFrame::Columns;
} // namespace

ScrollRun PlanScroll(const QString &Direction, int TextWidth, int TextHeight)
{
    ScrollRun run;
    if (Direction == QLatin1String("L->R")) {
        run = { TextWidth, -DisplayWidth, -1, false };
    } else if (Direction == QLatin1String("O->U")) {
        run = { TextHeight, -TextHeight, -1, true };
    } else if (Direction == QLatin1String("U->O")) {
        run = { -TextHeight, TextHeight, +1, true };
    } else {
        run = { -DisplayWidth, TextWidth, +1, false };
    }
    if (!run.Vertical && TextWidth <= DisplayWidth)
        run = { 0, 0, +1, false };
    return run;
}

int ScrollHoldMs(qint16 Speed, int TextWidth)
{
    const int hold = RoundHalfEven(2.0 * (200 - Speed) * TextWidth);
    return hold > 0 ? hold : 0;
}

void ScrollText(const QString &Text, qint16 Speed, const QString &Direction)
{
    AbortItem = false;
    ScrollRenderer renderer(picText(), Text);
    const ScrollRun run = PlanScroll(Direction, renderer.TextWidth(), renderer.TextHeight());
    const double stepMs = 200 - Speed;
    const auto aborted = [] { return AbortItem; };

    FramePacer pacer;
    for (int pos = run.Start;; pos += run.Step) {
        pacer.BeginFrame();
        if (run.Vertical)
            renderer.RenderStep(0, pos, CurrentFrame);
        else
            renderer.RenderStep(pos, 0, CurrentFrame);
        OutputFrame(false, false);
        QCoreApplication::processEvents();
        // Only a whole millisecond or more of the step left is waited for.
        if (stepMs - (NowMs() - pacer.FrameStart()) >= 1)
            pacer.WaitFrameEnd(stepMs, aborted);
        if (AbortItem || pos == run.End)
            break;
    }

    if (run.Still()) {
        // The hold is not cut short by AbortItem: a still text is always shown in full.
        const int holdMs = ScrollHoldMs(Speed, renderer.TextWidth());
        if (holdMs > 0)
            WaitUntil(NowMs() + holdMs);
    }
}
