#include "platform/Companion.h"

#include <QDir>
#include <QProcess>

bool StartCompanion(const QString &programFolder, const QString &playerPath,
                    const QStringList &playerArguments, QString *error)
{
    QProcess companion;
    companion.setProgram(QDir(programFolder).filePath(CompanionName));
    // The player's path is one argument of its own, followed by its arguments unchanged.
    companion.setArguments(QStringList { playerPath } + playerArguments);
    companion.setWorkingDirectory(programFolder);
    companion.setStandardInputFile(QProcess::nullDevice());
    if (companion.startDetached())
        return true;
    if (error)
        *error = companion.errorString();
    return false;
}
