#include "config/ConfigRecord.h"
#include "config/modConfig.h"
#include "gui/MessageBoxPresenter.h"
#include "gui/frmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppTitle);
    QApplication::setApplicationVersion(QStringLiteral(QPZ_VERSION));

    frmMain mainWindow;
    MessageBoxPresenter messages(&mainWindow);
    SetMessagePresenter(&messages);

    LoadConfig();
    Config.PluginActive[0] = true; // the simulation

    mainWindow.show();
    const int result = app.exec();
    SaveConfig();
    return result;
}
