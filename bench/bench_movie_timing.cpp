// Plays a 1,000-frame movie of 20 ms frames to a recording simulation and prints how evenly
// the frames were delivered and how close the whole movie came to 20 s.

#include "config/ConfigRecord.h"
#include "display/modQuarnoleds.h"
#include "movies/PlayMovie.h"
#include "timing/Pacing.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int FrameCount = 1000;
constexpr int FrameMs = 20;

class TimingSink : public SimulationSink
{
public:
    bool IsShowing() const override { return true; }
    void ShowFrame(const LedFrame &) override { Times.push_back(NowMs()); }
    std::vector<double> Times;
};

double Percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, size_t(fraction * double(values.size())));
    return values[index];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    SetDefaultConfig();
    Config.PluginActive[0] = true;

    QTemporaryDir folder;
    Config.MoviesDir = folder.path();
    QByteArray movie = "# name = Timing\n";
    for (int f = 0; f < FrameCount; ++f) {
        movie += '@' + QByteArray::number(FrameMs) + '\n';
        for (int row = 0; row < 8; ++row)
            movie += QByteArray(18, (f + row) % 2 ? '1' : '0') + '\n';
    }
    QFile file(folder.filePath(QStringLiteral("timing.qlm")));
    if (!file.open(QIODevice::WriteOnly) || file.write(movie) != movie.size())
        return 1;
    file.close();

    TimingSink sink;
    SetSimulationSink(&sink);
    PlayMovie(QStringLiteral("timing.qlm"), 0, 1);
    const double end = NowMs();
    SetSimulationSink(nullptr);
    if (sink.Times.size() != size_t(FrameCount))
        return 1;

    std::vector<double> errors;
    for (size_t i = 1; i < sink.Times.size(); ++i)
        errors.push_back(std::abs(sink.Times[i] - sink.Times[i - 1] - FrameMs));
    // The movie lasts from its first delivery until its last frame has been shown.
    const double total = end - sink.Times.front();

    std::printf("frame_interval_error_median_ms: %.3f ms\n", Percentile(errors, 0.5));
    std::printf("frame_interval_error_p99_ms: %.3f ms\n", Percentile(errors, 0.99));
    std::printf("movie_total_error_ms: %.3f ms\n", std::abs(total - FrameCount * FrameMs));
    return 0;
}
