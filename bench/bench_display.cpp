// Frame output throughput with the simulation shown and five plug-in slots, and the length of
// a left-to-right wipe end to end.

#include "config/ConfigRecord.h"
#include "display/Transitions.h"
#include "display/modQuarnoleds.h"
#include "gui/frmMain.h"
#include "playback/PlaylistRunner.h"
#include "playlists/PlaylistModel.h"
#include "timing/Pacing.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class CountingPlugins : public PluginSink
{
public:
    long long deliveries = 0;
    int UpperSlot() const override { return 5; }
    void OutputToDevice(int, const LedFrame &frame) override { deliveries += frame.At(1, 1) & 1; }
};

double DeliveriesPerSecond()
{
    constexpr double RunMs = 1500;
    const double start = NowMs();
    long long frames = 0;
    while (NowMs() - start < RunMs) {
        for (int i = 0; i < 256; ++i) {
            CurrentFrame.Set(1 + int(frames % 18), 1 + int(frames % 8), true);
            OutputFrame(false, false);
            ++frames;
        }
        QApplication::processEvents(); // lets the simulation repaint as it would in playback
    }
    return double(frames) / ((NowMs() - start) / 1000.0);
}

double MedianWipeMs()
{
    std::vector<double> runs;
    for (int i = 0; i < 9; ++i) {
        TransitionType = TransitionWipeLeftToRight;
        TransitionPending = true;
        CurrentFrame.Set(5, 5, true);
        const double start = NowMs();
        OutputFrame(false, false);
        runs.push_back(NowMs() - start);
    }
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    SetDefaultConfig();
    Config.PluginActive = QList<bool>(6, true);

    PlaylistModel playlist;
    PlaylistRunner runner(playlist);
    frmMain window(runner);
    window.show();
    CountingPlugins plugins;
    SetPluginSink(&plugins);
    QApplication::processEvents();

    std::printf("outputframe_deliveries_per_s: %.0f deliveries/s\n", DeliveriesPerSecond());
    std::printf("wipe_ms: %.2f ms\n", MedianWipeMs());
    SetPluginSink(nullptr);
    return 0;
}
