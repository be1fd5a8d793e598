#include "movies/PlayMovie.h"

#include "config/ConfigRecord.h"
#include "display/modQuarnoleds.h"
#include "log/DebugLog.h"
#include "movies/modQLM.h"
#include "playback/PlaybackFlags.h"
#include "timing/Pacing.h"
#include "util/TextNumbers.h"

#include <QCoreApplication>
#include <QDir>

namespace {
MovieInfoSink *movieInfoSink = nullptr;

bool Aborted()
{
    return AbortItem;
}
} // namespace

double BoostFactor(int Boost)
{
    return Boost > 0 ? 1.0 - Boost / 200.0 : 1.0 - Boost / 100.0;
}

void SetMovieInfoSink(MovieInfoSink *sink)
{
    movieInfoSink = sink;
}

void ShowMovieInfo(const QString &text)
{
    if (movieInfoSink)
        movieInfoSink->ShowMovieInfo(text);
}

MovieOutcome PlayMovie(const QString &Name, int Boost, int Repetitions)
{
    AbortItem = false;
    const QString path = QDir::isAbsolutePath(Name) ? Name : AddBackslash(Config.MoviesDir) + Name;

    QString error;
    if (!LoadMovie(path, &error)) {
        // An unattended show must go on: the news goes to the status bar, not into a dialog.
        ReportStatus(QStringLiteral("Film konnte nicht gelesen werden: %1 (%2)").arg(path, error));
        return MovieOutcome::Unreadable;
    }
    ShowMovieInfo(MovieComment);
    if (Repetitions <= 0)
        return MovieOutcome::NothingToPlay;
    if (MovieFrameCount == 0) {
        // Every repetition would only arm the transition again; it stays armed for whoever
        // delivers the next frame.
        TransitionPending = true;
        return MovieOutcome::NothingToPlay;
    }

    const double factor = BoostFactor(Boost);
    FramePacer pacer;
    for (qint64 repetition = 1; repetition <= Repetitions; ++repetition) {
        TransitionPending = true;
        for (int f = 1; f <= MovieFrameCount; ++f) {
            pacer.BeginFrame();
            // A play started from an event handled below (the test play) may have loaded a
            // shorter movie meanwhile.
            if (f > MovieFrameCount)
                break;
            CurrentFrame = MovieFrames[f];
            OutputFrame(false, false);
            QCoreApplication::processEvents();
            if (AbortItem)
                return MovieOutcome::Played;
            if (f > MovieFrameCount)
                break; // a nested play replaced the movie while events were handled
            const double displayMs = MovieDurations[size_t(f)] * factor;
            if (displayMs > 0)
                pacer.WaitFrameEnd(displayMs, Aborted);
            // The wait handles events too: a stop seen there must not let one more frame out.
            if (AbortItem)
                return MovieOutcome::Played;
        }
    }
    return MovieOutcome::Played;
}
