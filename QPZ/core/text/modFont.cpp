#include "text/modFont.h"

#include "log/DebugLog.h"
#include "log/UserMessages.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

bool FontAdded = false;

namespace {
int addedFontId = -1;
}

bool FontExists(const QString &FaceName)
{
    const QFont font(FaceName);
    return QFontInfo(font).family().compare(FaceName, Qt::CaseInsensitive) == 0;
}

void InstallDisplayFont(const QString &Folder)
{
    DebugLog(QStringLiteral("Checking for QPZ-Font"));
    if (FontExists(DisplayFontFace))
        return;

    const QString path = QDir(Folder).filePath(DisplayFontFile);
    if (!QFileInfo(path).isFile()) {
        ShowMessage(MessageIcon::Exclamation,
                    QStringLiteral("Die Schriftart-Datei '%1' konnte nicht im "
                                   "Programmverzeichnis gefunden werden.")
                        .arg(DisplayFontFile));
        return;
    }

    DebugLog(QStringLiteral("Trying to install QPZ-Font"));
    addedFontId = QFontDatabase::addApplicationFont(path);
    if (addedFontId < 0) {
        // A damaged file must not stop an unattended show: passing news, then a substitute.
        ReportStatus(QStringLiteral("Die Schriftart-Datei '%1' ist beschädigt und wurde nicht "
                                    "geladen.")
                         .arg(DisplayFontFile));
        return;
    }
    FontAdded = true;
    DebugLog(QStringLiteral("Installed QPZ-Font"));
}

void RemoveDisplayFont()
{
    if (!FontAdded)
        return;
    QFontDatabase::removeApplicationFont(addedFontId);
    addedFontId = -1;
    FontAdded = false;
}
