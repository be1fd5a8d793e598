// The plug-in host through the real loader: discovery in name order, display names, files
// that are no plug-ins, plug-ins that fail, registration that hangs, the player's slot set-up
// and shutdown, and the settings of a slot.

#include "PluginTestSupport.h"
#include "Recorders.h"

#include "api/PluginRegistration.h"
#include "api/PluginSlots.h"
#include "display/modQuarnoleds.h"

#include <QtTest>

#include <optional>

class TestPluginHost : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loadsEveryClassInNameOrderWithDistinctNames();
    void turnsAwayFilesThatAreNoOutputPlugins();
    void faultyMembersCostOnlyTheirOwnSlot();
    void abandonsARegistrationThatHangs();
    void freshStartWithoutPlugins();
    void startUpAndShutdownKeepActivationBySlot();
    void configureAndTestLines();

private:
    std::optional<ScratchSettings> m_settings;
    RecordingMessages m_messages;
    RecordingStatus m_status;
};

void TestPluginHost::init()
{
    m_settings.emplace();
    SetDefaultConfig();
    m_messages.Clear();
    m_status.Lines.clear();
}

void TestPluginHost::cleanup()
{
    if (!Plugins.isEmpty())
        StopPluginSlots();
}

void TestPluginHost::loadsEveryClassInNameOrderWithDistinctNames()
{
    const PluginFolder folder({ "TwinRecorders.out.so", "Recorder.out.so" });
    PluginSlots loaded;
    LoadPlugins(loaded, PluginFilePattern(folder.Path()));

    QCOMPARE(loaded.size(), 4);
    QVERIFY(!loaded[0].Instance);
    const QList<QStringList> expected = {
        { "Rekorder", "clsRecorder", "Recorder.out.so" },
        { "Rekorder #2", "clsRecorderA", "TwinRecorders.out.so" },
        { "Rekorder #3", "clsRecorderB", "TwinRecorders.out.so" },
    };
    for (int slot = 1; slot <= 3; ++slot) {
        const PluginSlot &entry = loaded[slot];
        QCOMPARE(QStringList({ entry.DisplayName, entry.ClassName, entry.FileName }),
                 expected[slot - 1]);
        QCOMPARE(Ask<QString>(entry.Instance->Object(), "ClassName"), entry.ClassName);
    }
    QVERIFY(loaded[2].Instance->Object() != loaded[3].Instance->Object());
    QVERIFY(m_messages.Texts.isEmpty());
}

void TestPluginHost::turnsAwayFilesThatAreNoOutputPlugins()
{
    qunsetenv("QPZ_FOREIGN_PLUGIN_LOADED");
    qunsetenv("QPZ_PLAIN_LIBRARY_LOADED");
    const PluginFolder folder({ "NotALibrary.out.so", "PlainLibrary.out.so",
                                "ForeignQtPlugin.out.so", "Recorder.out.so" });
    PluginSlots loaded;
    LoadPlugins(loaded, PluginFilePattern(folder.Path()));

    QCOMPARE(loaded.size(), 2);
    QCOMPARE(loaded[1].FileName, QStringLiteral("Recorder.out.so"));
    QCOMPARE(m_messages.Texts.size(), 3);
    const QStringList rejected
        = { "ForeignQtPlugin.out.so", "NotALibrary.out.so", "PlainLibrary.out.so" };
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(m_messages.Texts[i],
                 "Fehler beim Registrieren des Plugins '" + folder.FilePath(rejected[i]) + "'.");
        QCOMPARE(m_messages.Captions[i], QStringLiteral("QPZ Plugin Manager"));
        QCOMPARE(m_messages.Icons[i], MessageIcon::Critical);
    }
    // Turned away from their metadata: their static initialisers never ran.
    QVERIFY(qEnvironmentVariableIsEmpty("QPZ_FOREIGN_PLUGIN_LOADED"));
    QVERIFY(qEnvironmentVariableIsEmpty("QPZ_PLAIN_LIBRARY_LOADED"));
}

void TestPluginHost::faultyMembersCostOnlyTheirOwnSlot()
{
    const PluginFolder folder({ "FaultyMembers.out.so", "Recorder.out.so" });
    StartPluginSlots(folder.Path());

    QCOMPARE(Config.PluginNames,
             QStringList({ "Interne Simulation", "clsInitThrows", "clsOutputThrows", "Rekorder" }));
    // One piece of news for each class that got no slot and for the Init that threw.
    const QStringList reported
        = { "clsNoOutput", "clsWrongFrame", "clsUnknown", "clsNameThrows", "clsInitThrows" };
    QCOMPARE(m_status.Lines.size(), reported.size());
    for (int i = 0; i < reported.size(); ++i)
        QVERIFY2(m_status.Lines[i].contains(reported[i]), qPrintable(m_status.Lines[i]));
    QVERIFY(m_status.Lines[1].contains("OutputToDevice(int)"));
    QVERIFY(m_messages.Texts.isEmpty());

    // A plug-in that throws on every frame is reported once; the others still get every frame.
    m_status.Lines.clear();
    Config.PluginActive = { false, true, true, true };
    for (int frame = 0; frame < 5; ++frame) {
        CurrentFrame.Set(frame + 1, 1, true);
        OutputFrame(false, false);
    }
    QCOMPARE(FramesOf(Plugins[3].Instance->Object()).size(), 5);
    QCOMPARE(Ask<int>(Plugins[2].Instance->Object(), "OutputCalls"), 5);
    QCOMPARE(m_status.Lines.size(), 1);
    QVERIFY(m_status.Lines[0].contains("clsOutputThrows")
            && m_status.Lines[0].contains("device unplugged"));
    QVERIFY(m_messages.Texts.isEmpty());
}

