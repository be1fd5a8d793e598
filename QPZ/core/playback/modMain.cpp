#include "playback/modMain.h"

#include "config/ConfigRecord.h"
#include "display/modQuarnoleds.h"
#include "generators/modClock.h"
#include "movies/MovieList.h"
#include "movies/PlayMovie.h"
#include "playback/PlaybackFlags.h"
#include "util/Rnd.h"
#include "playback/TimedLoop.h"
#include "playlists/PlaylistFile.h"
#include "text/ScrollEntry.h"
#include "util/TextNumbers.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A clock shows a new frame twice a second, so its colon blinks with the seconds.
constexpr double ClockPeriodMs = 500;

// The producers that other parts of the player provide end at once until they are plugged in
// here; they show nothing.
bool NothingToShow()
{
    return false;
}

} // namespace

QString ResolveMovieName(const QString &Name)
{
    if (QDir::isAbsolutePath(Name) || CurrentPlaylistPath.isEmpty())
        return Name;
    if (QFileInfo::exists(AddBackslash(Config.MoviesDir) + Name))
        return Name;
    const QString besidePlaylist = QFileInfo(CurrentPlaylistPath).dir().filePath(Name);
    return QFileInfo::exists(besidePlaylist) ? besidePlaylist : Name;
}

bool PlayRandomMovies(int Boost, int Repetitions)
{
    Randomize();
    QStringList files = MovieFilesIn(Config.MoviesDir);
    bool shownAny = false;
    for (qint64 played = 0; played < Repetitions && !files.isEmpty(); ++played) {
        const int pick = int(Rnd() * files.size());
        const QString path = AddBackslash(Config.MoviesDir) + files[pick];
        const MovieOutcome outcome = PlayMovie(path, Boost, 1);
        if (outcome == MovieOutcome::Played) {
            shownAny = true;
        } else {
            // A movie that cannot show anything is not drawn again in this entry, so a folder
            // of broken files ends the entry instead of spinning through its repetitions.
            files.removeAt(pick);
        }
        if (NextMovieRequested) {
            NextMovieRequested = false; // only this movie was skipped
            AbortItem = false;
        }
        if (AbortItem)
            break;
    }
    return shownAny;
}

bool PlayEntry(const QString &Name, const QString &Duration, int Repetitions,
               int Boost, quint8 Transition)
{
    TransitionType = Transition;
    TransitionPending = true;
    ShowMovieInfo(QString());

    if (!Name.startsWith(u'['))
        return PlayMovie(ResolveMovieName(Name), Boost, Repetitions) == MovieOutcome::Played;
    if (Name == QLatin1String("[shuffledir]"))
        return PlayRandomMovies(Boost, Repetitions);
    if (Name == QLatin1String("[shuffleweb]"))
        return NothingToShow();
    if (Name == QLatin1String("[spectrumanalyzer]"))
        return NothingToShow();
    if (Name == QLatin1String("[vumeter]"))
        return NothingToShow();
    if (Name.contains(QLatin1String("[scroll|")))
        return PlayScrollEntry(Name);
    if (Name.contains(QLatin1String("[clock"))) {
        // "[clock 1]" is the digital clock, "[clock 2]" the binary one.
        const auto clockType = quint8(LenientInt(Name.right(2)));
        return RunTimedLoop(Duration, ClockPeriodMs, [clockType] { ShowClock(clockType); });
    }
    return false; // any other name in brackets names nothing
}
