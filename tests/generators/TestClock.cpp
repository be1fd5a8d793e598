#include "Recorders.h"

#include "display/modQuarnoleds.h"
#include "generators/modClock.h"

#include <QStringList>
#include <QTest>

namespace {

const QString Dark = QStringLiteral("..................");

} // namespace

class TestClock : public QObject
{
    Q_OBJECT

private slots:
    void init() { CurrentFrame.Clear(); }
    void cleanupTestCase() { SetClockTimeSource({}); }

    void faces_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<int>("clockType");
        QTest::addColumn<QStringList>("rows");

        // One display row per line.
        // clang-format off
        QTest::newRow("digital 12:34, odd second: colon lit")
            << QTime(12, 34, 57) << 1 << QStringList {
            "..X.XXX....XXX.X.X",
            "..X...X.XX...X.X.X",
            "..X...X.XX...X.X.X",
            "..X.XXX....XXX.XXX",
            "..X.X...XX...X...X",
            "..X.X...XX...X...X",
            "..X.XXX....XXX...X",
            Dark,
        };
        QTest::newRow("digital 12:34, even second: colon dark")
            << QTime(12, 34, 56) << 1 << QStringList {
            "..X.XXX....XXX.X.X",
            "..X...X......X.X.X",
            "..X...X......X.X.X",
            "..X.XXX....XXX.XXX",
            "..X.X........X...X",
            "..X.X........X...X",
            "..X.XXX....XXX...X",
            Dark,
        };
        QTest::newRow("digital midnight")
            << QTime(0, 0, 0) << 1 << QStringList {
            "XXX.XXX....XXX.XXX",
            "X.X.X.X....X.X.X.X",
            "X.X.X.X....X.X.X.X",
            "X.X.X.X....X.X.X.X",
            "X.X.X.X....X.X.X.X",
            "X.X.X.X....X.X.X.X",
            "XXX.XXX....XXX.XXX",
            Dark,
        };
        QTest::newRow("digital 09:05, leading zero, 6-less 9")
            << QTime(9, 5, 7) << 1 << QStringList {
            "XXX.XXX....XXX.XXX",
            "X.X.X.X.XX.X.X.X..",
            "X.X.X.X.XX.X.X.X..",
            "X.X.XXX....X.X.XXX",
            "X.X...X.XX.X.X...X",
            "X.X...X.XX.X.X...X",
            "XXX...X....XXX.XXX",
            Dark,
        };
        QTest::newRow("binary 12:34:57")
            << QTime(12, 34, 57) << 2 << QStringList {
            Dark,
            Dark,
            "..........XX.XX.XX",
            "..........XX.XX.XX",
            "....XX.XX.......XX",
            "....XX.XX.......XX",
            ".XX....XX....XX.XX",
            ".XX....XX....XX.XX",
        };
        QTest::newRow("binary 23:59:59")
            << QTime(23, 59, 59) << 2 << QStringList {
            "..........XX....XX",
            "..........XX....XX",
            ".......XX....XX...",
            ".......XX....XX...",
            ".XX.XX............",
            ".XX.XX............",
            "....XX.XX.XX.XX.XX",
            "....XX.XX.XX.XX.XX",
        };
        // clang-format on
        QTest::newRow("binary midnight") << QTime(0, 0, 0) << 2 << QStringList(8, Dark);
        QTest::newRow("type 0 draws nothing") << QTime(12, 34, 57) << 0 << QStringList(8, Dark);
        QTest::newRow("type 3 draws nothing") << QTime(12, 34, 57) << 3 << QStringList(8, Dark);
    }

    void faces()
    {
        QFETCH(QTime, time);
        QFETCH(int, clockType);
        QFETCH(QStringList, rows);
        SetClockTimeSource([time] { return time; });
        ShowClock(quint8(clockType));
        QCOMPARE(FrameRows(CurrentFrame), rows);
    }

    // Digits that do not exist and places beyond the display leave the frame alone.
    void digitsOutsideTheirRange()
    {
        DigitalDigit(10, 1);
        DigitalDigit(-1, 1);
        BinaryDigit(-3, 1);
        QCOMPARE(CurrentFrame, LedFrame {});

        DigitalDigit(8, 17); // the glyph's right column would be column 19
        BinaryDigit(15, 18); // all four bits, the second column beyond the edge
        BinaryDigit(15, -5);
        const QString both = QStringLiteral("................XX");
        QCOMPARE(FrameRows(CurrentFrame),
                 QStringList({ both, both, both, both, both, both, both,
                               QStringLiteral(".................X") }));
    }
};

QTEST_APPLESS_MAIN(TestClock)
#include "TestClock.moc"
