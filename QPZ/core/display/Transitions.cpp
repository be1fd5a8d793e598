#include "display/Transitions.h"

#include "display/modQuarnoleds.h"
#include "timing/Pacing.h"
#include "util/Rnd.h"

#include <array>
#include <functional>
#include <vector>

namespace {

// One step: the previous step's picture (LastFrame) plus the step's pixels taken from the
// target picture, delivered and held for at least the step's time, measured from its start.
template<typename CopyPixels>
void Step(FramePacer &pacer, double stepMs, const LedFrame &target, CopyPixels copyPixels)
{
    pacer.BeginFrame();
    CurrentFrame = LastFrame;
    copyPixels(target);
    OutputFrame(false, false);
    pacer.SleepFrameEnd(stepMs);
}

void CopyColumn(const LedFrame &target, int column)
{
    for (int row = 1; row <= LedFrame::Rows; ++row)
        CurrentFrame.At(column, row) = target.At(column, row);
}

void RunColumnSteps(const LedFrame &target, int steps, double stepMs,
                    const std::function<std::vector<int>(int)> &columnsOfStep)
{
    FramePacer pacer;
    for (int x = 1; x <= steps; ++x) {
        Step(pacer, stepMs, target, [&](const LedFrame &t) {
            for (int column : columnsOfStep(x))
                CopyColumn(t, column);
        });
    }
}

void RunSinglePixels(const LedFrame &target)
{
    std::array<std::array<bool, LedFrame::Rows + 1>, LedFrame::Columns + 1> changed {};
    FramePacer pacer;
    for (int step = 0; step < LedFrame::Columns * LedFrame::Rows; ++step) {
        int column = 0;
        int row = 0;
        do {
            column = int(Rnd() * LedFrame::Columns) + 1;
            row = int(Rnd() * LedFrame::Rows) + 1;
        } while (changed[size_t(column)][size_t(row)]);
        changed[size_t(column)][size_t(row)] = true;
        Step(pacer, 1.0, target,
             [&](const LedFrame &t) { CurrentFrame.At(column, row) = t.At(column, row); });
    }
}

} // namespace

const QStringList &TransitionCaptions()
{
    static const QStringList captions = {
        QStringLiteral("[Kein]"),
        QStringLiteral("Wischen (Links->Rechts)"),
        QStringLiteral("Wischen (Rechts->Links)"),
        QStringLiteral("Blende schließen"),
        QStringLiteral("Blende öffnen"),
        QStringLiteral("Einzelne Pixel"),
        QStringLiteral("Zufällig"),
    };
    return captions;
}

void RunTransition(quint8 Type)
{
    if (Type == TransitionNone)
        return;
    if (Type == TransitionRandom)
        Type = quint8(int(Rnd() * 5) + 1);

    const LedFrame target = CurrentFrame;
    switch (Type) {
    case TransitionWipeLeftToRight:
        RunColumnSteps(target, 18, 15, [](int x) { return std::vector<int> { x }; });
        break;
    case TransitionWipeRightToLeft:
        RunColumnSteps(target, 18, 15, [](int x) { return std::vector<int> { 19 - x }; });
        break;
    case TransitionShutterClose:
        RunColumnSteps(target, 9, 30, [](int x) { return std::vector<int> { x, 19 - x }; });
        break;
    case TransitionShutterOpen:
        RunColumnSteps(target, 9, 30, [](int x) { return std::vector<int> { 10 - x, 9 + x }; });
        break;
    case TransitionSinglePixels:
        RunSinglePixels(target);
        break;
    default:
        break;
    }
    CurrentFrame = target;
}
