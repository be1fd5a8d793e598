#include "PlaybackFixture.h"

#include "config/ConfigRecord.h"
#include "gui/EntryEditor.h"
#include "gui/frmMain.h"
#include "playback/PlaybackFlags.h"
#include "playback/PlaylistRunner.h"
#include "playlists/PlaylistModel.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        SetDefaultConfigWithSimulation();
        Config.MoviesDir = m_movies.Path();
    }

    void initTestCase()
    {
        m_movies.AddMovie(QStringLiteral("a"), 1, 3, 30);
        m_movies.AddMovie(QStringLiteral("b"), 2, 3, 30);
    }

    void movieListSwitchesPanels()
    {
        PlaylistModel playlist;
        PlaylistRunner runner(playlist);
        frmMain window(runner);
        window.show();
        window.FillMovieList();
        auto *movies = window.findChild<QComboBox *>(QStringLiteral("cmbMovie"));
        QCOMPARE(movies->count(), 10);
        QCOMPARE(movies->itemText(9), QStringLiteral("b (b.qlm)"));
        auto *select = window.findChild<QLabel *>(QStringLiteral("lblSelect"));
        QVERIFY(select->isVisible());

        const auto choose = [movies](int index) {
            movies->setCurrentIndex(index);
            emit movies->activated(index);
        };
        const auto shown = [&window](const char *name) {
            return window.findChild<QWidget *>(QLatin1String(name))->isVisible();
        };
        choose(5); // Digitaluhr
        QVERIFY(!select->isVisible());
        QVERIFY(shown("picControlsDuration"));
        choose(2); // Scrolltext
        QVERIFY(shown("picControlsScroll"));
        choose(7); // the separator has no key: nothing changes
        QVERIFY(shown("picControlsScroll"));
        choose(8); // a movie
        QVERIFY(shown("picControlsMovie"));
        QVERIFY(!shown("picControlsDuration"));
    }

    void playAndStopFromTheWindow()
    {
        PlaylistModel playlist;
        PlaylistRunner runner(playlist);
        frmMain window(runner);
        window.show();
        for (const char *file : { "a.qlm", "b.qlm" }) {
            PlaylistEntry entry;
            entry.Position = QString::number(playlist.Count() + 1);
            entry.Filename = QLatin1String(file);
            entry.Repetitions = QStringLiteral("1");
            playlist.Append(entry);
        }
        auto *play = window.findChild<QPushButton *>(QStringLiteral("cmdPlayList"));
        auto *load = window.findChild<QPushButton *>(QStringLiteral("cmdLoad"));
        auto *info = window.findChild<QPlainTextEdit *>(QStringLiteral("txtMovieInfo"));
        auto *list = window.findChild<QTreeView *>(QStringLiteral("lvPlaylist"));
        QCOMPARE(list->model()->columnCount(), 7);

        bool checkedWhilePlaying = false;
        QTimer::singleShot(100, &window, [&] {
            QCOMPARE(play->text(), QStringLiteral("Stop"));
            QVERIFY(!load->isEnabled());
            QCOMPARE(info->toPlainText(), QStringLiteral("name = b\n"));
            QCOMPARE(list->currentIndex().row(), 1);
            checkedWhilePlaying = true;
            QTest::mouseClick(play, Qt::LeftButton);
        });
        QTest::mouseClick(play, Qt::LeftButton); // returns when playback has stopped
        QVERIFY(checkedWhilePlaying);
        QCOMPARE(play->text(), QStringLiteral("Wiedergabe"));
        QVERIFY(load->isEnabled());
        QVERIFY(StopPlaylist);
    }

private:
    MovieFolder m_movies;
};

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
