// The delay output through the real loader: its own host over the folder, the frame queue,
// its settings, faults of its target, and its "Konfiguration" dialog.

#include "PluginTestSupport.h"
#include "Recorders.h"

#include "api/PluginSlots.h"
#include "display/modQuarnoleds.h"

#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

#include <optional>

namespace {

// Frame number k of a test run: one pixel that moves along the rows.
LedFrame Numbered(int k)
{
    return FrameWith({ { 1 + k % 18, 1 + (k / 18) % 8 } });
}

void DeliverNumbered(int count)
{
    for (int k = 0; k < count; ++k) {
        CurrentFrame = Numbered(k);
        OutputFrame(false, false);
    }
}

// The recorder objects a delay plug-in made for itself: those beside the player's own.
QObjectList NestedRecorders(QObject *playersRecorder)
{
    QObjectList nested = RecordersBeside(playersRecorder);
    nested.removeOne(playersRecorder);
    return nested;
}

} // namespace

class TestLagwerk : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void defaultsTargetTheFirstOtherPluginEighteenFramesLate();
    void delayFromSettings_data();
    void delayFromSettings();
    void usePluginThatNamesNoTarget_data();
    void usePluginThatNamesNoTarget();
    void twoDelayPluginsDoNotLoadEachOther();
    void failingTargetIsPassedOnAndReportedOnce();
    void dialogListsTargetsAndChecksTheDelay();
    void dialogWithoutCandidates();

private:
    std::optional<ScratchSettings> m_settings;
    RecordingMessages m_messages;
    RecordingStatus m_status;
};

void TestLagwerk::init()
{
    m_settings.emplace();
    SetDefaultConfig();
    m_messages.Clear();
    m_status.Lines.clear();
}

void TestLagwerk::cleanup()
{
    if (!Plugins.isEmpty())
        StopPluginSlots();
    QVERIFY(m_messages.Texts.isEmpty());
}

void TestLagwerk::defaultsTargetTheFirstOtherPluginEighteenFramesLate()
{
    const PluginFolder folder({ "Lagwerk.out.so", "Recorder.out.so" });
    StartPluginSlots(folder.Path());
    QCOMPARE(Config.PluginNames, QStringList({ "Interne Simulation", "Lagwerk", "Rekorder" }));
    Config.PluginActive = { false, true, false };

    // Its own copy in its list never got Init, or it would have made a third recorder.
    QObject *playersRecorder = Plugins[2].Instance->Object();
    const QObjectList nested = NestedRecorders(playersRecorder);
    QCOMPARE(nested.size(), 1);
    QCOMPARE(CallsOf(nested[0]), QStringList({ "Init QuarnoPlayer ZORVIK|Recorder.out.so" }));

    DeliverNumbered(40);
    const QList<LedFrame> received = FramesOf(nested[0]);
    QCOMPARE(received.size(), 40);
    for (int k = 0; k < 18; ++k)
        QCOMPARE(received[k], LedFrame {});
    for (int k = 18; k < 40; ++k)
        QCOMPARE(received[k], Numbered(k - 18));
    QVERIFY(FramesOf(playersRecorder).isEmpty());

    // The test lines stop at the delay plug-in.
    QVERIFY(Plugins[1].Instance->SetData(2, true) && Plugins[1].Instance->SetClock(true));
    QCOMPARE(CallsOf(nested[0]).size(), 1);

    StopPluginSlots();
    QCOMPARE(m_settings->Get("Lagwerk.out.so", "UsePlugin"), QStringLiteral("2"));
    QCOMPARE(m_settings->Get("Lagwerk.out.so", "Size"), QStringLiteral("18"));
}

void TestLagwerk::delayFromSettings_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("delay");
    QTest::newRow("1: the previous call's frame") << "1" << 1;
    QTest::newRow("0 acts as 1") << "0" << 1;
    QTest::newRow("negative acts as 1") << "-3" << 1;
    QTest::newRow("no number acts as 1") << "viele" << 1;
    QTest::newRow("5") << "5" << 5;
    QTest::newRow("absurd is bounded") << "2000000000" << 30000;
}

