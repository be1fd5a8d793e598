// One scroll step (draw the visible window, sample it, deliver the frame to a recording sink)
// of a 1,000-character text, at its start and at its end; and a 100,000-character text: how
// long it takes to prepare and what a step at its end costs.

#include "config/ConfigRecord.h"
#include "display/modQuarnoleds.h"
#include "text/TextSurface.h"
#include "text/modFont.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class CountingSink : public SimulationSink
{
public:
    bool IsShowing() const override { return true; }
    void ShowFrame(const LedFrame &frame) override
    {
        Last = frame;
        ++Count;
    }
    LedFrame Last;
    long Count = 0;
};

// The median over several rounds of the mean step time across positions first..last.
double StepMicroseconds(ScrollRenderer &renderer, int first, int last)
{
    constexpr int Rounds = 15;
    std::vector<double> means;
    for (int round = 0; round < Rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        for (int pos = first; pos <= last; ++pos) {
            renderer.RenderStep(pos, 0, CurrentFrame);
            OutputFrame(false, false);
        }
        means.push_back(double(timer.nsecsElapsed()) / 1000.0 / (last - first + 1));
    }
    std::sort(means.begin(), means.end());
    return means[means.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    InstallDisplayFont(QStringLiteral(QPZ_BIN_DIR));

    SetDefaultConfig();
    Config.PluginActive[0] = true;
    CountingSink sink;
    SetSimulationSink(&sink);

    QFont font(DisplayFontFace);
    font.setPointSizeF(6);
    picText().SetFont(font);

    QString text;
    for (int i = 0; text.size() < 100000; ++i)
        text += QStringLiteral("Nachricht %1: Größere Äpfel für Übermorgen! ").arg(i);
    text.truncate(100000);
    ScrollRenderer renderer(picText(), text.left(1000));

    constexpr int Steps = 300;
    const double start = StepMicroseconds(renderer, -18, -18 + Steps);
    const double end
        = StepMicroseconds(renderer, renderer.TextWidth() - Steps, renderer.TextWidth());
    std::printf("scroll_step_us: %.2f us\n", start);
    std::printf("scroll_step_end_us: %.2f us\n", end);

    QElapsedTimer prepare;
    prepare.start();
    ScrollRenderer longRenderer(picText(), text);
    const double prepareMs = double(prepare.nsecsElapsed()) / 1e6;
    const double longEnd = StepMicroseconds(longRenderer, longRenderer.TextWidth() - Steps,
                                            longRenderer.TextWidth());
    std::printf("scroll_prepare_100k_ms: %.1f ms\n", prepareMs);
    std::printf("scroll_step_100k_end_us: %.2f us\n", longEnd);
    SetSimulationSink(nullptr);
    return sink.Count > 0 ? 0 : 1;
}
