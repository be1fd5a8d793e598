#include "app/Shell.h"

#include "config/ConfigRecord.h"
#include "config/modConfig.h"
#include "display/modQuarnoleds.h"
#include "log/DebugLog.h"
#include "platform/PowerMonitor.h"
#include "playback/PlaybackFlags.h"
#include "text/modFont.h"

#include <QDir>

#include <cstdio>

void RunShutdown(Shell &shell)
{
    // A close, a signal and the standby can all arrive while a shutdown runs nested below.
    if (shell.shuttingDown)
        return;
    shell.shuttingDown = true;
    const ShellHooks &hooks = shell.hooks;

    // 1. The window refused its close; a running playlist leaves its loop at the next check.
    StopPlaylist = true;

    // 2. The configuration, with the playlist last loaded or saved. Until the playlist loader
    //    reports one, LastPlaylist stays as it was read.
    if (hooks.CurrentPlaylistPath)
        Config.LastPlaylist = hooks.CurrentPlaylistPath();
    QString error;
    if (!SaveConfig(QDir(shell.programFolder).filePath(QStringLiteral("QPZ.cfg")), &error)) {
        // No message box: the shutdown may be racing a standby and must not stop for a click.
        const QString line = QStringLiteral("Could not save the configuration: %1").arg(error);
        if (!DebugMode)
            std::fprintf(stderr, "%s\n", qPrintable(line));
        DebugLog(line);
    }

    // 3. The display-server connection.
    if (!Config.ServerHost.isEmpty() && Config.KeepConnection && Config.ServerPort != 0
        && hooks.CloseDisplayServer)
        hooks.CloseDisplayServer();

    // 4. The display font, when start-up added it.
    RemoveDisplayFont();

    // 5. A dark frame (in the "UDP-Port" mode OutputFrame holds it back, so the last frame
    //    received stays on the display).
    CurrentFrame.Clear();
    OutputFrame(false, false);

    // 6. Every slot's "Active" flag, and Term for every plug-in.
    if (hooks.ShutdownPlugins)
        hooks.ShutdownPlugins();

    // 7. The tray icon.
    shell.tray.RemoveTrayIcon();

    // 8. Everything is saved: the system may sleep now, and the process ends.
    if (shell.power)
        shell.power->ReleaseSleepDelay();
    shell.EndProcess();
}
