#include "TestScroll.h"

#include "Recorders.h"
#include "playback/PlaybackFlags.h"
#include "text/TextSurface.h"
#include "text/modFont.h"
#include "text/modScroll.h"
#include "timing/Pacing.h"

#include <QPainter>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

std::unique_ptr<RecordingSimulation> recorder;

const QString HalloWelt = QStringLiteral("Hallo Welt");

// The whole text drawn at once on a wide surface, to check the windows drawn per step.
class ReferenceStrip
{
public:
    static constexpr int Lead = 40;

    explicit ReferenceStrip(const QString &text)
    {
        QFont font = picText().Font();
        QImage probe(1, 1, QImage::Format_RGB32);
        probe.setDotsPerMeterX(3780);
        probe.setDotsPerMeterY(3780);
        const QFontMetrics metrics(font, &probe);
        m_image = QImage(metrics.horizontalAdvance(text) + 2 * Lead, 40, QImage::Format_RGB32);
        m_image.setDotsPerMeterX(3780);
        m_image.setDotsPerMeterY(3780);
        m_image.fill(Qt::white);
        QPainter painter(&m_image);
        painter.setFont(font);
        painter.drawText(Lead, Lead / 2 + metrics.ascent(), text);
    }

    // The frame expected when the text's top-left corner is at (-x, -y) on the surface.
    LedFrame Frame(int x, int y, int top) const
    {
        LedFrame frame;
        for (int row = 1; row <= LedFrame::Rows; ++row) {
            const int surfaceRow = top + row;
            if (surfaceRow < 0 || surfaceRow >= TextSurface::Height)
                continue;
            for (int column = 1; column <= LedFrame::Columns; ++column) {
                const int sx = Lead + x + column - 1;
                const int sy = Lead / 2 + y + surfaceRow;
                if (sx >= 0 && sx < m_image.width() && sy >= 0 && sy < m_image.height()
                    && m_image.pixel(sx, sy) != qRgb(255, 255, 255))
                    frame.Set(column, row, true);
            }
        }
        return frame;
    }

private:
    QImage m_image;
};

int TextWidth(const QString &text)
{
    return ScrollRenderer(picText(), text).TextWidth();
}

} // namespace

void TestScroll::initTestCase()
{
    QVERIFY(FontExists(DisplayFontFace));
    SetDefaultConfigWithSimulation();
    recorder = std::make_unique<RecordingSimulation>();
    QFont font(DisplayFontFace);
    font.setPointSizeF(6);
    picText().SetFont(font);
}

void TestScroll::init()
{
    recorder->Frames.clear();
    AbortItem = false;
    CurrentFrame.Clear();
}

void TestScroll::runs_data()
{
    QTest::addColumn<QString>("direction");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("frames");

    QTest::newRow("R->L: TW + 19 frames") << "R->L" << 43 << 8 << -18 << 43 << false << 62;
    QTest::newRow("L->R mirrors it") << "L->R" << 43 << 8 << 43 << -18 << false << 62;
    QTest::newRow("unknown word is R->L") << "rechts" << 43 << 8 << -18 << 43 << false << 62;
    QTest::newRow("no word is R->L") << "" << 19 << 8 << -18 << 19 << false << 38;
    QTest::newRow("O->U: 2 TH + 1 frames") << "O->U" << 43 << 8 << 8 << -8 << true << 17;
    QTest::newRow("U->O") << "U->O" << 43 << 8 << -8 << 8 << true << 17;
    QTest::newRow("fits: one still frame") << "R->L" << 18 << 8 << 0 << 0 << false << 1;
    QTest::newRow("fits L->R: still too") << "L->R" << 15 << 8 << 0 << 0 << false << 1;
    QTest::newRow("fits but vertical: moves") << "O->U" << 15 << 8 << 8 << -8 << true << 17;
}

void TestScroll::runs()
{
    QFETCH(QString, direction);
    QFETCH(int, width);
    QFETCH(int, height);
    const ScrollRun run = PlanScroll(direction, width, height);
    QTEST(run.Start, "start");
    QTEST(run.End, "end");
    QTEST(run.Vertical, "vertical");
    QTEST(run.Frames(), "frames");

    QCOMPARE(ScrollHoldMs(165, 15), 1050);
    QCOMPARE(ScrollHoldMs(200, 15), 0);
    QCOMPARE(ScrollHoldMs(250, 15), 0);
    QCOMPARE(ScrollHoldMs(165, 0), 0);
}

void TestScroll::horizontalFramesFollowTheText_data()
{
    QTest::addColumn<QString>("direction");
    QTest::addColumn<QString>("text");
    QTest::newRow("R->L") << "R->L" << HalloWelt;
    QTest::newRow("L->R") << "L->R" << HalloWelt;
    // Longer than one drawn piece, so pieces meet inside the window.
    QTest::newRow("pieces") << "R->L"
                            << "Größere Äpfel & Übermaß: 20 °C, 1.000 € [ok]";
}

void TestScroll::horizontalFramesFollowTheText()
{
    QFETCH(QString, direction);
    QFETCH(QString, text);
    ScrollText(text, 200, direction);

    const ScrollRenderer renderer(picText(), text);
    const ScrollRun run = PlanScroll(direction, renderer.TextWidth(), renderer.TextHeight());
    QCOMPARE(int(recorder->Frames.size()), renderer.TextWidth() + 19);
    const ReferenceStrip strip(text);
    int pos = run.Start;
    for (const LedFrame &frame : recorder->Frames) {
        QCOMPARE(FrameRows(frame), FrameRows(strip.Frame(pos, 0, renderer.Top())));
        pos += run.Step;
    }
    QCOMPARE(recorder->Frames.front(), LedFrame {});
    QCOMPARE(recorder->Frames.back(), LedFrame {});
}

