#include "playlists/PlaylistFile.h"

#include "log/DebugLog.h"
#include "log/UserMessages.h"
#include "playlists/IniDocument.h"
#include "playlists/PlaylistModel.h"
#include "playlists/modINI.h"
#include "util/TextNumbers.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

QString CurrentPlaylistPath;

namespace {

const QString General = QStringLiteral("General");

QString EntrySection(int number)
{
    return QStringLiteral("Entry") + QString::number(number);
}

bool IsOn(const QString &text)
{
    return LenientNumber(text) != 0;
}

} // namespace

bool LoadPlaylist(PlaylistModel &playlist, const QString &Path)
{
    if (!QFileInfo(Path).isFile())
        return false;

    IniDocument file;
    QString error;
    if (!file.Load(Path, &error))
        ReportStatus(
            QStringLiteral("Playlist konnte nicht gelesen werden: %1 (%2)").arg(Path, error));

    const int count = LenientInt(ReadIniValue(file, General, QStringLiteral("EntryCount"), "0"));
    const int rows = std::clamp(count, 0, MaxPlaylistEntries);
    if (count > rows) {
        ReportStatus(QStringLiteral("Die Playlist nennt %1 Einträge; geladen werden die ersten %2.")
                         .arg(count)
                         .arg(rows));
    }
    playlist.SetRepeat(IsOn(ReadIniValue(file, General, QStringLiteral("Repeat"), "1")));
    playlist.SetShuffle(IsOn(ReadIniValue(file, General, QStringLiteral("Shuffle"), "0")));

    std::vector<PlaylistEntry> entries(static_cast<size_t>(rows));
    for (int i = 1; i <= rows; ++i) {
        const QString section = EntrySection(i);
        const auto value = [&](const char *key, const char *fallback) {
            return ReadIniValue(file, section, QLatin1String(key), QLatin1String(fallback));
        };
        PlaylistEntry &entry = entries[size_t(i - 1)];
        entry.Position = QString::number(i);
        entry.Checked = IsOn(value("Checked", "1"));
        entry.Description = value("Description", "");
        entry.Duration = value("Duration", "-");
        entry.Repetitions = value("Repitions", "-");
        entry.Boost = value("Boost", "-");
        entry.Transition = value("Transition", "[Kein]");
        entry.Filename = value("Filename", "");
    }
    playlist.SetEntries(std::move(entries));
    CurrentPlaylistPath = QFileInfo(Path).absoluteFilePath();
    return true;
}

bool SavePlaylist(const PlaylistModel &playlist, const QString &Path, QString *error)
{
    if (playlist.Count() == 0)
        return false;

    IniDocument file;
    if (!file.Load(Path, error) && QFileInfo::exists(Path))
        return false; // never replace a file that could not be read

    const auto on = [](bool state) { return state ? QStringLiteral("1") : QStringLiteral("0"); };
    file.SetValue(General, QStringLiteral("Editor"),
                  AppTitle + QStringLiteral(" V") + QCoreApplication::applicationVersion());
    file.SetValue(General, QStringLiteral("Repeat"), on(playlist.Repeat()));
    file.SetValue(General, QStringLiteral("Shuffle"), on(playlist.Shuffle()));
    file.SetValue(General, QStringLiteral("EntryCount"), QString::number(playlist.Count()));
    for (int i = 1; i <= playlist.Count(); ++i) {
        const PlaylistEntry &entry = playlist.Entry(i - 1);
        const QString section = EntrySection(i);
        file.SetValue(section, QStringLiteral("Checked"),
                      entry.Checked ? QStringLiteral("-1") : QStringLiteral("0"));
        file.SetValue(section, QStringLiteral("Description"), entry.Description);
        file.SetValue(section, QStringLiteral("Duration"), entry.Duration);
        file.SetValue(section, QStringLiteral("Repitions"), entry.Repetitions);
        file.SetValue(section, QStringLiteral("Boost"), entry.Boost);
        file.SetValue(section, QStringLiteral("Transition"), entry.Transition);
        file.SetValue(section, QStringLiteral("Filename"), entry.Filename);
    }
    if (!file.Save(Path, error))
        return false;
    CurrentPlaylistPath = QFileInfo(Path).absoluteFilePath();
    return true;
}
