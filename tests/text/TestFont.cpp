#include "TestFont.h"

#include "Recorders.h"
#include "text/modFont.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

std::unique_ptr<RecordingMessages> messages;
std::unique_ptr<RecordingStatus> status;

// Every character the font promises: printable ASCII, the German letters, a few accented
// letters, and the signs of everyday texts.
QString Coverage()
{
    QString text;
    for (char16_t c = 0x20; c <= 0x7E; ++c)
        text += QChar(c);
    return text + QStringLiteral("ÄÖÜäöüßéèàáçñ°§µ²³«»·×±–—‘’‚“”„…€");
}

QFont DisplayFont()
{
    QFont font(DisplayFontFace);
    font.setPointSizeF(6);
    return font;
}

// The rows (0 = the top of the 8-row cell) that a text lights when drawn at the top left.
QPair<int, int> LitRows(const QString &text)
{
    QImage image(64, 15, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    const QFontMetrics metrics(DisplayFont(), &image);
    {
        QPainter painter(&image);
        painter.setFont(DisplayFont());
        painter.drawText(0, metrics.ascent(), text);
    }
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
        }
    }
    return { first, last };
}

} // namespace

void TestFont::initTestCase()
{
    messages = std::make_unique<RecordingMessages>();
    status = std::make_unique<RecordingStatus>();
}

void TestFont::cleanupTestCase()
{
    messages.reset();
    status.reset();
}

void TestFont::missingFileIsReported()
{
    QTemporaryDir emptyFolder;
    InstallDisplayFont(emptyFolder.path());
    QVERIFY(!FontAdded);
    QCOMPARE(messages->Texts,
             QStringList { "Die Schriftart-Datei 'QPZ.bdf' konnte nicht im Programmverzeichnis "
                           "gefunden werden." });
    QCOMPARE(messages->Icons.value(0), MessageIcon::Exclamation);
    messages->Clear();
}

void TestFont::damagedFileIsNotAdded()
{
    InstallDisplayFont(QStringLiteral(QPZ_TEST_DATA "/text/DamagedFont"));
    QVERIFY(!FontAdded);
    QVERIFY(!FontExists(DisplayFontFace));
    QVERIFY(messages->Texts.isEmpty());
    QCOMPARE(status->Lines.size(), 1);
    QVERIFY(status->Lines[0].contains("QPZ.bdf"));
}

void TestFont::installAndRemove()
{
    QVERIFY(!FontExists(DisplayFontFace));
    InstallDisplayFont(QStringLiteral(QPZ_BIN_DIR));
    QVERIFY(FontAdded);
    QVERIFY(FontExists(DisplayFontFace));
    QVERIFY(FontExists(QStringLiteral("qpz")));

    // Once the font is there, a second start-up leaves it alone.
    InstallDisplayFont(QStringLiteral(QPZ_BIN_DIR));
    RemoveDisplayFont();
    QVERIFY(!FontAdded);
    QVERIFY(!FontExists(DisplayFontFace));

    // The tests after this one draw with the display font.
    InstallDisplayFont(QStringLiteral(QPZ_BIN_DIR));
    QVERIFY(FontExists(DisplayFontFace));
    QVERIFY(messages->Texts.isEmpty());
}

void TestFont::coverage()
{
    const QRawFont raw = QRawFont::fromFont(DisplayFont());
    QCOMPARE(raw.familyName(), DisplayFontFace);
    QString missing;
    for (const QChar c : Coverage()) {
        if (!raw.supportsCharacter(c))
            missing += c;
    }
    QCOMPARE(missing, QString());
    // Every glyph stays inside the 8-row cell.
    for (const QChar c : Coverage()) {
        if (c == u' ')
            continue;
        const auto [first, last] = LitRows(c);
        QVERIFY2(first >= 0 && last <= 7, qPrintable(QString(c)));
    }
}

void TestFont::glyphRows_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("firstRow");
    QTest::addColumn<int>("lastRow");
    QTest::newRow("capitals and digits fill rows 1-7") << "ABHMXZ0123456789" << 1 << 7;
    QTest::newRow("capital umlauts too") << "ÄÖÜ" << 1 << 7;
    QTest::newRow("small letters are rows 3-7") << "acemnorsuvwxz" << 3 << 7;
    QTest::newRow("small umlauts: dots in row 1") << "äöü" << 1 << 7;
    QTest::newRow("descenders use row 8") << "gjpqy" << 1 << 8;
}

void TestFont::glyphRows()
{
    QFETCH(QString, text);
    QFETCH(int, firstRow);
    QFETCH(int, lastRow);
    for (const QChar c : text) {
        const auto [first, last] = LitRows(c);
        QVERIFY2(first + 1 >= firstRow && last + 1 <= lastRow, qPrintable(QString(c)));
    }
    const auto [first, last] = LitRows(text);
    QCOMPARE(first + 1, firstRow);
    QCOMPARE(last + 1, lastRow);
}

void TestFont::umlautDotsOnTheTopRow()
{
    // The scroll text shows the first lit row of "ÜX" in display row 1: the dots of the Ü
    // are the top of the cell, so the whole cell appears on the display.
    QCOMPARE(LitRows(QStringLiteral("ÜX")).first, 0);
    QCOMPARE(LitRows(QStringLiteral("Ü")).first, 0);
}
