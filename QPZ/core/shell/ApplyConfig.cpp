#include "shell/ApplyConfig.h"

#include "config/ConfigRecord.h"
#include "log/DebugLog.h"

ApplyConfigHooks &ConfigHooks()
{
    static ApplyConfigHooks hooks;
    return hooks;
}

void ApplyConfig()
{
    const ApplyConfigHooks &hooks = ConfigHooks();

    // A socket bound earlier stays bound when the mode is switched back: nothing is undone.
    if (Config.InputMode == InputModeNames[1] && hooks.BindUdpInput)
        hooks.BindUdpInput(Config.UDPInPort);

    if (hooks.RefillMovieList)
        hooks.RefillMovieList(Config.MoviesDir);

    if (Config.RemoteEnabled)
        DebugLog(QStringLiteral("Binding remote control interface"));
    // The listener is closed first in both cases, so a running one is bound afresh.
    if (hooks.CloseRemoteListener)
        hooks.CloseRemoteListener();
    if (Config.RemoteEnabled && hooks.ListenRemoteControl)
        hooks.ListenRemoteControl();
}