void TestScroll::halloWeltMidScroll()
{
    ScrollText(HalloWelt, 200, QStringLiteral("R->L"));
    QCOMPARE(int(recorder->Frames.size()), TextWidth(HalloWelt) + 19);
    // The 19th frame has the text's left edge in column 1; display row 1 is the cell's top.
    QCOMPARE(FrameRows(recorder->Frames[18]),
             QStringList({
                 "X...X......X..X...",
                 "X...X......X..X...",
                 "X...X..XX..X..X...",
                 "XXXXX....X.X..X..X",
                 "X...X..XXX.X..X..X",
                 "X...X.X..X.X..X..X",
                 "X...X..XXX..X..X..",
                 "..................",
             }));
}

void TestScroll::verticalRunsMoveShortText_data()
{
    QTest::addColumn<QString>("direction");
    QTest::addColumn<int>("enteringFrame"); // the first frame with a lit pixel
    QTest::addColumn<int>("enteringRow"); // its only lit row
    // "Hi" has nothing in the descender row 8: from above, its row 7 enters first.
    QTest::newRow("O->U enters at the top") << "O->U" << 2 << 1;
    QTest::newRow("U->O enters at the bottom") << "U->O" << 1 << 8;
}

void TestScroll::verticalRunsMoveShortText()
{
    QFETCH(QString, direction);
    QFETCH(int, enteringFrame);
    QFETCH(int, enteringRow);
    const QString text = QStringLiteral("Hi");
    ScrollText(text, 200, direction);

    const ScrollRenderer renderer(picText(), text);
    const int height = renderer.TextHeight();
    QCOMPARE(int(recorder->Frames.size()), 2 * height + 1);
    const QStringList hi = { "X...X.X...........", "X...X.............", "X...X.X...........",
                             "XXXXX.X...........", "X...X.X...........", "X...X.X...........",
                             "X...X.X...........", ".................." };
    QCOMPARE(FrameRows(recorder->Frames[size_t(height)]), hi);

    const QString dark(LedFrame::Columns, u'.');
    QStringList entering(LedFrame::Rows, dark);
    entering[enteringRow - 1] = hi[enteringRow == 1 ? 6 : 0];
    QCOMPARE(FrameRows(recorder->Frames[size_t(enteringFrame)]), entering);
    QCOMPARE(FrameRows(recorder->Frames[size_t(enteringFrame - 1)]),
             QStringList(LedFrame::Rows, dark));

    const ScrollRun run = PlanScroll(direction, renderer.TextWidth(), height);
    const ReferenceStrip strip(text);
    int pos = run.Start;
    for (const LedFrame &frame : recorder->Frames) {
        QCOMPARE(FrameRows(frame), FrameRows(strip.Frame(0, pos, renderer.Top())));
        pos += run.Step;
    }
}

void TestScroll::stillTextIsHeld()
{
    const QString text = QStringLiteral("Hi");
    const int width = TextWidth(text);
    const double start = NowMs();
    ScrollText(text, 190, QStringLiteral("R->L"));
    const double elapsed = NowMs() - start;

    QCOMPARE(int(recorder->Frames.size()), 1);
    QCOMPARE(FrameRows(recorder->Frames[0]).at(3), QStringLiteral("XXXXX.X..........."));
    // One step of 10 ms, then 2 x 10 ms per pixel of the width.
    QVERIFY2(elapsed >= 10 + 2 * 10 * width - 1, qPrintable(QString::number(elapsed)));
}

void TestScroll::emptyTextGivesOneDarkFrame()
{
    ScrollText(QString(), 200, QStringLiteral("R->L"));
    QCOMPARE(int(recorder->Frames.size()), 1);
    QCOMPARE(recorder->Frames[0], LedFrame {});
    QCOMPARE(ScrollHoldMs(0, 0), 0);
}

void TestScroll::longTextDrawsOnlyTheWindow()
{
    QString text;
    for (int i = 0; text.size() < 100000; ++i)
        text += QStringLiteral("Zeile %1: Übermaß an Äpfeln, ").arg(i);
    ScrollRenderer renderer(picText(), text);

    // Near the end of the text, the window shows exactly what the end of the whole text shows.
    const QString tail = text.right(40);
    const int tailWidth = ScrollRenderer(picText(), tail).TextWidth();
    const ReferenceStrip strip(tail);
    for (const int back : { 30, 10, 0 }) {
        LedFrame frame;
        renderer.RenderStep(renderer.TextWidth() - back, 0, frame);
        QCOMPARE(FrameRows(frame), FrameRows(strip.Frame(tailWidth - back, 0, renderer.Top())));
    }
    QCOMPARE(picText().Image().size(), QSize(TextSurface::Width, TextSurface::Height));
}

void TestScroll::abortEndsTheScroll()
{
    const QString text = HalloWelt.repeated(20);
    QTimer::singleShot(40, [] { AbortItem = true; });
    ScrollText(text, 190, QStringLiteral("R->L"));
    QVERIFY(AbortItem);
    QVERIFY(!recorder->Frames.empty());
    QVERIFY(int(recorder->Frames.size()) < TextWidth(text) + 19);
}

void TestScroll::abortBeforeTheStartIsIgnored()
{
    AbortItem = true;
    ScrollText(HalloWelt, 200, QStringLiteral("L->R"));
    QCOMPARE(int(recorder->Frames.size()), TextWidth(HalloWelt) + 19);
    QVERIFY(!AbortItem);
}
