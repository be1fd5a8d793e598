#include "QuitSignals.h"
#include "api/PluginSlots.h"
#include "config/ConfigRecord.h"
#include "config/modConfig.h"
#include "display/modQuarnoleds.h"
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
    CloseOnQuitSignals(&mainWindow);

    LoadConfig();
    StartPluginSlots();

    mainWindow.show();
    const int result = app.exec();
    SaveConfig();
    // The display goes dark before the plug-ins save their activation and stop.
    CurrentFrame.Clear();
    OutputFrame(false, false);
    StopPluginSlots();
    return result;
}
