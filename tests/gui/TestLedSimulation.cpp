#include "Recorders.h"

#include "config/ConfigRecord.h"
#include "display/modQuarnoleds.h"
#include "gui/LedSimulation.h"
#include "gui/OleColors.h"
#include "gui/frmMain.h"
#include "playback/PlaylistRunner.h"
#include "playlists/PlaylistModel.h"

#include <QApplication>
#include <QGroupBox>
#include <QPalette>
#include <QTest>

class TestLedSimulation : public QObject
{
    Q_OBJECT

    PlaylistModel playlist;
    PlaylistRunner runner {playlist};
    frmMain *window = nullptr;
    LedSimulation *leds = nullptr;

private slots:
    void init()
    {
        SetDefaultConfigWithSimulation();
        CurrentFrame.Clear();
        window = new frmMain(runner);
        window->resize(900, 600);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        leds = window->findChild<LedSimulation *>("picLEDs");
        QVERIFY(leds);
    }
    void cleanup() { delete window; }

    void emulationFrameCarriesCaptionAndTooltip()
    {
        auto *frame = window->findChild<QGroupBox *>("fraEmulation");
        QVERIFY(frame);
        QCOMPARE(frame->title(), QString("Emulation"));
        QCOMPARE(frame->toolTip(), QString("Klicken Sie in eines der Felder um die entsprechende "
                                           "LED ein- oder auszuschalten"));
    }

    void clickingCellsTogglesLeds_data()
    {
        QTest::addColumn<int>("cell");
        QTest::newRow("top left") << 0;
        QTest::newRow("column 1 bottom") << 7;
        QTest::newRow("middle") << 75;
        QTest::newRow("bottom right") << 143;
    }
    void clickingCellsTogglesLeds()
    {
        QFETCH(int, cell);
        const QColor on = ToQColor(Config.LedOnColor);
        const QColor off = QGuiApplication::palette().color(QPalette::Button);
        const QPoint centre = leds->CellRect(cell).center().toPoint();

        QTest::mouseClick(leds, Qt::LeftButton, {}, centre);
        QCOMPARE(leds->CellColor(cell), on);
        QVERIFY(CurrentFrame.IsLit(cell / 8 + 1, cell % 8 + 1));
        for (int other : {0, 7, 75, 143})
            if (other != cell)
                QCOMPARE(leds->CellColor(other), off);

        QTest::mouseClick(leds, Qt::LeftButton, {}, centre);
        QCOMPARE(leds->CellColor(cell), off);
    }

    void cellsStaySquareAndEvenlySpacedAtAnySize()
    {
        for (const QSize size : {QSize(900, 600), QSize(1400, 1000)}) {
            window->resize(size);
            QApplication::processEvents();
            const QRectF first = leds->CellRect(0);
            const QRectF next = leds->CellRect(8);
            const QRectF below = leds->CellRect(1);
            QVERIFY(qFuzzyCompare(first.width(), first.height()));
            QVERIFY(qFuzzyCompare(next.left() - first.left(), below.top() - first.top()));
            QVERIFY(first.width() >= 200.0 / 15.0 - 0.01);
            QVERIFY(leds->rect().toRectF().contains(leds->CellRect(143)));
        }
        // Between two cells nothing is hit.
        const QPointF gap(leds->CellRect(0).right() + 1, leds->CellRect(0).center().y());
        QCOMPARE(leds->CellAt(gap), -1);
    }

    void colourSettingsApplyWithTheNextFrame()
    {
        Config.LedOnColor = 0x00FF00; // green as 0x00BBGGRR
        Config.LedOffColor = 0x000080;
        CurrentFrame.Set(1, 1, true);
        OutputFrame(false, false);
        QCOMPARE(leds->CellColor(0), QColor(0, 255, 0));
        QCOMPARE(leds->CellColor(1), QColor(128, 0, 0));
    }

    void minimizedWindowKeepsOldColours()
    {
        window->showMinimized();
        QApplication::processEvents();
        if (!window->isMinimized())
            QSKIP("the platform does not minimize windows");
        CurrentFrame.Set(1, 1, true);
        OutputFrame(false, false);
        QCOMPARE(leds->CellColor(0), QGuiApplication::palette().color(QPalette::Button));
    }
};

QTEST_MAIN(TestLedSimulation)
#include "TestLedSimulation.moc"
