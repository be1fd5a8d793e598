#include "util/Ansi.h"
#include "util/TextNumbers.h"

#include <QTest>

class TestUtil : public QObject
{
    Q_OBJECT

private slots:
    void lenientNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("unit after number") << "30s" << 30.0;
        QTest::newRow("negative percent") << "-50%" << -50.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("comma stops") << "2,5" << 2.0;
        QTest::newRow("fraction") << "12.5" << 12.5;
        QTest::newRow("leading blanks and tab") << " \t 250 ms" << 250.0;
        QTest::newRow("blanks between digits") << "1 2 3" << 123.0;
        QTest::newRow("line feed skipped") << "\n7" << 7.0;
        QTest::newRow("hexadecimal") << "&H378" << 888.0;
        QTest::newRow("hexadecimal lower case") << "&hff" << 255.0;
        QTest::newRow("hexadecimal 32-bit pattern") << "&H8000000F" << -2147483633.0;
        QTest::newRow("exponent") << "1.5e3" << 1500.0;
        QTest::newRow("negative exponent") << "25E-1x" << 2.5;
        QTest::newRow("e without digits") << "4e" << 4.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("plus sign") << "+6pt" << 6.0;
    }
    void lenientNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(LenientNumber(text), expected);
    }

    void roundHalfEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("12.5 down") << 12.5 << 12;
        QTest::newRow("13.5 up") << 13.5 << 14;
        QTest::newRow("-2.5") << -2.5 << -2;
        QTest::newRow("0.5") << 0.5 << 0;
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("2.4999") << 2.4999 << 2;
        QTest::newRow("clamped high") << 1e12 << 2147483647;
        QTest::newRow("clamped low") << -1e12 << int(-2147483648LL);
    }
    void roundHalfEven()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(RoundHalfEven(value), expected);
    }

    void addBackslash()
    {
        QCOMPARE(AddBackslash("/opt/qpz"), QString("/opt/qpz/"));
        QCOMPARE(AddBackslash("/opt/qpz/"), QString("/opt/qpz/"));
        QCOMPARE(AddBackslash(""), QString("/"));
    }

    void ansiConversion_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("Hallo") << QString("Hallo");
        QTest::newRow("umlauts") << QByteArray("\xF6\xE4\xFC\xDF\xC4") << QString("öäüßÄ");
        QTest::newRow("euro and quotes") << QByteArray("\x80\x84\x93") << QString("€„“");
        QTest::newRow("unused byte kept") << QByteArray("\x81") << QString(QChar(0x81));
    }
    void ansiConversion()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(AnsiToUnicode(bytes), text);
        QCOMPARE(UnicodeToAnsi(text), bytes);
    }

    void everyByteSurvivesRoundTrip()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(UnicodeToAnsi(AnsiToUnicode(all)), all);
    }

    void unrepresentableBecomesQuestionMark()
    {
        QCOMPARE(UnicodeToAnsi(QString::fromUtf8("a\u4e2db")), QByteArray("a?b"));
    }
};

QTEST_GUILESS_MAIN(TestUtil)
#include "TestUtil.moc"
