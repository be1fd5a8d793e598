#pragma once

#include <QString>

#include <functional>

// The services that applying the configuration reaches belong to other subsystems (the UDP
// input, the movie list, the remote-control listener). Each plugs its operation in here once
// at start-up; an operation left empty is skipped, so applying works before every service
// exists and tests can record the calls.
struct ApplyConfigHooks
{
    // Binds the UDP frame input to its local port. Called only in the "UDP-Port" input mode;
    // errors are the service's to ignore.
    std::function<void(int port)> BindUdpInput;
    // Lists the movies of the folder again.
    std::function<void(const QString &moviesDir)> RefillMovieList;
    // Closes the remote-control listener (nothing happens when it is not listening).
    std::function<void()> CloseRemoteListener;
    // Binds the remote-control listener to its port and listens; reports a taken port itself.
    std::function<void()> ListenRemoteControl;
};

ApplyConfigHooks &ConfigHooks();

// Brings Config into effect: the UDP input in the "UDP-Port" mode, the movie list, and the
// remote-control listener switched on or off. Called at start-up once the plug-ins are
// initialised, and by the settings dialog after it has copied its controls into Config.
void ApplyConfig();