void TestLagwerk::delayFromSettings()
{
    QFETCH(QString, stored);
    QFETCH(int, delay);
    const PluginFolder folder({ "Lagwerk.out.so", "Recorder.out.so" });
    m_settings->Set("Lagwerk.out.so", "Size", stored);
    StartPluginSlots(folder.Path());
    Config.PluginActive = { false, true, false };

    DeliverNumbered(delay + 2);
    const QList<LedFrame> received
        = FramesOf(NestedRecorders(Plugins[2].Instance->Object()).value(0));
    QCOMPARE(received.size(), delay + 2);
    QCOMPARE(received[delay - 1], LedFrame {});
    QCOMPARE(received[delay], Numbered(0));
    QCOMPARE(received[delay + 1], Numbered(1));
    StopPluginSlots();
    QCOMPARE(m_settings->Get("Lagwerk.out.so", "Size"), QString::number(delay));
}

void TestLagwerk::usePluginThatNamesNoTarget_data()
{
    QTest::addColumn<QString>("usePlugin");
    QTest::newRow("beyond the list") << "7";
    QTest::newRow("its own copy") << "1";
    QTest::newRow("slot 0") << "0";
    QTest::newRow("negative") << "-5";
}

void TestLagwerk::usePluginThatNamesNoTarget()
{
    QFETCH(QString, usePlugin);
    const PluginFolder folder({ "Lagwerk.out.so", "Recorder.out.so" });
    m_settings->Set("Lagwerk.out.so", "UsePlugin", usePlugin);
    m_settings->Set("Lagwerk.out.so", "Size", "1");
    StartPluginSlots(folder.Path());
    Config.PluginActive = { false, true, false };

    DeliverNumbered(3);
    QObject *playersRecorder = Plugins[2].Instance->Object();
    for (QObject *recorder : RecordersBeside(playersRecorder))
        QVERIFY(FramesOf(recorder).isEmpty());
    QVERIFY(m_status.Lines.isEmpty());
}

void TestLagwerk::twoDelayPluginsDoNotLoadEachOther()
{
    const PluginFolder folder(
        { "Lagwerk.out.so", "Lagwerk.out.so=Lagwerk2.out.so", "Recorder.out.so" });
    StartPluginSlots(folder.Path());
    QCOMPARE(Config.PluginNames,
             QStringList({ "Interne Simulation", "Lagwerk", "Lagwerk #2", "Rekorder" }));
    Config.PluginActive = { false, true, true, false };

    const QObjectList nested = NestedRecorders(Plugins[3].Instance->Object());
    QCOMPARE(nested.size(), 2); // one for each delay plug-in, none for their copies
    DeliverNumbered(20);
    for (QObject *recorder : nested) {
        QCOMPARE(CallsOf(recorder).size(), 1);
        QCOMPARE(FramesOf(recorder).value(18), Numbered(0));
    }
}

void TestLagwerk::failingTargetIsPassedOnAndReportedOnce()
{
    // Its own list: 1 clsInitThrows, 2 clsOutputThrows, 3 its own copy.
    const PluginFolder folder({ "FaultyMembers.out.so", "Lagwerk.out.so", "NotALibrary.out.so" });
    m_settings->Set("Lagwerk.out.so", "UsePlugin", "2");
    m_settings->Set("Lagwerk.out.so", "Size", "1");
    StartPluginSlots(folder.Path());
    QCOMPARE(Config.PluginNames.value(3), QStringLiteral("Lagwerk"));
    Config.PluginActive = { false, false, false, true };

    // Its own host's messages and news reach the player's, like the player's own.
    QCOMPARE(m_messages.Texts.size(), 2);
    QCOMPARE(m_messages.Texts[1],
             "Fehler beim Registrieren des Plugins '" + folder.FilePath("NotALibrary.out.so")
                 + "'.");
    QCOMPARE(m_messages.Captions[1], QStringLiteral("QPZ Plugin Manager"));
    QCOMPARE(m_status.Lines.filter("Lagwerk: Plugin 'clsInitThrows'").size(), 1);
    m_messages.Clear();
    m_status.Lines.clear();

    DeliverNumbered(5);
    QCOMPARE(m_status.Lines.size(), 1);
    QVERIFY2(m_status.Lines[0].contains("Lagwerk") && m_status.Lines[0].contains("clsOutputThrows")
                 && m_status.Lines[0].contains("device unplugged"),
             qPrintable(m_status.Lines[0]));
}

