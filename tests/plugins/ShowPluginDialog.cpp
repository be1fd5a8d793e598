// Opens the "Konfiguration" dialog of one plug-in of a folder, as the player's settings dialog
// would, for looking at it: show_plugin_dialog <folder> <display name>.

#include "api/PluginSlots.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: show_plugin_dialog <folder> <display name>\n");
        return 2;
    }
    StartPluginSlots(QString::fromLocal8Bit(argv[1]));
    const int slot = int(Config.PluginNames.indexOf(QString::fromLocal8Bit(argv[2])));
    if (slot < 1) {
        std::fprintf(stderr, "no plug-in named %s\n", argv[2]);
        return 1;
    }
    ConfigurePlugin(slot);
    StopPluginSlots();
    return 0;
}
