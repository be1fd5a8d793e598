#include "PlaybackFixture.h"

#include "config/ConfigRecord.h"
#include "movies/PlayMovie.h"
#include "movies/modQLM.h"
#include "playback/PlaybackFlags.h"
#include "playback/PlaylistRunner.h"
#include "util/Rnd.h"
#include "playback/TimedLoop.h"
#include "playback/modMain.h"
#include "playlists/EditorValues.h"
#include "playlists/PlaylistFile.h"
#include "playlists/PlaylistModel.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <set>

namespace {

PlaylistEntry MovieRow(const QString &file, const QString &transition = QStringLiteral("[Kein]"))
{
    PlaylistEntry entry;
    entry.Filename = file;
    entry.Repetitions = QStringLiteral("1");
    entry.Boost = QStringLiteral("0%");
    entry.Transition = transition;
    return entry;
}

// Replays the given numbers as the random source, the last one forever.
void UseRandomNumbers(QList<double> numbers)
{
    SetRndSource(
        [numbers, i = 0]() mutable { return numbers[std::min<int>(i++, numbers.size() - 1)]; });
}

std::vector<int> MoviesPlayed(const RecordingSimulation &simulation)
{
    std::vector<int> movies;
    for (const LedFrame &frame : simulation.Frames)
        movies.push_back(MovieOf(frame));
    return movies;
}

} // namespace

