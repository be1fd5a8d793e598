#include "shell/DisplayFont.h"

#include "log/DebugLog.h"
#include "log/UserMessages.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

bool DisplayFont::FamilyInstalled(const QString &name)
{
    // The font system substitutes an unknown family silently, so the name it gives back tells.
    return QFontInfo(QFont(name)).family().compare(name, Qt::CaseInsensitive) == 0;
}

void DisplayFont::Install(const QString &programFolder, const FontExistsCheck &fontExists)
{
    DebugLog(QStringLiteral("Checking for QPZ-Font"));
    const bool known = fontExists ? fontExists(FamilyName) : FamilyInstalled(FamilyName);
    if (known)
        return;

    const QString path = QDir(programFolder).filePath(FileName);
    if (!QFileInfo(path).isFile()) {
        ShowMessage(MessageIcon::Exclamation,
                    QStringLiteral("Die Schriftart-Datei '%1' konnte nicht im Programmverzeichnis "
                                   "gefunden werden.")
                        .arg(FileName));
        return;
    }
    DebugLog(QStringLiteral("Trying to install QPZ-Font"));
    m_fontId = QFontDatabase::addApplicationFont(path);
    if (m_fontId < 0) {
        // A damaged file: the generators fall back to whatever font the system substitutes.
        ReportStatus(
            QStringLiteral("Die Schriftart-Datei '%1' konnte nicht geladen werden.").arg(FileName));
        return;
    }
    DebugLog(QStringLiteral("Installed QPZ-Font"));
}

void DisplayFont::Remove()
{
    if (!FontAdded())
        return;
    QFontDatabase::removeApplicationFont(m_fontId);
    m_fontId = -1;
}
