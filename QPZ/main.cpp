#include "api/PluginSlots.h"
#include "app/Shell.h"
#include "config/ConfigRecord.h"
#include "gui/MessageBoxPresenter.h"
#include "gui/frmMain.h"
#include "log/DebugLog.h"
#include "net/modNet.h"
#include "platform/LogindPowerMonitor.h"
#include "platform/SingleInstance.h"
#include "playback/PlaylistRunner.h"
#include "playlists/PlaylistFile.h"
#include "playlists/PlaylistModel.h"
#include "shell/ApplyConfig.h"
#include "shell/CommandLine.h"

#include <QApplication>
#include <QDBusConnection>

#include <cstdio>

namespace {

// The steps of start-up and shutdown that belong to the subsystems created here.
void PlugInSubsystems(Shell &shell, frmMain &mainWindow, PlaylistModel &playlist,
                      PlaylistRunner &runner)
{
    ShellHooks &hooks = shell.hooks;
    hooks.SelectEditorDefaults = [&mainWindow] { mainWindow.SelectEditorDefaults(); };
    hooks.ShowAboutNotice = [&mainWindow](const QString &notice) {
        mainWindow.ShowAboutNotice(notice);
    };
    hooks.LoadPlugins = [&shell] { FindPluginSlots(shell.programFolder); };
    hooks.InstallPlugins = [] { InstallPluginSlots(); };
    hooks.ConnectDisplayServer = [] { ConnectTafelwerk(); };
    hooks.LoadPlaylist = [&playlist](const QString &path) { LoadPlaylist(playlist, path); };
    hooks.StartPlayback = [&runner] { runner.TogglePlay(); };
    hooks.CurrentPlaylistPath = [] { return CurrentPlaylistPath; };
    hooks.CloseDisplayServer = [] { DisconnectTafelwerk(); };
    hooks.ShutdownPlugins = [] { StopPluginSlots(); };

    ConfigHooks().RefillMovieList = [&mainWindow](const QString &) {
        mainWindow.FillMovieList();
    };
}

} // namespace

int main(int argc, char *argv[])
{
    // The player's own arguments, as given, before Qt takes its options out of argv.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine commandLine = ParseCommandLine(arguments);
    if (commandLine.Help || commandLine.Version) {
        std::fputs(qPrintable(commandLine.Help ? HelpText() : VersionText()), stdout);
        return 0;
    }

    // Start-up step 1: a second start of this program file ends here, silently, having touched
    // nothing.
    SingleInstance instance(ExecutablePath());
    if (instance.TryAcquire() == SingleInstance::Claim::HeldByOther)
        return 0;

    QApplication app(argc, argv);
    // The icons live in a static library, whose resources the linker drops unless asked for.
    Q_INIT_RESOURCE(icons);
    QApplication::setApplicationName(AppTitle);
    QApplication::setApplicationVersion(ReleaseVersion());
    // The window hides in the tray and the debug window may be closed on its own: the player
    // ends only through its shutdown.
    QApplication::setQuitOnLastWindowClosed(false);
    DebugMode = commandLine.Debug;

    PlaylistModel playlist;
    PlaylistRunner runner(playlist);
    frmMain mainWindow(runner);
    MessageBoxPresenter messages(&mainWindow);
    SetMessagePresenter(&messages);
    LogindPowerMonitor power(QDBusConnection::systemBus());

    Shell shell;
    shell.commandLine = commandLine;
    shell.programFolder = ProgramFolder();
    shell.executablePath = QCoreApplication::applicationFilePath();
    shell.mainWindow = &mainWindow;
    shell.power = &power;
    shell.EndProcess = [&instance] {
        instance.Release();
        EndProcessNow();
    };
    PlugInSubsystems(shell, mainWindow, playlist, runner);

    RunStartUp(shell);
    app.exec();
    // The player ends through its shutdown; should the event loop ever end by itself, the
    // shutdown still runs, and it ends the process.
    RunShutdown(shell);
    return 0;
}