class TestPlayback : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        SetDefaultConfigWithSimulation();
        Config.MoviesDir = m_movies.Path();
        CurrentPlaylistPath.clear();
        StopPlaylist = AbortItem = NextRequested = NextMovieRequested = StopEntry = false;
        TransitionPending = false;
        TransitionType = 0;
        SetRndSource({});
    }

    void initTestCase()
    {
        m_movies.AddMovie(QStringLiteral("a"), 1);
        m_movies.AddMovie(QStringLiteral("b"), 2);
        m_movies.AddMovie(QStringLiteral("c"), 3);
        m_movies.AddMovie(QStringLiteral("long"), 4, 20, 40);
    }

    void dispatch_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("shown");
        QTest::newRow("movie file") << "a.qlm" << true;
        QTest::newRow("random movie") << "[shuffledir]" << true;
        QTest::newRow("clock") << "[clock 1]" << true;
        QTest::newRow("scroll text") << "[scroll|Hallo|R->L|200|QPZ, 6pt, N]" << true;
        QTest::newRow("vu meter") << "[vumeter]" << false;
        QTest::newRow("spectrum analyzer") << "[spectrumanalyzer]" << false;
        QTest::newRow("web gallery") << "[shuffleweb]" << false;
        QTest::newRow("unknown special name") << "[nothing]" << false;
        QTest::newRow("clock inside a movie name is a movie") << "x[clock 1]" << false;
    }

    void dispatch()
    {
        QFETCH(QString, name);
        QFETCH(bool, shown);
        RecordingSimulation simulation;
        RecordingStatus status;
        // A timed entry of half a second ends with the first tick of its timer.
        QCOMPARE(PlayEntry(name, QStringLiteral("0.5s"), 1, 0, 4), shown);
        QCOMPARE(TransitionType, quint8(4));
        QCOMPARE(simulation.Frames.empty(), !shown);
        // A pending transition that nothing consumed waits for the next entry's first frame.
        QCOMPARE(TransitionPending, !shown);
        QCOMPARE(status.Lines.size(), name.startsWith(u'x') ? 1 : 0);
    }

    void movieFilesBesideThePlaylist()
    {
        MovieFolder shipped;
        shipped.AddMovie(QStringLiteral("shipped"), 5);
        shipped.AddMovie(QStringLiteral("a"), 6);
        CurrentPlaylistPath = shipped.Path() + QStringLiteral("/demo.qpp");
        // The movies folder comes first; the playlist's folder when the file is not there.
        QCOMPARE(ResolveMovieName(QStringLiteral("a.qlm")), QStringLiteral("a.qlm"));
        QCOMPARE(ResolveMovieName(QStringLiteral("shipped.qlm")),
                 shipped.Path() + QStringLiteral("/shipped.qlm"));
        QCOMPARE(ResolveMovieName(QStringLiteral("none.qlm")), QStringLiteral("none.qlm"));
        QCOMPARE(ResolveMovieName(QStringLiteral("/x/a.qlm")), QStringLiteral("/x/a.qlm"));
    }

    void randomMovies()
    {
        RecordingSimulation simulation;
        // Files in name order: a, b, c, long.
        UseRandomNumbers({ 0.5, 0.0, 0.5 });
        QVERIFY(PlayRandomMovies(0, 3));
        QCOMPARE(MoviesPlayed(simulation), (std::vector<int> { 3, 1, 3 }));

        // The next-movie button skips only the current movie.
        simulation.Frames.clear();
        UseRandomNumbers({ 0.99, 0.0 });
        simulation.OnFrame = [&](const LedFrame &) {
            if (simulation.Frames.size() == 2) {
                NextMovieRequested = true;
                AbortItem = true;
            }
        };
        QVERIFY(PlayRandomMovies(0, 2));
        QCOMPARE(MoviesPlayed(simulation), (std::vector<int> { 4, 4, 1 }));
        QVERIFY(!NextMovieRequested);

        // A folder without movies, and one whose movies show nothing, end at once.
        MovieFolder empty;
        Config.MoviesDir = empty.Path();
        QVERIFY(!PlayRandomMovies(0, 5));
        empty.Write(QStringLiteral("e1.qlm"), "#name = no frames\n");
        empty.Write(QStringLiteral("e2.qlm"), "");
        QVERIFY(!PlayRandomMovies(0, 2'000'000'000));
    }

    void entryTimerCountsDown_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QList<int>>("intervals"); // the interval after each tick
        QTest::newRow("2.5 s") << 2.5 << QList<int> { 1000, 500, 1000 };
        QTest::newRow("3 s") << 3.0 << QList<int> { 1000, 1000, 1000 };
        QTest::newRow("0.5 s ends with the first tick") << 0.5 << QList<int> { 1000 };
    }

    void entryTimerCountsDown()
    {
        QFETCH(double, seconds);
        QFETCH(QList<int>, intervals);
        EntryDuration = seconds;
        timNextEntry().start();
        for (int tick = 0; tick < intervals.size(); ++tick) {
            QVERIFY(!StopEntry);
            NextEntryTick();
            QCOMPARE(timNextEntry().interval(), intervals[tick]);
        }
        QVERIFY(StopEntry);
        QVERIFY(!timNextEntry().isActive());
    }

    void timedLoop()
    {
        RecordingSimulation simulation;
        int drawn = 0;
        const FrameDrawer draw = [&drawn] { CurrentFrame.Set(1, 1, ++drawn % 2); };

        // An item aborted before it started still shows one frame.
        AbortItem = true;
        RunTimedLoop(QStringLiteral("10s"), 5, draw);
        QCOMPARE(drawn, 1);

        // A duration below one second ends with the timer's first tick.
        AbortItem = false;
        timNextEntry().stop();
        timNextEntry().setInterval(1000);
        RunTimedLoop(QStringLiteral("0.2s"), 50, draw);
        QVERIFY(StopEntry);
        QVERIFY(drawn > 5);
        QCOMPARE(simulation.Frames.size(), size_t(drawn));
    }

    void runnerEmptyAndUncheckedLists()
    {
        PlaylistModel playlist;
        PlaylistRunner runner(playlist);
        QSignalSpy states(&runner, &PlaylistRunner::PlayingChanged);
        runner.TogglePlay();
        QCOMPARE(states.size(), 2);
        QVERIFY(!runner.IsPlaying());

        // Unchecked rows are passed over once, also with repeat on.
        RecordingSimulation simulation;
        for (const char *file : { "a.qlm", "b.qlm" }) {
            PlaylistEntry row = MovieRow(QLatin1String(file));
            row.Checked = false;
            playlist.Append(row);
        }
        playlist.SetRepeat(true);
        runner.TogglePlay();
        QVERIFY(simulation.Frames.empty());
        QVERIFY(playlist.AllPlayed());
        QVERIFY(StopPlaylist);
    }

    void runnerOrderShuffleAndRepeat()
    {
        PlaylistModel playlist;
        PlaylistRunner runner(playlist);
        RecordingSimulation simulation;
        for (const char *file : { "a.qlm", "b.qlm", "c.qlm" })
            playlist.Append(MovieRow(QLatin1String(file)));
        playlist.SetRepeat(false);
        runner.TogglePlay();
        QCOMPARE(MoviesPlayed(simulation), (std::vector<int> { 1, 2, 3 }));

        // Shuffled: every row once per pass, a new order each pass; stopped in pass three.
        simulation.Frames.clear();
        playlist.SetShuffle(true);
        playlist.SetRepeat(true);
        UseRandomNumbers({ 0.9, 0.9, 0.1, 0.9, 0.5, 0.1, 0.5, 0.9, 0.1 });
        simulation.OnFrame = [&](const LedFrame &) {
            if (simulation.Frames.size() == 7)
                runner.TogglePlay();
        };
        runner.TogglePlay();
        std::vector<int> played = MoviesPlayed(simulation);
        QCOMPARE(played.back(), 0); // the stop made the display dark
        played.pop_back();
        QCOMPARE(played, (std::vector<int> { 3, 1, 2, 1, 2, 3, 1 }));
        QVERIFY(!runner.IsPlaying());
    }

    void runnerTransitionCarriesOver()
    {
        PlaylistModel playlist;
        PlaylistRunner runner(playlist);
        playlist.Append(MovieRow(QStringLiteral("a.qlm"), QStringLiteral("Einzelne Pixel")));
        playlist.Append(MovieRow(QStringLiteral("b.qlm"), QStringLiteral("no such transition")));
        playlist.Append(MovieRow(QStringLiteral("c.qlm"), QStringLiteral("[Kein]")));
        playlist.SetRepeat(false);
        RecordingSimulation simulation;
        QMap<QString, int> typeOfMovie;
        simulation.OnFrame = [&](const LedFrame &) { typeOfMovie[MovieComment] = TransitionType; };
        runner.TogglePlay();
        QCOMPARE(typeOfMovie.value(QStringLiteral("name = a\r\n")), 5);
        QCOMPARE(typeOfMovie.value(QStringLiteral("name = b\r\n")), 5);
        QCOMPARE(typeOfMovie.value(QStringLiteral("name = c\r\n")), 0);
    }

    void runnerNextAndStop()
    {
        PlaylistModel playlist;
        PlaylistRunner runner(playlist);
        playlist.Append(MovieRow(QStringLiteral("long.qlm")));
        playlist.Append(MovieRow(QStringLiteral("b.qlm")));
        playlist.SetRepeat(false);
        RecordingSimulation simulation;
        simulation.OnFrame = [&](const LedFrame &) {
            if (simulation.Frames.size() == 2)
                QTimer::singleShot(0, &runner, &PlaylistRunner::RequestNext);
        };
        runner.TogglePlay();
        QCOMPARE(MoviesPlayed(simulation), (std::vector<int> { 4, 4, 2 }));
        QVERIFY(!NextRequested);

        // Stop: the display goes dark at once and the loop ends after the current frame.
        simulation.Frames.clear();
        playlist.SetRepeat(true);
        simulation.OnFrame = [&](const LedFrame &) {
            if (simulation.Frames.size() == 3)
                QTimer::singleShot(0, &runner, &PlaylistRunner::TogglePlay);
        };
        runner.TogglePlay();
        QCOMPARE(MoviesPlayed(simulation), (std::vector<int> { 4, 4, 4, 0 }));
        QVERIFY(!runner.IsPlaying());
    }

    void runnerWaitsWhenNothingCanBePlayed()
    {
        PlaylistModel playlist;
        PlaylistRunner runner(playlist);
        playlist.Append(MovieRow(QStringLiteral("missing1.qlm")));
        playlist.Append(MovieRow(QStringLiteral("[unknown]")));
        playlist.SetRepeat(true);
        RecordingStatus status;
        QTimer::singleShot(300, &runner, &PlaylistRunner::TogglePlay);
        runner.TogglePlay();
        // One pass, then the wait that the stop ended: no second pass.
        QCOMPARE(status.Lines.size(), 2);
        QVERIFY(status.Lines[0].contains(QStringLiteral("missing1.qlm")));
        QCOMPARE(status.Lines[1],
                 QStringLiteral("Kein Eintrag der Playlist konnte abgespielt werden."));
        QVERIFY(!runner.IsPlaying());
    }

    void testPlayNestedInPlaylist()
    {
        PlaylistModel playlist;
        PlaylistRunner runner(playlist);
        playlist.Append(MovieRow(QStringLiteral("long.qlm")));
        playlist.Append(MovieRow(QStringLiteral("a.qlm")));
        playlist.SetRepeat(false);
        QSignalSpy testStates(&runner, &PlaylistRunner::TestPlayingChanged);
        EditorValues editor;
        editor.MovieText = QStringLiteral("c (c.qlm)");
        editor.RepetitionsText = QStringLiteral("2x");
        editor.TransitionText = QStringLiteral("[Kein]");
        RecordingSimulation simulation;
        simulation.OnFrame = [&](const LedFrame &) {
            if (simulation.Frames.size() == 2)
                QTimer::singleShot(0, &runner, [&] { runner.ToggleTestPlay(editor); });
        };
        runner.TogglePlay();
        // The test play runs inside the movie; the movie store it left behind is shorter, so
        // the interrupted movie ends and the playlist goes on.
        QCOMPARE(MoviesPlayed(simulation), (std::vector<int> { 4, 4, 3, 3, 1 }));
        QCOMPARE(testStates.size(), 2);
        QVERIFY(!runner.IsTestPlaying());
    }

private:
    MovieFolder m_movies;
};

QTEST_MAIN(TestPlayback)
#include "TestPlayback.moc"
