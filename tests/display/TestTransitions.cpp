#include "Recorders.h"
#include "config/ConfigRecord.h"
#include "display/Transitions.h"
#include "display/modQuarnoleds.h"
#include "util/Rnd.h"

#include <QTest>

using ColumnSteps = QList<QList<int>>;
Q_DECLARE_METATYPE(ColumnSteps)

class TestTransitions : public QObject
{
    Q_OBJECT

    RecordingSimulation simulation;

    // Arms a transition from `from` to `to` and delivers the target as a producer would.
    void Play(quint8 type, const LedFrame &from, const LedFrame &to)
    {
        CurrentFrame = from;
        OutputFrame(false, false);
        simulation.Frames.clear();
        TransitionType = type;
        TransitionPending = true;
        CurrentFrame = to;
        OutputFrame(false, false);
    }

private slots:
    void init()
    {
        SetDefaultConfigWithSimulation();
        TransitionPending = false;
        simulation.Frames.clear();
        SetRndSource({});
    }

    void columnTransitions_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<ColumnSteps>("steps");
        ColumnSteps wipeRight, wipeLeft, close, open;
        for (int x = 1; x <= 18; ++x) {
            wipeRight.append(QList<int> {x});
            wipeLeft.append(QList<int> {19 - x});
        }
        for (int x = 1; x <= 9; ++x) {
            close.append(QList<int> {x, 19 - x});
            open.append(QList<int> {10 - x, 9 + x});
        }
        QTest::newRow("wipe left to right") << 1 << wipeRight;
        QTest::newRow("wipe right to left") << 2 << wipeLeft;
        QTest::newRow("shutter closes") << 3 << close;
        QTest::newRow("shutter opens") << 4 << open;
    }
    void columnTransitions()
    {
        QFETCH(int, type);
        QFETCH(ColumnSteps, steps);
        // Dark to fully lit: every step adds its columns to the picture of the step before.
        Play(quint8(type), LedFrame(), FullFrame());

        QCOMPARE(simulation.Frames.size(), size_t(steps.size() + 1));
        LedFrame expected;
        for (int k = 0; k < steps.size(); ++k) {
            for (int column : steps[k])
                for (int row = 1; row <= 8; ++row)
                    expected.Set(column, row, true);
            QCOMPARE(simulation.Frames[size_t(k)], expected);
        }
        QCOMPARE(simulation.Frames.back(), FullFrame()); // the target is shown again
        QCOMPARE(LastFrame, FullFrame());
    }

    void shutterOpensFromFullToDark()
    {
        Play(TransitionShutterOpen, FullFrame(), LedFrame());
        LedFrame first = FullFrame();
        for (int row = 1; row <= 8; ++row) {
            first.Set(9, row, false);
            first.Set(10, row, false);
        }
        QCOMPARE(simulation.Frames.front(), first);
        QCOMPARE(simulation.Frames[8], LedFrame());
    }

    void singlePixelsChangeOnePixelPerStep()
    {
        const LedFrame target = FrameWithColumns({1, 5, 6, 18});
        LedFrame start;
        start.Set(5, 3, true); // equal in both pictures: its step repeats the picture before
        Play(TransitionSinglePixels, start, target);

        QCOMPARE(simulation.Frames.size(), size_t(145));
        LedFrame previous = start;
        int unchangedSteps = 0;
        for (size_t k = 0; k < 144; ++k) {
            int differences = 0;
            for (int c = 1; c <= 18; ++c)
                for (int r = 1; r <= 8; ++r)
                    differences += simulation.Frames[k].At(c, r) != previous.At(c, r);
            QVERIFY(differences <= 1);
            unchangedSteps += differences == 0;
            previous = simulation.Frames[k];
        }
        QCOMPARE(previous, target);
        // 144 pixels, 32 of them lit in the target, one lit in both: 113 steps change nothing.
        QCOMPARE(unchangedSteps, 144 - 31);
    }

    void randomPicksOneOfTheFiveKinds_data()
    {
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("deliveries");
        QTest::newRow("0.0 -> wipe") << 0.0 << 18 + 1;
        QTest::newRow("0.5 -> shutter closes") << 0.5 << 9 + 1;
        QTest::newRow("0.7 -> shutter opens") << 0.7 << 9 + 1;
    }
    void randomPicksOneOfTheFiveKinds()
    {
        QFETCH(double, draw);
        QFETCH(int, deliveries);
        bool first = true;
        SetRndSource([&] {
            const double value = first ? draw : 0.3;
            first = false;
            return value;
        });
        Play(TransitionRandom, LedFrame(), FullFrame());
        QCOMPARE(simulation.Frames.size(), size_t(deliveries));
    }

    void noneAndUnknownTypesShowOnlyTheTarget_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("none") << 0;
        QTest::newRow("unknown") << 7;
    }
    void noneAndUnknownTypesShowOnlyTheTarget()
    {
        QFETCH(int, type);
        Play(quint8(type), LedFrame(), FullFrame());
        QCOMPARE(simulation.Frames.size(), size_t(1));
        QCOMPARE(simulation.Frames[0], FullFrame());
    }
};

QTEST_GUILESS_MAIN(TestTransitions)
#include "TestTransitions.moc"
