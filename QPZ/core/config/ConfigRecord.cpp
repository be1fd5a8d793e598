#include "config/ConfigRecord.h"

#include <QCoreApplication>

ConfigRecord Config;

QString ProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}

void SetDefaultConfig()
{
    Config = ConfigRecord {};
    Config.MoviesDir = ProgramFolder();
    Config.PluginNames = {QString()};
    Config.PluginActive = {false};
    Config.InputMode = InputModeNames[0];
    Config.ServerHost = QStringLiteral("localhost");
}
