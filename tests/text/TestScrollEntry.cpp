#include "TestScrollEntry.h"

#include "Recorders.h"
#include "text/ScrollEntry.h"
#include "text/TextSurface.h"

#include <QFontInfo>
#include <QHash>
#include <QTest>

void TestScrollEntry::init()
{
    CurrentFrame.Clear();
}

void TestScrollEntry::entryNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("direction");
    QTest::addColumn<int>("speed");
    QTest::addColumn<QString>("caption");

    QTest::newRow("plain") << "[scroll|Hallo Welt|R->L|165|QPZ, 6pt, N]" << true << "Hallo Welt"
                           << "R->L" << 165 << "QPZ, 6pt, N]";
    QTest::newRow("lenient speed") << "[scroll|x|O->U| 42.5 px|QPZ, 6pt, N]" << true << "x"
                                   << "O->U" << 42 << "QPZ, 6pt, N]";
    QTest::newRow("speed beyond 16 bits") << "[scroll|x|U->O|99999|a,1,N]" << true << "x"
                                          << "U->O" << 32767 << "a,1,N]";
    QTest::newRow("a | in the text shifts the parts")
        << "[scroll|a|b|R->L|165|QPZ, 6pt, N]" << true << "a"
        << "b" << 0 << "165";
    QTest::newRow("four parts") << "[scroll|Hallo|R->L|165]" << false << ""
                                << "" << 0 << "";
    QTest::newRow("no parts") << "[scroll" << false << ""
                              << "" << 0 << "";
}

void TestScrollEntry::entryNames()
{
    QFETCH(QString, name);
    QFETCH(bool, valid);
    const std::optional<ScrollEntry> entry = ParseScrollEntry(name);
    QCOMPARE(entry.has_value(), valid);
    if (!entry)
        return;
    QTEST(entry->Text, "text");
    QTEST(entry->Direction, "direction");
    QTEST(int(entry->Speed), "speed");
    QTEST(entry->FontCaption, "caption");
}

void TestScrollEntry::fontCaptions_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("face");
    QTest::addColumn<double>("size");
    QTest::addColumn<QString>("styles"); // the ones that are on, as B, I, U, S

    QTest::newRow("display font") << "QPZ, 6pt, N]" << true << "QPZ" << 6.0 << "";
    QTest::newRow("bold italic") << "Arial, 10pt, BI]" << true << "Arial" << 10.0 << "BI";
    QTest::newRow("all four, any order")
        << "Arial, 7.5pt, SUIB]" << true << "Arial" << 7.5 << "BIUS";
    QTest::newRow("small letters do not count")
        << "Arial, 8pt, biu]" << true << "Arial" << 8.0 << "";
    QTest::newRow("no blanks needed") << "DejaVu Sans,8,U" << true << "DejaVu Sans" << 8.0 << "U";
    QTest::newRow("no size: smallest size") << "QPZ, pt, N]" << true << "QPZ" << 1.0 << "";
    QTest::newRow("two parts") << "Arial, 10pt]" << false << "" << 0.0 << "";
    QTest::newRow("one part") << "QPZ]" << false << "" << 0.0 << "";
}

void TestScrollEntry::fontCaptions()
{
    QFETCH(QString, caption);
    QFETCH(bool, valid);
    const std::optional<QFont> font = FontFromCaption(caption);
    QCOMPARE(font.has_value(), valid);
    if (!font)
        return;
    QTEST(font->family(), "face");
    QTEST(font->pointSizeF(), "size");
    QString styles;
    if (font->bold())
        styles += u'B';
    if (font->italic())
        styles += u'I';
    if (font->underline())
        styles += u'U';
    if (font->strikeOut())
        styles += u'S';
    QTEST(styles, "styles");
}