void TestLagwerk::dialogListsTargetsAndChecksTheDelay()
{
    const PluginFolder folder(
        { "Lagwerk.out.so", "Lagwerk.out.so=Lagwerk2.out.so", "Recorder.out.so" });
    StartPluginSlots(folder.Path());
    Config.PluginActive = { false, true, false, false };
    QObject *lagwerk = Plugins[1].Instance->Object();
    // Only the first delay plug-in is active: its recorder is the one that got a frame.
    DeliverNumbered(1);
    QObject *nested = nullptr;
    for (QObject *recorder : NestedRecorders(Plugins[3].Instance->Object()))
        if (FramesOf(recorder).size() == 1)
            nested = recorder;
    QVERIFY(nested);

    QStringList listed;
    QString selected;
    QString delayShown;
    QStringList warnings;
    OnNextModal([&](QWidget *dialog) {
        auto *list = dialog->findChild<QListWidget *>("lstOutputPlugins");
        for (int row = 0; row < list->count(); ++row)
            listed << list->item(row)->text();
        selected = list->currentItem() ? list->currentItem()->text() : QString();
        auto *delay = dialog->findChild<QLineEdit *>("txtDelay");
        delayShown = delay->text();
        Click(dialog, "cmdPluginSettings");
        delay->setText("zwölf");
        CloseNextMessageBox(&warnings, dialog);
        Click(dialog, "cmdOK");
        delay->setText("5");
        Click(dialog, "cmdOK");
    });
    QVERIFY(Plugins[1].Instance->Configure());
    QCOMPARE(listed, QStringList({ "Rekorder" }));
    QCOMPARE(selected, QStringLiteral("Rekorder"));
    QCOMPARE(delayShown, QStringLiteral("18"));
    QCOMPARE(warnings, QStringList({ "Eingegebene Verzögerung ist ungültig (keine Zahl)!" }));
    QCOMPARE(CallsOf(nested).value(1), QStringLiteral("Configure"));
    QCOMPARE(lagwerk->property("Size").toInt(), 5);
    QCOMPARE(lagwerk->property("UsePlugin").toInt(), 3);

    // The new delay waits for the next start: the first call's frame still arrives 18 calls later.
    DeliverNumbered(18);
    QCOMPARE(FramesOf(nested).value(18), Numbered(0));
    StopPluginSlots();
    QCOMPARE(m_settings->Get("Lagwerk.out.so", "Size"), QStringLiteral("5"));
}

void TestLagwerk::dialogWithoutCandidates()
{
    const PluginFolder folder({ "Lagwerk.out.so" });
    StartPluginSlots(folder.Path());
    Config.PluginActive = { false, true };
    int listed = -1;
    OnNextModal([&](QWidget *dialog) {
        listed = dialog->findChild<QListWidget *>("lstOutputPlugins")->count();
        Click(dialog, "cmdPluginSettings");
        dialog->findChild<QLineEdit *>("txtDelay")->setText("3");
        Click(dialog, "cmdOK");
    });
    QVERIFY(Plugins[1].Instance->Configure());
    QCOMPARE(listed, 0);
    QCOMPARE(Plugins[1].Instance->Object()->property("UsePlugin").toInt(), 9999);
    DeliverNumbered(3);
    QVERIFY(m_status.Lines.isEmpty());
}

QTEST_MAIN(TestLagwerk)
#include "TestLagwerk.moc"
