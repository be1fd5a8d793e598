#include "Recorders.h"
#include "config/ConfigFile.h"
#include "config/ConfigRecord.h"
#include "config/modConfig.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray Fixture(const QString &name)
{
    QFile file(QStringLiteral(QPZ_TEST_DATA "/config/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The defaults as they stand with two plug-in slots, the simulation active.
ConfigRecord TwoSlotDefaults()
{
    SetDefaultConfig();
    ConfigRecord record = Config;
    record.MoviesDir = QStringLiteral("/opt/qpz");
    record.PluginNames = {QStringLiteral("Interne Simulation"), QStringLiteral("UDP-Ausgabe")};
    record.PluginActive = {true, false};
    return record;
}

} // namespace

class TestConfig : public QObject
{
    Q_OBJECT

    RecordingMessages messages;
    QTemporaryDir folder;

    QString PathOf(const QString &name) const { return folder.filePath(name); }

    QString Install(const QString &fixture)
    {
        const QString path = PathOf(QStringLiteral("QPZ.cfg"));
        QFile::remove(path);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(Fixture(fixture));
        return path;
    }

private slots:
    void init()
    {
        messages.Clear();
    }

    void defaults()
    {
        SetDefaultConfig();
        QVERIFY(Config.OutputEnabled);
        QCOMPARE(Config.InputMode, QString("Internem Generator"));
        QCOMPARE(Config.UDPInPort, 2323);
        QCOMPARE(Config.ServerHost, QString("localhost"));
        QCOMPARE(Config.ServerPort, 9828);
        QCOMPARE(Config.LedOnColor, OleColor(255));
        QCOMPARE(Config.LedOffColor, OleColor(0x8000000F));
        QCOMPARE(Config.PluginNames.size(), 1);
        QCOMPARE(Config.PluginActive.size(), 1);
        QCOMPARE(Config.MoviesDir, ProgramFolder());
    }

    void writesTheDocumentedBytes()
    {
        QCOMPARE(ConfigFile::Write(TwoSlotDefaults()), Fixture("DefaultsTwoSlots.cfg"));
    }

    void readsTheDocumentedBytes()
    {
        const ConfigRecord expected = TwoSlotDefaults();
        LoadConfig(Install("DefaultsTwoSlots.cfg"));
        QVERIFY(messages.Texts.isEmpty());
        QCOMPARE(Config, expected);
    }

    void roundTripKeepsEveryField()
    {
        SetDefaultConfig();
        Config.MoviesDir = QStringLiteral("/home/anna/Filme äöü");
        Config.OutputEnabled = false;
        Config.PluginNames = {"Interne Simulation", "UDP-Ausgabe", "Lagwerk"};
        Config.PluginActive = {true, false, true};
        Config.InputMode = InputModeNames[1];
        Config.UDPInPort = 4000;
        Config.OfflineMode = Config.RemoteEnabled = Config.RemotePasswordRequired = true;
        Config.RemotePassword = QString(); // empty, stored with length 0
        Config.ServerHost = QStringLiteral("tafel.local");
        Config.ServerPort = 1;
        Config.KeepConnection = false;
        Config.Reaction = 0;
        Config.SamplingRate = 250;
        Config.Stretch = 20;
        Config.LastPlaylist = QStringLiteral("/home/anna/party.qpp");
        Config.LedOnColor = 0x00FF00;
        Config.LedOffColor = 0x202020;
        const ConfigRecord written = Config;
        const QString path = PathOf(QStringLiteral("roundtrip.cfg"));
        QVERIFY(SaveConfig(path));

        LoadConfig(path);
        QCOMPARE(Config, written);
        QVERIFY(messages.Texts.isEmpty());
    }

    void foreignFilesAreIgnoredSilently_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::newRow("other marker") << "ForeignMarker.cfg";
        QTest::newRow("shorter than the marker") << "ShortMarker.cfg";
    }
    void foreignFilesAreIgnoredSilently()
    {
        QFETCH(QString, fixture);
        LoadConfig(Install(fixture));
        QVERIFY(messages.Texts.isEmpty());
        const ConfigRecord loaded = Config;
        SetDefaultConfig();
        QCOMPARE(loaded, Config);
    }

    void brokenFilesAreReportedAndPartlyRead()
    {
        LoadConfig(Install("TruncatedInServerHost.cfg"));
        QCOMPARE(messages.Texts.size(), 1);
        QCOMPARE(messages.Icons[0], MessageIcon::Critical);
        QCOMPARE(messages.Texts[0],
                 QString("Fehler beim Laden der Konfigurationsdatei:\n62: Input past end of "
                         "file\nVermutich ist die Datei korrupt."));
        // Fields before the break hold the file's values, later texts are empty and later
        // numbers keep their defaults.
        QCOMPARE(Config.MoviesDir, QString("/opt/qpz"));
        QCOMPARE(Config.PluginNames.size(), 2);
        QCOMPARE(Config.RemotePassword, QString());
        QCOMPARE(Config.ServerHost, QString());
        QCOMPARE(Config.ServerPort, 9828);
        QCOMPARE(Config.LastPlaylist, QString());
    }

    void absurdListCountDoesNotAllocate()
    {
        LoadConfig(Install("AbsurdListCount.cfg"));
        QCOMPARE(messages.Texts.size(), 1);
        QVERIFY(Config.PluginNames.isEmpty());
    }

    void firstStartCreatesAnEmptyFile()
    {
        const QString path = PathOf(QStringLiteral("fresh.cfg"));
        LoadConfig(path);
        QVERIFY(messages.Texts.isEmpty());
        QVERIFY(QFile::exists(path));
        QCOMPARE(QFile(path).size(), 0);
        QCOMPARE(Config.InputMode, InputModeNames[0]);
    }

    void saveReplacesALongerFileCompletely()
    {
        const QString path = PathOf(QStringLiteral("longer.cfg"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        SetDefaultConfig();
        QVERIFY(SaveConfig(path));
        QCOMPARE(QFile(path).size(), ConfigFile::Write(Config).size());
    }

    void unwritableLocationsFailWithoutEndingTheProgram()
    {
        const QString path = PathOf(QStringLiteral("missing-folder/QPZ.cfg"));
        SetDefaultConfig();
        QString error;
        QVERIFY(!SaveConfig(path, &error));
        QVERIFY(!error.isEmpty());

        LoadConfig(path);
        QCOMPARE(messages.Texts.size(), 1);
        QVERIFY(messages.Texts[0].startsWith("Fehler beim Laden der Konfigurationsdatei:\n75: "));
    }
};

QTEST_GUILESS_MAIN(TestConfig)
#include "TestConfig.moc"
