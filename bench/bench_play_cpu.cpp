// Plays a 25 fps movie in the main window (offscreen) for ten seconds and prints the share of
// one core that the process used meanwhile.

#include "config/ConfigRecord.h"
#include "gui/frmMain.h"
#include "movies/PlayMovie.h"
#include "playback/PlaylistRunner.h"
#include "playlists/PlaylistModel.h"
#include "timing/Pacing.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

namespace {

double ProcessCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetDefaultConfig();
    Config.PluginActive[0] = true;

    QTemporaryDir folder;
    Config.MoviesDir = folder.path();
    constexpr int Frames = 250; // ten seconds at 40 ms
    QByteArray movie = "# name = CPU\n";
    for (int f = 0; f < Frames; ++f) {
        movie += "@40\n";
        for (int row = 0; row < 8; ++row) {
            QByteArray line(18, '0');
            for (int c = 0; c < 18; ++c)
                line[c] = (c + row + f) % 4 == 0 ? '1' : '0';
            movie += line + '\n';
        }
    }
    QFile file(folder.filePath(QStringLiteral("cpu.qlm")));
    if (!file.open(QIODevice::WriteOnly) || file.write(movie) != movie.size())
        return 1;
    file.close();

    PlaylistModel playlist;
    PlaylistRunner runner(playlist);
    frmMain window(runner);
    window.show();
    QCoreApplication::processEvents();

    const double cpuStart = ProcessCpuMs();
    const double wallStart = NowMs();
    PlayMovie(QStringLiteral("cpu.qlm"), 0, 1);
    const double cpu = ProcessCpuMs() - cpuStart;
    const double wall = NowMs() - wallStart;
    std::printf("play_cpu_percent: %.2f %%\n", 100.0 * cpu / wall);
    return 0;
}
