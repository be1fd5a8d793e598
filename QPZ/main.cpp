#include "config/ConfigRecord.h"
#include "config/modConfig.h"
#include "gui/MessageBoxPresenter.h"
#include "gui/frmMain.h"
#include "playback/PlaybackFlags.h"
#include "playback/PlaylistRunner.h"
#include "playlists/PlaylistFile.h"
#include "playlists/PlaylistModel.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppTitle);
    QApplication::setApplicationVersion(QStringLiteral(QPZ_VERSION));

    PlaylistModel playlist;
    PlaylistRunner runner(playlist);
    frmMain mainWindow(runner);
    MessageBoxPresenter messages(&mainWindow);
    SetMessagePresenter(&messages);

    LoadConfig();
    Config.PluginActive[0] = true; // the simulation
    mainWindow.FillMovieList();

    // Playback runs nested inside the call that starts it; closing the window must end it so
    // that the event loop can return.
    QObject::connect(&app, &QApplication::lastWindowClosed, [] {
        StopPlaylist = true;
        AbortItem = true;
    });

    mainWindow.show();
    // A playlist named first on the command line is loaded and played, as by the play button.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1 && !arguments[1].startsWith(u'-')) {
        QTimer::singleShot(0, &runner, [&] {
            LoadPlaylist(playlist, arguments[1]);
            runner.TogglePlay();
        });
    }
    const int result = app.exec();
    SaveConfig();
    return result;
}
