#pragma once

#include "platform/TrayIcon.h"
#include "shell/CommandLine.h"

#include <QString>

#include <functional>
#include <memory>

class PowerMonitor;
class TerminationSignals;
class frmDebug;
class frmMain;

// What the audio link's install entry reported.
enum class AudioLinkResult { Installed, NotInstalled, Failed };

// The steps of start-up and shutdown that belong to other subsystems. Each is plugged in by the
// code that creates that subsystem; a step whose operation is empty is skipped, and its debug
// line is still written where the line belongs to the shell.
struct ShellHooks
{
    // Start-up step 4: select the first entry of the scroll-direction and transition lists.
    std::function<void()> SelectEditorDefaults;
    // Start-up step 5: show the notice on the about label lblCopy.
    std::function<void(const QString &notice)> ShowAboutNotice;
    // Start-up step 8: the audio link's install entry; the shell shows the messages.
    std::function<AudioLinkResult()> InstallAudioLink;
    // Start-up step 9: discover, register and create the plug-ins of the program folder.
    std::function<void()> LoadPlugins;
    // Start-up step 10: slot 0, Init of every plug-in, names and stored activation.
    std::function<void()> InstallPlugins;
    // Start-up step 12: start connecting to the display server (closing it first when open).
    std::function<void()> ConnectDisplayServer;
    // Start-up step 15: load a playlist file, and start playback as a click on the play
    // button would. The second runs the playlist until playback stops.
    std::function<void(const QString &path)> LoadPlaylist;
    std::function<void()> StartPlayback;

    // Shutdown step 2: the playlist last loaded or saved, which becomes LastPlaylist.
    std::function<QString()> CurrentPlaylistPath;
    // Shutdown step 3: close the display-server connection.
    std::function<void()> CloseDisplayServer;
    // Shutdown step 6: store every slot's "Active" flag and Term every plug-in. The process
    // ends right afterwards, so the settings must be written out before this returns.
    std::function<void()> ShutdownPlugins;
};

// Everything the start-up and shutdown sequences work with.
struct Shell
{
    CommandLine commandLine;
    QString programFolder;
    QString executablePath;
    frmMain *mainWindow = nullptr;
    PowerMonitor *power = nullptr; // null: no standby handling
    ShellHooks hooks;
    // Ends the process; the program's own exits at once, tests record the call.
    std::function<void()> EndProcess;

    // Made and kept by the sequences.
    TrayIcon tray;
    std::unique_ptr<frmDebug> debugWindow;
    std::unique_ptr<TerminationSignals> terminationSignals;
    bool shuttingDown = false;

    Shell();
    ~Shell();
};

// Runs before the main window is first shown. The last step starts playback, which runs nested
// inside this call until it stops.
void RunStartUp(Shell &shell);

// The main window's close, a termination signal or the coming standby: saves and darkens,
// stops the plug-ins and ends the process. Runs at most once.
void RunShutdown(Shell &shell);

// Ends the process at once with exit code 0, after flushing standard output and error.
// Nothing is torn down: windows, sockets and timers go with the process.
[[noreturn]] void EndProcessNow();

// Start-up step 7: the coming standby starts the companion and shuts the player down, waking
// up is only logged, and SIGTERM or SIGINT shut the player down as a close would.
void WatchPowerAndSignals(Shell &shell);
