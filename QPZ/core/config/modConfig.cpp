#include "config/modConfig.h"

#include "config/ConfigFile.h"
#include "config/ConfigRecord.h"
#include "log/UserMessages.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

// A real configuration file is a few kilobytes; anything this large is not one.
constexpr qint64 MaxConfigBytes = 64 * 1024 * 1024;
constexpr int PathAccessError = 75;

void ReportLoadError(int number, const QString &description)
{
    ShowMessage(MessageIcon::Critical,
                QStringLiteral("Fehler beim Laden der Konfigurationsdatei:\n%1: %2\n"
                               "Vermutich ist die Datei korrupt.")
                    .arg(number)
                    .arg(description));
}

} // namespace

QString ConfigFilePath()
{
    return QDir(ProgramFolder()).filePath(QStringLiteral("QPZ.cfg"));
}

void LoadConfig(const QString &path)
{
    SetDefaultConfig();

    QFile file(path);
    if (!file.exists()) {
        // The first start creates the file empty; it gets its content at shutdown.
        if (!file.open(QIODevice::WriteOnly))
            ReportLoadError(PathAccessError, file.errorString());
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        ReportLoadError(PathAccessError, file.errorString());
        return;
    }
    const QByteArray bytes = file.read(MaxConfigBytes);
    const ConfigFile::ReadResult result = ConfigFile::Read(bytes, Config);
    if (result.status == ConfigFile::ReadResult::Broken)
        ReportLoadError(result.errorNumber, result.errorDescription);
}

bool SaveConfig(const QString &path, QString *error)
{
    QSaveFile file(path);
    // A folder the user may not write into still gets the file written, if the file itself is
    // writable; the atomic replacement needs a new file beside it.
    file.setDirectWriteFallback(true);
    if (file.open(QIODevice::WriteOnly) && file.write(ConfigFile::Write(Config)) >= 0
        && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}
