// The cost of the plug-in contract: one by-name call of OutputToDevice, and OutputFrame with the
// simulation shown and the UDP output and Lagwerk (aimed at its own UDP output) active.

#include "api/PluginSlots.h"
#include "api/SettingsStore.h"
#include "config/ConfigRecord.h"
#include "display/modQuarnoleds.h"
#include "gui/frmMain.h"
#include "playback/PlaylistRunner.h"
#include "playlists/PlaylistModel.h"
#include "log/UserMessages.h"
#include "timing/Pacing.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QUdpSocket>

#include <cstdio>

namespace {

QString FolderWith(const QTemporaryDir &dir, const QString &subfolder, const QStringList &files)
{
    const QString folder = dir.filePath(subfolder);
    QDir().mkpath(folder);
    for (const QString &file : files)
        QFile::copy(QStringLiteral(QPZ_BIN_DIR "/") + file, folder + QLatin1Char('/') + file);
    return folder;
}

// Lagwerk alone in its folder: no target, so a call is the dispatch and one queued frame.
double PluginCallMicroseconds(const QTemporaryDir &dir)
{
    PluginSlots loaded;
    LoadPlugins(loaded,
                PluginFilePattern(FolderWith(dir, QStringLiteral("alone"), { "Lagwerk.out.so" })));
    PluginInstance &lagwerk = *loaded.value(1).Instance;
    lagwerk.Init(AppTitle, QStringLiteral("Lagwerk.out.so"));
    LedFrame frame;
    constexpr int Calls = 2'000'000;
    const double start = NowMs();
    for (int i = 0; i < Calls; ++i) {
        frame.Pixel[size_t(20 + i % 100)] = LedTrue;
        lagwerk.OutputToDevice(frame);
    }
    const double perCall = (NowMs() - start) * 1000.0 / Calls;
    lagwerk.Term();
    return perCall;
}

double OutputFramesPerSecond(const QTemporaryDir &dir)
{
    QUdpSocket receiver; // bound so the datagrams have somewhere to go; never read
    receiver.bind(QHostAddress::LocalHost, 0);
    SettingsStore store(AppTitle);
    store.SaveSetting(SettingsStore::PluginSection("UDP.out.so"), "Port",
                      QString::number(receiver.localPort()));
    StartPluginSlots(
        FolderWith(dir, QStringLiteral("program"), { "Lagwerk.out.so", "UDP.out.so" }));
    Config.PluginActive = QList<bool>(Plugins.size(), true);

    constexpr double RunMs = 1500;
    long long frames = 0;
    const double start = NowMs();
    while (NowMs() - start < RunMs) {
        for (int i = 0; i < 256; ++i, ++frames) {
            CurrentFrame.Set(1 + int(frames % 18), 1 + int(frames / 18 % 8), true);
            OutputFrame(false, false);
        }
        QApplication::processEvents(); // the simulation repaints as it would during playback
    }
    const double perSecond = double(frames) / ((NowMs() - start) / 1000.0);
    StopPluginSlots();
    return perSecond;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath("settings"));
    SetDefaultConfig();
    PlaylistModel playlist;
    PlaylistRunner runner(playlist);
    frmMain window(runner);
    window.show();
    QApplication::processEvents();

    std::printf("plugin_call_us: %.3f us\n", PluginCallMicroseconds(dir));
    std::printf("outputframe_plugins_fps: %.0f fps\n", OutputFramesPerSecond(dir));
    return 0;
}
