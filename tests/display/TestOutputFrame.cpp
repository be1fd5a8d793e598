#include "Recorders.h"
#include "config/ConfigRecord.h"
#include "display/modQuarnoleds.h"

#include <QTest>

class TestOutputFrame : public QObject
{
    Q_OBJECT

    RecordingSimulation simulation;
    RecordingPlugins plugins {2};

private slots:
    void init()
    {
        SetDefaultConfig();
        Config.PluginActive = {true, true, true};
        CurrentFrame.Clear();
        LastFrame.Clear();
        TransitionPending = false;
        TransitionType = 0;
        simulation.Frames.clear();
        simulation.Showing = true;
        plugins.Deliveries.clear();
    }

    void deliversToEveryActiveSlotInOrderAndClears()
    {
        Config.PluginActive = {true, false, true};
        CurrentFrame.Set(3, 4, true);
        const LedFrame shown = CurrentFrame;
        OutputFrame(false, false);

        QCOMPARE(simulation.Frames.size(), size_t(1));
        QCOMPARE(simulation.Frames[0], shown);
        QCOMPARE(plugins.Deliveries.size(), size_t(1));
        QCOMPARE(plugins.Deliveries[0].Slot, 2);
        QCOMPARE(plugins.Deliveries[0].Frame, shown);
        QCOMPARE(LastFrame, shown);
        QCOMPARE(CurrentFrame, LedFrame());
    }

    void udpModeHoldsOwnFramesButNotForcedOnes()
    {
        Config.InputMode = InputModeNames[1];
        TransitionPending = true;
        CurrentFrame.Set(1, 1, true);
        const LedFrame produced = CurrentFrame;

        OutputFrame(false, false);
        QVERIFY(simulation.Frames.empty());
        QVERIFY(plugins.Deliveries.empty());
        QCOMPARE(CurrentFrame, produced);
        QCOMPARE(LastFrame, LedFrame());
        QVERIFY(TransitionPending);

        TransitionPending = false;
        OutputFrame(true, false);
        QCOMPARE(simulation.Frames.size(), size_t(1));
        QCOMPARE(plugins.Deliveries.size(), size_t(2));
    }

    void disabledOutputStillFollowsLastFrameAndKeepsCurrent()
    {
        Config.OutputEnabled = false;
        CurrentFrame.Set(2, 2, true);
        OutputFrame(false, false);
        CurrentFrame.Set(5, 5, true);
        OutputFrame(false, false);

        QVERIFY(simulation.Frames.empty());
        QVERIFY(plugins.Deliveries.empty());
        QVERIFY(CurrentFrame.IsLit(2, 2) && CurrentFrame.IsLit(5, 5));
        QCOMPARE(LastFrame, CurrentFrame);
    }

    void minimizedSimulationIsSkippedButPluginsGetTheFrame()
    {
        simulation.Showing = false;
        OutputFrame(false, false);
        QVERIFY(simulation.Frames.empty());
        QCOMPARE(plugins.Deliveries.size(), size_t(2));
    }

    void noActiveSlotStillClears()
    {
        Config.PluginActive = {false, false, false};
        CurrentFrame.Set(9, 3, true);
        OutputFrame(false, false);
        QVERIFY(simulation.Frames.empty());
        QVERIFY(plugins.Deliveries.empty());
        QCOMPARE(CurrentFrame, LedFrame());
    }

    void pluginsGetPixelValuesUnchanged()
    {
        CurrentFrame.At(4, 4) = 1; // not a proper True
        OutputFrame(false, false);
        QCOMPARE(plugins.Deliveries[0].Frame.At(4, 4), LedBool(1));
    }

    void slotsBeyondTheActivationListAreInactive()
    {
        Config.PluginActive = {true};
        OutputFrame(false, false);
        QCOMPARE(simulation.Frames.size(), size_t(1));
        QVERIFY(plugins.Deliveries.empty());
    }

    void clicksToggleCellsAndKeepThePicture_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::newRow("first cell") << 0 << 1 << 1;
        QTest::newRow("last of column 1") << 7 << 1 << 8;
        QTest::newRow("first of column 2") << 8 << 2 << 1;
        QTest::newRow("last cell") << 143 << 18 << 8;
    }
    void clicksToggleCellsAndKeepThePicture()
    {
        QFETCH(int, cell);
        QFETCH(int, column);
        QFETCH(int, row);
        QCOMPARE(CellIndex(column, row), cell);

        ToggleCell(cell);
        QVERIFY(CurrentFrame.IsLit(column, row));
        QVERIFY(simulation.Frames.back().IsLit(column, row));
        ToggleCell(cell);
        QCOMPARE(CurrentFrame, LedFrame());
        QCOMPARE(simulation.Frames.size(), size_t(2));
        QCOMPARE(simulation.Frames.back(), LedFrame());
    }
};

QTEST_GUILESS_MAIN(TestOutputFrame)
#include "TestOutputFrame.moc"
