#include "Recorders.h"

#include "config/ConfigRecord.h"
#include "movies/MovieList.h"
#include "movies/PlayMovie.h"
#include "movies/modQLM.h"
#include "playback/PlaybackFlags.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QByteArray AllDark(18, '0');
const QByteArray AllLit(18, '1');

// Eight rows, the given ones first, the rest dark, each ended by lineEnd.
QByteArray Frame(int ms, QList<QByteArray> rows, const QByteArray &lineEnd = "\n")
{
    while (rows.size() < 8)
        rows.append(AllDark);
    QByteArray text = '@' + QByteArray::number(ms) + lineEnd;
    for (const QByteArray &row : rows)
        text += row + lineEnd;
    return text;
}

QString RowOf(const LedFrame &frame, int row)
{
    QString text;
    for (int column = 1; column <= LedFrame::Columns; ++column)
        text += frame.IsLit(column, row) ? u'1' : u'0';
    return text;
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

class MovieInfoRecorder : public MovieInfoSink
{
public:
    MovieInfoRecorder() { SetMovieInfoSink(this); }
    ~MovieInfoRecorder() override { SetMovieInfoSink(nullptr); }
    void ShowMovieInfo(const QString &text) override { Shown.append(text); }
    QStringList Shown;
};

} // namespace