void TestScrollEntry::serverAnswers_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("cleaned");
    QTest::newRow("plain value") << "21\r\n"
                                 << "21";
    QTest::newRow("framed value") << "$21§\r\n"
                                  << "21";
    QTest::newRow("status line") << "200 VALUE  Es ist warm \r\n"
                                 << "Es ist warm";
    QTest::newRow("framed status line") << "$200 VALUE Es ist warm§"
                                        << "Es ist warm";
    QTest::newRow("short status line") << "20"
                                       << "";
    QTest::newRow("other number") << "210 Hallo Welt"
                                  << "210 Hallo Welt";
    QTest::newRow("only the final CR LF") << "a\r\nb\r\n\r\n"
                                          << "a\r\nb\r\n";
    QTest::newRow("empty") << ""
                           << "";
}

void TestScrollEntry::serverAnswers()
{
    QFETCH(QString, answer);
    QTEST(CleanServerAnswer(answer), "cleaned");
}

void TestScrollEntry::placeholders_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("resolved");
    QTest::addColumn<QStringList>("questions");

    QTest::newRow("one") << "Es sind $temp§ Grad"
                         << "Es sind 21 Grad" << QStringList { "getvar $temp§" };
    QTest::newRow("same twice: asked once") << "$temp§ und $temp§"
                                            << "21 und 21" << QStringList { "getvar $temp§" };
    QTest::newRow("two: asked twice")
        << "$temp§/$status§"
        << "21/Es ist warm" << QStringList { "getvar $temp§", "getvar $status§" };
    QTest::newRow("§ before $ is text") << "§ und $"
                                        << "§ und $" << QStringList {};
    QTest::newRow("unknown name: empty answer") << "[$nix§]"
                                                << "[]" << QStringList { "getvar $nix§" };
    QTest::newRow("answer brings a placeholder")
        << "$chain§"
        << "=21!" << QStringList { "getvar $chain§", "getvar $temp§" };
}

void TestScrollEntry::placeholders()
{
    QFETCH(QString, text);
    QFETCH(QStringList, questions);
    const QHash<QString, QString> answers = { { "getvar $temp§", "21\r\n" },
                                              { "getvar $status§", "200 VALUE Es ist warm\r\n" },
                                              { "getvar $chain§", "=$temp§!\r\n" } };
    QStringList asked;
    const QString resolved = ResolvePlaceholders(text, [&](const QString &command) {
        asked << command;
        return answers.value(command);
    });
    QTEST(resolved, "resolved");
    QCOMPARE(asked, questions);
}

void TestScrollEntry::endlessPlaceholdersAreBounded_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("answer names itself") << "x$loop§y";
    QTest::newRow("answer doubles itself") << "x$loop§$loop§y";
    QTest::newRow("huge answer") << QString(60000, u'w') + "$loop§";
}

void TestScrollEntry::endlessPlaceholdersAreBounded()
{
    QFETCH(QString, answer);
    int questions = 0;
    const QString resolved
        = ResolvePlaceholders(QStringLiteral("$loop§ $loop§"), [&](const QString &) {
              ++questions;
              return answer;
          });
    QVERIFY(questions <= MaxPlaceholderQuestions);
    QVERIFY(resolved.size() <= MaxResolvedTextLength);
    QVERIFY(resolved.contains(QStringLiteral("$loop§")));
}

void TestScrollEntry::playsOrSkipsEntries_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("played");
    QTest::newRow("still text") << "[scroll|Hi|R->L|200|QPZ, 6pt, N]" << true;
    QTest::newRow("four parts") << "[scroll|Hi|R->L|200]" << false;
    QTest::newRow("caption of two parts") << "[scroll|Hi|R->L|200|QPZ, 6pt]" << false;
}

void TestScrollEntry::playsOrSkipsEntries()
{
    QFETCH(QString, name);
    QFETCH(bool, played);
    SetDefaultConfigWithSimulation();
    RecordingSimulation recorder;
    picText().SetFont(QFont(QStringLiteral("Arial")));
    QCOMPARE(PlayScrollEntry(name), played);
    QCOMPARE(int(recorder.Frames.size()), played ? 1 : 0);
    if (played) {
        QCOMPARE(QFontInfo(picText().Font()).family(), QStringLiteral("QPZ"));
        QCOMPARE(FrameRows(recorder.Frames[0]).at(3), QStringLiteral("XXXXX.X..........."));
    }
}
