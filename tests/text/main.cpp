#include "TestFont.h"
#include "TestScroll.h"
#include "TestScrollEntry.h"

#include <QGuiApplication>
#include <QTest>

// The font test comes first: it installs the display font that the other tests draw with.
int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    int failures = 0;
    TestFont font;
    failures += QTest::qExec(&font, argc, argv);
    TestScroll scroll;
    failures += QTest::qExec(&scroll, argc, argv);
    TestScrollEntry entry;
    failures += QTest::qExec(&entry, argc, argv);
    return failures;
}
