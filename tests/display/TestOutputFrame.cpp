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
        simulation = RecordingSimulation();
        plugins = RecordingPlugins(2);
        SetSimulationSink(&simulation);
        SetPluginSink(&plugins);
    }

    void deliversToEveryActiveSlotInOrderAndClears()
    {
        Config.PluginActive = {true, false, true};
        CurrentFrame.Set(3, 4, true);
        const LedFrame shown = CurrentFrame;
        OutputFrame(false, false);

        QCOMPARE(simulation.frames.size(), size_t(1));
        QCOMPARE(simulation.frames[0], shown);
        QCOMPARE(plugins.deliveries.size(), size_t(1));
        QCOMPARE(plugins.deliveries[0].slot, 2);
        QCOMPARE(plugins.deliveries[0].frame, shown);
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
        QVERIFY(simulation.frames.empty());
        QVERIFY(plugins.deliveries.empty());
        QCOMPARE(CurrentFrame, produced);
        QCOMPARE(LastFrame, LedFrame());
        QVERIFY(TransitionPending);

        TransitionPending = false;
        OutputFrame(true, false);
        QCOMPARE(simulation.frames.size(), size_t(1));
        QCOMPARE(plugins.deliveries.size(), size_t(2));
    }

    void disabledOutputStillFollowsLastFrameAndKeepsCurrent()
    {
        Config.OutputEnabled = false;
        CurrentFrame.Set(2, 2, true);
        OutputFrame(false, false);
        CurrentFrame.Set(5, 5, true);
        OutputFrame(false, false);

        QVERIFY(simulation.frames.empty());
        QVERIFY(plugins.deliveries.empty());
        QVERIFY(CurrentFrame.IsLit(2, 2) && CurrentFrame.IsLit(5, 5));
        QCOMPARE(LastFrame, CurrentFrame);
    }

    void minimizedSimulationIsSkippedButPluginsGetTheFrame()
    {
        simulation.showing = false;
        OutputFrame(false, false);
        QVERIFY(simulation.frames.empty());
        QCOMPARE(plugins.deliveries.size(), size_t(2));
    }

    void noActiveSlotStillClears()
    {
        Config.PluginActive = {false, false, false};
        CurrentFrame.Set(9, 3, true);
        OutputFrame(false, false);
        QVERIFY(simulation.frames.empty());
        QVERIFY(plugins.deliveries.empty());
        QCOMPARE(CurrentFrame, LedFrame());
    }

    void pluginsGetPixelValuesUnchanged()
    {
        CurrentFrame.At(4, 4) = 1; // not a proper True
        OutputFrame(false, false);
        QCOMPARE(plugins.deliveries[0].frame.At(4, 4), LedBool(1));
    }

    void slotsBeyondTheActivationListAreInactive()
    {
        Config.PluginActive = {true};
        OutputFrame(false, false);
        QCOMPARE(simulation.frames.size(), size_t(1));
        QVERIFY(plugins.deliveries.empty());
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
        QVERIFY(simulation.frames.back().IsLit(column, row));
        ToggleCell(cell);
        QCOMPARE(CurrentFrame, LedFrame());
        QCOMPARE(simulation.frames.size(), size_t(2));
        QCOMPARE(simulation.frames.back(), LedFrame());
    }
};

QTEST_GUILESS_MAIN(TestOutputFrame)
#include "TestOutputFrame.moc"
