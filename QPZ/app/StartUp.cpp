#include "app/Shell.h"

#include "config/ConfigRecord.h"
#include "config/modConfig.h"
#include "gui/frmDebug.h"
#include "gui/frmMain.h"
#include "log/DebugLog.h"
#include "log/UserMessages.h"
#include "shell/ApplyConfig.h"
#include "text/modFont.h"

#include <QDir>

namespace {

void Call(const std::function<void()> &hook)
{
    if (hook)
        hook();
}

void CheckAudioLink(const std::function<AudioLinkResult()> &installAudioLink)
{
    if (!installAudioLink)
        return;
    switch (installAudioLink()) {
    case AudioLinkResult::Installed:
        break;
    case AudioLinkResult::NotInstalled:
        ShowMessage(MessageIcon::Critical,
                    QStringLiteral("Auf ihrem System ist das WinAmp-VBLink-Plugin nicht "
                                   "installiert.\nSpektrum-Analyzer und VU-Meter brauchen einen "
                                   "PulseAudio-Tonserver (Debian-Paket pulseaudio oder "
                                   "pipewire-pulse)."));
        break;
    case AudioLinkResult::Failed:
        ShowMessage(MessageIcon::Exclamation,
                    QStringLiteral("Während des Ladens des VBLink-Winamp-Plugins ist ein Fehler "
                                   "aufgetreten"));
        break;
    }
}

bool DisplayServerWanted()
{
    return !Config.ServerHost.isEmpty() && Config.KeepConnection && Config.ServerPort != 0;
}

} // namespace

void RunStartUp(Shell &shell)
{
    const ShellHooks &hooks = shell.hooks;
    shell.mainWindow->SetCloseHandler([&shell] { RunShutdown(shell); });

    // 1. The single-instance check was made by main() before anything else.

    // 2. The debug window, only with "-debug".
    if (DebugMode) {
        shell.debugWindow = std::make_unique<frmDebug>();
        shell.debugWindow->ShowAndAttach();
    }

    // 3. InputModeNames is a constant table (config/ConfigRecord.h): nothing to fill.

    // 4. The editor's scroll-direction and transition lists start at their first entry.
    Call(hooks.SelectEditorDefaults);

    // 5. The about label.
    if (hooks.ShowAboutNotice)
        hooks.ShowAboutNotice(AboutNotice());

    // 6. The configuration.
    DebugLog(QStringLiteral("Loading configuration data"));
    LoadConfig(QDir(shell.programFolder).filePath(QStringLiteral("QPZ.cfg")));

    // 7. Standby and termination signals.
    DebugLog(QStringLiteral("Initiating Subclassing"));
    WatchPowerAndSignals(shell);

    // 8. The audio link; start-up goes on whatever it reports.
    DebugLog(QStringLiteral("Checking for WinAmp-Plugin"));
    CheckAudioLink(hooks.InstallAudioLink);

    // 9. Plug-in discovery.
    DebugLog(QStringLiteral("Getting installed Output-Plugins..."));
    Call(hooks.LoadPlugins);

    // 10. Plug-in slots and Init. Without a plug-in host the simulation is simply switched on.
    DebugLog(QStringLiteral("Installing and activating Plugins..."));
    if (hooks.InstallPlugins) {
        hooks.InstallPlugins();
    } else {
        Config.PluginNames.resize(qMax(Config.PluginNames.size(), qsizetype(1)));
        Config.PluginActive.resize(Config.PluginNames.size());
        Config.PluginActive[0] = true;
    }

    // 11. UDP input, movie list and remote control, through their ApplyConfig hooks.
    DebugLog(QStringLiteral("Applying configuration"));
    ApplyConfig();

    // 12. The display server; start-up does not wait for the connection.
    if (DisplayServerWanted()) {
        DebugLog(QStringLiteral("Trying to connect to Tafelwerk"));
        Call(hooks.ConnectDisplayServer);
    }

    // 13. The display font, added for this process when the system lacks it.
    InstallDisplayFont(shell.programFolder);

    // 14. The tray icon; the window hides unless NOHIDE (or no notification area exists).
    DebugLog(QStringLiteral("Loading trayicon"));
    const bool inTray = shell.tray.AddTrayIcon(shell.mainWindow, shell.mainWindow->windowTitle(),
                                               shell.commandLine.NoHide);
    shell.mainWindow->SetHideWhenMinimised(inTray);

    // 15. The given or the last playlist, then playback, which returns when it stops.
    const FirstPlaylist first
        = ChooseFirstPlaylist(shell.commandLine, Config.LastPlaylist, shell.programFolder);
    DebugLog(first.Given ? QStringLiteral("Loading and playing given playlist")
                         : QStringLiteral("Loading last playlist"));
    if (!first.Path.isEmpty() && hooks.LoadPlaylist)
        hooks.LoadPlaylist(first.Path);
    Call(hooks.StartPlayback);

    // 16.
    DebugLog(QStringLiteral("Init complete!"));
    if (DebugMode)
        shell.mainWindow->show();
}