void TestPluginHost::abandonsARegistrationThatHangs()
{
    const PluginFolder folder({ "HangsOnRegistration.out.so", "Recorder.out.so" });
    QElapsedTimer clock;
    clock.start();
    PluginSlots loaded;
    LoadPlugins(loaded, PluginFilePattern(folder.Path()));

    QVERIFY(clock.elapsed() >= RegistrationTimeoutMs);
    QCOMPARE(m_messages.Texts.size(), 1);
    QCOMPARE(m_messages.Texts[0],
             "Fehler beim Registrieren des Plugins '"
                 + folder.FilePath("HangsOnRegistration.out.so") + "'.");
    QCOMPARE(loaded.size(), 2);
    QCOMPARE(loaded[1].FileName, QStringLiteral("Recorder.out.so"));
}

void TestPluginHost::freshStartWithoutPlugins()
{
    const PluginFolder folder({});
    StartPluginSlots(folder.Path());

    QCOMPARE(Plugins.size(), 1);
    QCOMPARE(Plugins[0].DisplayName, SimulationDisplayName);
    QCOMPARE(Plugins[0].FileName, QStringLiteral("[Internal Simulation]"));
    QCOMPARE(Config.PluginActive, QList<bool>({ true }));
    QCOMPARE(m_settings->Get("[Internal Simulation]", "Active"), QStringLiteral("1"));

    // Once the key exists, a "0" there is not overwritten and does not switch the slot on.
    StopPluginSlots();
    m_settings->Set("[Internal Simulation]", "Active", "0");
    SetDefaultConfig();
    StartPluginSlots(folder.Path());
    QCOMPARE(Config.PluginActive, QList<bool>({ false }));
    QCOMPARE(m_settings->Get("[Internal Simulation]", "Active"), QStringLiteral("0"));
}

void TestPluginHost::startUpAndShutdownKeepActivationBySlot()
{
    const PluginFolder folder({ "Recorder.out.so", "TwinRecorders.out.so" });
    m_settings->Set("Recorder.out.so", "Active", "1");
    m_settings->Set("TwinRecorders.out.so", "Active", "0");
    // As read from QPZ.cfg: slot 2 was active when the file was written.
    Config.PluginActive = { false, false, true };
    Config.PluginNames = { "", "", "old" };

    StartPluginSlots(folder.Path());
    QCOMPARE(Config.PluginNames,
             QStringList({ "Interne Simulation", "Rekorder", "Rekorder #2", "Rekorder #3" }));
    QCOMPARE(Config.PluginActive, QList<bool>({ true, true, true, false }));
    QList<QObject *> recorders;
    QList<std::shared_ptr<PluginInstance>> keepAlive;
    for (int slot = 1; slot <= 3; ++slot) {
        recorders.append(Plugins[slot].Instance->Object());
        keepAlive.append(Plugins[slot].Instance);
        QCOMPARE(CallsOf(recorders.last()),
                 QStringList({ "Init QuarnoPlayer ZORVIK|" + Plugins[slot].FileName }));
    }

    CurrentFrame.Set(3, 4, true);
    OutputFrame(false, false);
    QCOMPARE(FramesOf(recorders[0]), QList<LedFrame>({ FrameWith({ { 3, 4 } }) }));
    QCOMPARE(FramesOf(recorders[1]).size(), 1);
    QCOMPARE(FramesOf(recorders[2]).size(), 0);

    // Each slot's key is written just before its Term; slots of one file share the key.
    Config.PluginActive = { true, false, true, false };
    StopPluginSlots();
    QCOMPARE(CallsOf(recorders[0]).last(), QStringLiteral("Term Active=0"));
    QCOMPARE(CallsOf(recorders[1]).last(), QStringLiteral("Term Active=1"));
    QCOMPARE(CallsOf(recorders[2]).last(), QStringLiteral("Term Active=0"));
    QCOMPARE(m_settings->Get("Recorder.out.so", "Active"), QStringLiteral("0"));
    QCOMPARE(m_settings->Get("TwinRecorders.out.so", "Active"), QStringLiteral("0"));
    QCOMPARE(m_settings->Get("[Internal Simulation]", "Active"), QStringLiteral("1"));

    // Stopped slots are no longer reached.
    CurrentFrame.Set(1, 1, true);
    OutputFrame(false, false);
    QCOMPARE(FramesOf(recorders[0]).size(), 1);
}

void TestPluginHost::configureAndTestLines()
{
    const PluginFolder folder({ "Recorder.out.so" });
    StartPluginSlots(folder.Path());

    ConfigurePlugin(0);
    QCOMPARE(m_messages.Texts.size(), 1);
    QCOMPARE(m_messages.Texts[0], QStringLiteral("Keine weiteren Einstellungen nötig."));
    QCOMPARE(m_messages.Icons[0], MessageIcon::Information);
    ConfigurePlugin(1);
    ConfigurePlugin(2); // no such slot
    QCOMPARE(m_messages.Texts.size(), 1);

    PluginInstance &recorder = *Plugins[1].Instance;
    QVERIFY(recorder.SetData(3, true));
    QVERIFY(recorder.SetClock(false));
    // The recorder has no strobe or output-enable line: skipped without an error.
    QString error;
    QVERIFY(!recorder.Offers(PluginInstance::MemberSetStrobe));
    QVERIFY(recorder.SetStrobe(true, &error) && recorder.SetOE(true, &error));
    QVERIFY(error.isEmpty());
    QCOMPARE(CallsOf(recorder.Object()).mid(1),
             QStringList({ "Configure", "SetData 3 1", "SetClock 0" }));
}

QTEST_MAIN(TestPluginHost)
#include "TestPluginHost.moc"
