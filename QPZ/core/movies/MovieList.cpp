#include "movies/MovieList.h"

#include "config/ConfigRecord.h"
#include "log/UserMessages.h"
#include "movies/modQLM.h"
#include "util/TextNumbers.h"

#include <QDir>

QString GallerySiteName()
{
    return QStringLiteral("QuarnoLights-Galerie");
}

QStringList BuiltInMovieListItems()
{
    return {
        QStringLiteral("Spectrum Analyzer ([spectrumanalyzer])"),
        QStringLiteral("VU-Meter ([vumeter])"),
        QStringLiteral("Scrolltext ([scroll])"),
        QStringLiteral("Zufallsfilm aus Movie-Verzeichnis ([shuffledir])"),
        QStringLiteral("Zufallsfilm von ") + GallerySiteName() + QStringLiteral(" ([shuffleweb])"),
        QStringLiteral("Digitaluhr ([clock 1])"),
        QStringLiteral("Binäruhr ([clock 2])"),
        QString(20, u'='),
    };
}

QStringList MovieFilesIn(const QString &folder)
{
    return QDir(folder).entryList({ QStringLiteral("*.qlm") }, QDir::Files | QDir::Hidden,
                                  QDir::Name);
}

QStringList MovieListItems()
{
    QStringList items = BuiltInMovieListItems();
    const QDir folder(Config.MoviesDir);
    const bool anyFile
        = folder.exists() && !folder.entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty();
    if (!anyFile) {
        ShowMessage(MessageIcon::Information, QStringLiteral("Movies-Verzeichnis nicht gefunden!"));
        return items;
    }
    for (const QString &file : MovieFilesIn(Config.MoviesDir)) {
        // A file whose name cannot be read is left out.
        if (const auto name = GetMovieName(AddBackslash(Config.MoviesDir) + file))
            items.append(*name + QStringLiteral(" (") + file + u')');
    }
    return items;
}

std::optional<QString> MovieListKey(const QString &itemText)
{
    const qsizetype open = itemText.lastIndexOf(u'(');
    if (open < 0)
        return std::nullopt;
    return itemText.mid(open + 1, std::max<qsizetype>(0, itemText.size() - open - 2));
}

EditorPanel PanelForKey(const QString &key)
{
    if (key == QLatin1String("[scroll]"))
        return EditorPanel::Scroll;
    if (key == QLatin1String("[vumeter]") || key == QLatin1String("[spectrumanalyzer]")
        || key == QLatin1String("[clock 1]") || key == QLatin1String("[clock 2]"))
        return EditorPanel::Duration;
    return EditorPanel::Movie;
}