class TestMovies : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        SetDefaultConfigWithSimulation();
        AbortItem = false;
        TransitionPending = false;
        TransitionType = 0;
    }

    void lineEndsLoadAlike()
    {
        const QByteArray body = "# name = Test\n" + Frame(40, { AllLit, "010101010101010101" })
            + Frame(60, { AllDark, AllLit });
        QVERIFY(LoadMovieData(body));
        const std::vector<qint32> durations = MovieDurations;
        const LedFrame first = MovieFrames[1];
        const LedFrame second = MovieFrames[2];
        for (const char *lineEnd : { "\r\n", "\r", "\n\n\r\n" }) {
            QByteArray other = body;
            other.replace("\n", lineEnd);
            QVERIFY(LoadMovieData(other));
            QCOMPARE(MovieFrameCount, 2);
            QCOMPARE(MovieDurations, durations);
            QVERIFY(MovieFrames[1] == first);
            QVERIFY(MovieFrames[2] == second);
            QCOMPARE(MovieComment, QStringLiteral(" name = Test\r\n"));
        }
        QCOMPARE(RowOf(first, 2), QStringLiteral("010101010101010101"));
    }

    void rowLines_data()
    {
        QTest::addColumn<QByteArray>("rows");
        QTest::addColumn<QStringList>("expected"); // rows 1..8
        const QString dark(18, u'0');
        QTest::newRow("four ones light the whole row")
            << QByteArray("1111\n") << QStringList { QString(18, u'1') };
        QTest::newRow("four zeros darken only their columns")
            << QByteArray("0000\n") << QStringList { QStringLiteral("000011111111111111") };
        QTest::newRow("any other character lights")
            << QByteArray("0x0 0#0.000000000000000\n")
            << QStringList { QStringLiteral("010101010000000000") };
        QTest::newRow("characters after 18 are ignored")
            << QByteArray("00000000000000000011111\n") << QStringList { dark };
        QStringList nine(7, dark);
        nine.append(QString(18, u'1'));
        QTest::newRow("a ninth row replaces row 8")
            << QByteArray(QByteArray(AllDark + '\n').repeated(8) + AllLit + '\n') << nine;
        QTest::newRow("a last row without line end is lost")
            << QByteArray("000000000000000000\n1") << QStringList { dark, dark };
        QTest::newRow("other lines are ignored")
            << QByteArray("x111\n 111\n000000000000000000\n") << QStringList { dark, dark };
    }

    void rowLines()
    {
        QFETCH(QByteArray, rows);
        QFETCH(QStringList, expected);
        QVERIFY(LoadMovieData("@10\n" + rows));
        QCOMPARE(MovieFrameCount, 1);
        for (int row = 1; row <= expected.size(); ++row)
            QCOMPARE(RowOf(MovieFrames[1], row), expected[row - 1]);
    }

    void displayTimes_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("ms");
        QTest::newRow("half down to even") << QByteArray("@12.5") << 12;
        QTest::newRow("half up to even") << QByteArray("@13.5") << 14;
        QTest::newRow("nothing") << QByteArray("@") << 0;
        QTest::newRow("blank and unit") << QByteArray("@ 250ms") << 250;
        QTest::newRow("negative") << QByteArray("@-40") << -40;
        QTest::newRow("huge is clamped") << QByteArray("@99999999999999") << 2147483647;
    }

    void displayTimes()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, ms);
        QVERIFY(LoadMovieData(line + '\n' + AllLit + '\n'));
        QCOMPARE(MovieDurations.at(1), ms);
    }

    void storeEdgeCases()
    {
        // Rows before the first "@" belong to no frame; without "@" there are no frames.
        QVERIFY(LoadMovieData("#c1\n111\n#c2\n"));
        QCOMPARE(MovieFrameCount, 0);
        QCOMPARE(MovieComment, QStringLiteral("c1\r\nc2\r\n"));

        // Comments are Windows-1252 text.
        QVERIFY(LoadMovieData("#Gr\xfc\xdf\x80\n"));
        QCOMPARE(MovieComment, QStringLiteral("Grüß€\r\n"));

        // A frame with fewer rows than eight is dark below them, whatever was loaded before.
        QVERIFY(LoadMovieData(
            Frame(10, { AllLit, AllLit, AllLit, AllLit, AllLit, AllLit, AllLit, AllLit })));
        QVERIFY(LoadMovieData("@10\n" + AllLit + '\n'));
        QCOMPARE(RowOf(MovieFrames[1], 2), QString(18, u'0'));

        // An empty path keeps the store; a missing file fails and keeps it too.
        QVERIFY(LoadMovie(QString()));
        QCOMPARE(MovieFrameCount, 1);
        QString error;
        QVERIFY(!LoadMovie(QStringLiteral("/nonexistent/x.qlm"), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(MovieFrameCount, 1);
    }

    void hostileFilesStayBounded()
    {
        // A comment line of a million characters, then a frame: the frame is intact.
        QByteArray text = '#' + QByteArray(1'000'000, 'x') + "\n@20\n" + AllLit + '\n';
        QVERIFY(LoadMovieData(text));
        QCOMPARE(MovieFrameCount, 1);
        QCOMPARE(MovieComment.size(), MaxMovieLineLength - 1 + 2);

        // Endless comments stop growing the comment.
        QVERIFY(LoadMovieData(QByteArray('#' + QByteArray(1000, 'c') + '\n').repeated(200)));
        QVERIFY(MovieComment.size() < MaxMovieCommentLength + MaxMovieLineLength + 2);

        // More frames than the cap: the rest is ignored.
        QVERIFY(LoadMovieData(QByteArray("@1\n").repeated(MaxMovieFrames + 10)));
        QCOMPARE(MovieFrameCount, MaxMovieFrames);
        QCOMPARE(qsizetype(MovieDurations.size()), qsizetype(MaxMovieFrames) + 1);

        // Binary garbage loads as whatever lines it happens to hold.
        QByteArray garbage(256 * 1024, Qt::Uninitialized);
        quint32 seed = 12345;
        for (char &byte : garbage) {
            seed = seed * 1103515245u + 12345u;
            byte = char(seed >> 24);
        }
        QVERIFY(LoadMovieData(garbage));
        QVERIFY(MovieFrameCount >= 0);
    }

    void movieNames_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QString>("name"); // "<error>" when none can be read
        QTest::newRow("blanks, CR LF") << QByteArray("#name = Foo\r\n@1\r\n") << "Foo";
        QTest::newRow("no blanks, LF") << QByteArray("#name=Foo\n@1\n") << "Foo";
        QTest::newRow("nothing, LF") << QByteArray("#name=\n@1\n") << "[NO NAME]";
        QTest::newRow("nothing, CR LF") << QByteArray("#name=\r\n@1\r\n") << "";
        QTest::newRow("CR alone") << QByteArray("#name = Foo\r@1\r") << "Foo";
        QTest::newRow("first name has a colon")
            << QByteArray("#name: Foo\n#title = Bar\n") << "Bar";
        QTest::newRow("case-sensitive") << QByteArray("#Name = Foo\n") << "film.qlm";
        QTest::newRow("no line end") << QByteArray("#name = Foo") << "<error>";
        QTest::newRow("beyond 200 bytes")
            << QByteArray(QByteArray(200, ' ') + "#name = Foo\n") << "film.qlm";
    }

    void movieNames()
    {
        QFETCH(QByteArray, head);
        QFETCH(QString, name);
        const std::optional<QString> read = MovieNameFromHead(head, QStringLiteral("film.qlm"));
        QCOMPARE(read.value_or(QStringLiteral("<error>")), name);
    }

    void movieListKeys_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("key"); // "<none>" without a key
        QTest::newRow("movie") << "Herz (herz.qlm)"
                               << "herz.qlm";
        QTest::newRow("built-in") << "Digitaluhr ([clock 1])"
                                  << "[clock 1]";
        QTest::newRow("file name with (") << "X (a(b).qlm)"
                                          << "b).qlm";
        QTest::newRow("separator") << QString(20, u'=') << "<none>";
        QTest::newRow("empty") << QString() << "<none>";
    }

    void movieListKeys()
    {
        QFETCH(QString, item);
        QFETCH(QString, key);
        QCOMPARE(MovieListKey(item).value_or(QStringLiteral("<none>")), key);
    }

    void panelsAndBoost()
    {
        QCOMPARE(PanelForKey(QStringLiteral("[scroll]")), EditorPanel::Scroll);
        for (const char *key : { "[vumeter]", "[spectrumanalyzer]", "[clock 1]", "[clock 2]" })
            QCOMPARE(PanelForKey(QLatin1String(key)), EditorPanel::Duration);
        for (const char *key : { "herz.qlm", "[shuffledir]", "[shuffleweb]" })
            QCOMPARE(PanelForKey(QLatin1String(key)), EditorPanel::Movie);

        QCOMPARE(BoostFactor(100), 0.5);
        QCOMPARE(BoostFactor(50), 0.75);
        QCOMPARE(BoostFactor(0), 1.0);
        QCOMPARE(BoostFactor(-50), 1.5);
        QCOMPARE(BoostFactor(-100), 2.0);
        QVERIFY(BoostFactor(250) < 0);
    }

    void movieList()
    {
        QTemporaryDir folder;
        Config.MoviesDir = folder.path();
        RecordingMessages messages;

        MovieListItems();
        QCOMPARE(messages.Texts,
                 QStringList { QStringLiteral("Movies-Verzeichnis nicht gefunden!") });

        QVERIFY(WriteFile(folder.filePath("b.qlm"), "#name = Beta\n"));
        QVERIFY(WriteFile(folder.filePath("a.qlm"), "#no title here\n"));
        QVERIFY(WriteFile(folder.filePath("broken.qlm"), "#name = never ends"));
        QVERIFY(WriteFile(folder.filePath("notes.txt"), "#name = Text\n"));
        const QStringList items = MovieListItems();
        QCOMPARE(messages.Texts.size(), 1);
        QCOMPARE(items.size(), 10);
        QCOMPARE(items.mid(0, 8), BuiltInMovieListItems());
        QCOMPARE(items[8], QStringLiteral("a.qlm (a.qlm)"));
        QCOMPARE(items[9], QStringLiteral("Beta (b.qlm)"));
    }

    void playMovieDeliversRepetitions()
    {
        QTemporaryDir folder;
        Config.MoviesDir = folder.path();
        QVERIFY(WriteFile(folder.filePath("two.qlm"),
                          "#name = Two\n" + Frame(5, { AllLit }) + Frame(5, { AllDark, AllLit })));
        RecordingSimulation simulation;
        MovieInfoRecorder info;

        // Each repetition runs the entry's wipe (18 steps) before its first frame.
        TransitionType = 1;
        QCOMPARE(PlayMovie(QStringLiteral("two.qlm"), 0, 2), MovieOutcome::Played);
        QCOMPARE(info.Shown, QStringList { QStringLiteral("name = Two\r\n") });
        QCOMPARE(simulation.Frames.size(), size_t(2 * (18 + 2)));
        QCOMPARE(RowOf(simulation.Frames[18], 1), QString(18, u'1'));
        QCOMPARE(RowOf(simulation.Frames[20 + 19], 2), QString(18, u'1'));
        QVERIFY(!TransitionPending);

        // No repetitions: loaded and shown, nothing delivered, no transition consumed.
        simulation.Frames.clear();
        TransitionPending = false;
        QCOMPARE(PlayMovie(folder.filePath("two.qlm"), 0, 0), MovieOutcome::NothingToPlay);
        QVERIFY(simulation.Frames.empty());
        QVERIFY(!TransitionPending);
        QCOMPARE(info.Shown.size(), 2);

        // No frames: the transition stays armed for the next delivery.
        QVERIFY(WriteFile(folder.filePath("empty.qlm"), "#name = Empty\n"));
        QCOMPARE(PlayMovie(QStringLiteral("empty.qlm"), 0, 3), MovieOutcome::NothingToPlay);
        QVERIFY(simulation.Frames.empty());
        QVERIFY(TransitionPending);
    }

    void unreadableMovieIsReportedNotShownModally()
    {
        QTemporaryDir folder;
        Config.MoviesDir = folder.path();
        RecordingStatus status;
        RecordingMessages messages;
        RecordingSimulation simulation;
        QCOMPARE(PlayMovie(QStringLiteral("missing.qlm"), 0, 1), MovieOutcome::Unreadable);
        QCOMPARE(status.Lines.size(), 1);
        QVERIFY(status.Lines[0].contains(QStringLiteral("missing.qlm")));
        QVERIFY(messages.Texts.isEmpty());
        QVERIFY(simulation.Frames.empty());
    }

    void abortDuringWaitStopsBeforeNextFrame()
    {
        QTemporaryDir folder;
        Config.MoviesDir = folder.path();
        QByteArray movie;
        for (int i = 0; i < 50; ++i)
            movie += Frame(100, { AllLit });
        QVERIFY(WriteFile(folder.filePath("long.qlm"), movie));
        RecordingSimulation simulation;
        // Raised while the first frame is being shown; the display is made dark by the stop.
        QTimer::singleShot(30, [] {
            AbortItem = true;
            CurrentFrame.Clear();
            OutputFrame(false, false);
        });
        QCOMPARE(PlayMovie(QStringLiteral("long.qlm"), 0, 100), MovieOutcome::Played);
        QCOMPARE(simulation.Frames.size(), size_t(2));
        QVERIFY(simulation.Frames.back() == LedFrame {});
    }

    void nestedPlayOfShorterMovie()
    {
        QTemporaryDir folder;
        Config.MoviesDir = folder.path();
        QByteArray longMovie;
        for (int i = 0; i < 5; ++i)
            longMovie += Frame(20, { AllLit });
        QVERIFY(WriteFile(folder.filePath("long.qlm"), longMovie));
        QVERIFY(WriteFile(folder.filePath("short.qlm"), Frame(1, { AllDark, AllLit })));
        RecordingSimulation simulation;
        bool nested = false;
        simulation.OnFrame = [&](const LedFrame &) {
            if (!nested && simulation.Frames.size() == 2) {
                nested = true;
                QTimer::singleShot(0, [] { PlayMovie(QStringLiteral("short.qlm"), 0, 1); });
            }
        };
        QCOMPARE(PlayMovie(QStringLiteral("long.qlm"), 0, 1), MovieOutcome::Played);
        // Two outer frames, the nested one, then the outer play sees the shorter store and ends.
        QCOMPARE(simulation.Frames.size(), size_t(3));
        QCOMPARE(RowOf(simulation.Frames[2], 2), QString(18, u'1'));
    }
};

QTEST_GUILESS_MAIN(TestMovies)
#include "TestMovies.moc"
