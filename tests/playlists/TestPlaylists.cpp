#include "Recorders.h"

#include "playlists/IniDocument.h"
#include "playlists/PlaylistFile.h"
#include "playlists/PlaylistModel.h"
#include "playlists/modINI.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString Fixture(const char *name)
{
    return QStringLiteral(QPZ_TEST_DATA "/playlists/") + QLatin1String(name);
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

PlaylistEntry Row(const QString &position, bool checked, const QString &description,
                  const QString &filename)
{
    PlaylistEntry entry;
    entry.Position = position;
    entry.Checked = checked;
    entry.Description = description;
    entry.Filename = filename;
    return entry;
}

} // namespace

class TestPlaylists : public QObject
{
    Q_OBJECT

private slots:
    void init() { CurrentPlaylistPath.clear(); }

    void iniReading_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("names ignore case") << "GENERAL"
                                           << "entrycount"
                                           << "3";
        QTest::newRow("value trimmed, quotes removed") << "Entry1"
                                                       << "Description"
                                                       << "Quoted";
        QTest::newRow("empty value gives the default") << "Entry1"
                                                       << "Duration"
                                                       << "<default>";
        QTest::newRow("missing key") << "Entry1"
                                     << "Nope"
                                     << "<default>";
        QTest::newRow("missing section") << "Entry9"
                                         << "Checked"
                                         << "<default>";
        QTest::newRow("first of two sections wins") << "Entry2"
                                                    << "Checked"
                                                    << "0";
        QTest::newRow("Windows-1252") << "Entry1"
                                      << "Transition"
                                      << "Blende schließen";
        QTest::newRow("comment is no key") << "General"
                                           << "; hand-edited"
                                           << "<default>";
    }

    void iniReading()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QCOMPARE(ReadIniValue(Fixture("hand_edited_mixed_case.qpp"), section, key,
                              QStringLiteral("<default>")),
                 value);
    }

    void iniWriting()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("new.ini"));
        QVERIFY(
            WriteIniValue(path, QStringLiteral("A"), QStringLiteral("One"), QStringLiteral("1")));
        QVERIFY(
            WriteIniValue(path, QStringLiteral("B"), QStringLiteral("Two"), QStringLiteral("Ü")));
        QVERIFY(
            WriteIniValue(path, QStringLiteral("a"), QStringLiteral("Three"), QStringLiteral("3")));
        QVERIFY(WriteIniValue(path, QStringLiteral("A"), QStringLiteral("ONE"),
                              QStringLiteral("x\ny")));
        QCOMPARE(ReadAll(path), QByteArray("[A]\r\nONE=x y\r\nThree=3\r\n\r\n[B]\r\nTwo=\xdc\r\n"));

        // Everything else a file holds stays as it was.
        QVERIFY(WriteFile(path, "; keep me\n[Other]\nk = v ; not a comment\n[A]\nOne=1\n"));
        QVERIFY(
            WriteIniValue(path, QStringLiteral("A"), QStringLiteral("One"), QStringLiteral("2")));
        QCOMPARE(ReadAll(path),
                 QByteArray("; keep me\r\n[Other]\r\nk = v ; not a comment\r\n"
                            "[A]\r\nOne=2\r\n"));
        QCOMPARE(ReadIniValue(path, QStringLiteral("other"), QStringLiteral("K"), QString()),
                 QStringLiteral("v ; not a comment"));

        // At most 1023 characters of a value come back.
        QVERIFY(
            WriteIniValue(path, QStringLiteral("A"), QStringLiteral("Long"), QString(1500, u'y')));
        QCOMPARE(ReadIniValue(path, QStringLiteral("A"), QStringLiteral("Long"), QString()).size(),
                 1023);
    }

    void loadHandEditedFile()
    {
        PlaylistModel playlist;
        QVERIFY(LoadPlaylist(playlist, Fixture("hand_edited_mixed_case.qpp")));
        QCOMPARE(CurrentPlaylistPath, Fixture("hand_edited_mixed_case.qpp"));
        QVERIFY(!playlist.Repeat());
        QVERIFY(playlist.Shuffle());
        QCOMPARE(playlist.Count(), 3);

        PlaylistEntry first;
        first.Position = QStringLiteral("1");
        first.Description = QStringLiteral("Quoted");
        first.Repetitions = QStringLiteral("2");
        first.Boost = QStringLiteral("-50%");
        first.Transition = QStringLiteral("Blende schließen");
        first.Filename = QStringLiteral("herz.qlm");
        QCOMPARE(playlist.Entry(0), first);

        QVERIFY(!playlist.Entry(1).Checked);
        QCOMPARE(playlist.Entry(1).Duration, QStringLiteral("2.5s"));
        // A row the file names but does not hold is made of defaults.
        QCOMPARE(playlist.Entry(2), Row(QStringLiteral("3"), true, QString(), QString()));
    }

    void loadEdgeCases()
    {
        PlaylistModel playlist;
        playlist.Append(Row(QStringLiteral("1"), true, QStringLiteral("kept"), QString()));
        playlist.SetRepeat(false);

        // A missing file changes nothing.
        QVERIFY(!LoadPlaylist(playlist, Fixture("does_not_exist.qpp")));
        QCOMPARE(playlist.Count(), 1);
        QVERIFY(CurrentPlaylistPath.isEmpty());

        // Only "General": empty list, repeat on, shuffle off.
        playlist.SetShuffle(true);
        QVERIFY(LoadPlaylist(playlist, Fixture("only_general_no_entrycount.qpp")));
        QCOMPARE(playlist.Count(), 0);
        QVERIFY(playlist.Repeat());
        QVERIFY(!playlist.Shuffle());

        // An absurd count is bounded and said so.
        RecordingStatus status;
        QVERIFY(LoadPlaylist(playlist, Fixture("absurd_entrycount.qpp")));
        QCOMPARE(playlist.Count(), MaxPlaylistEntries);
        QCOMPARE(playlist.Entry(0).Description, QStringLiteral("Erster"));
        QCOMPARE(status.Lines.size(), 1);
    }

    void saveThenLoadRoundTrips()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("list.qpp"));
        PlaylistModel playlist;
        PlaylistEntry movie
            = Row(QStringLiteral("7"), false, QStringLiteral("Herz"), QStringLiteral("herz.qlm"));
        movie.Repetitions = QStringLiteral("3");
        movie.Boost = QStringLiteral("-50%");
        movie.Transition = QStringLiteral("Blende öffnen");
        PlaylistEntry clock = Row(QStringLiteral("2"), true, QStringLiteral("(Digitaluhr)"),
                                  QStringLiteral("[clock 1]"));
        clock.Duration = QStringLiteral("2.5s");
        const PlaylistEntry scroll
            = Row(QStringLiteral("1"), true, QStringLiteral("(Scrolltext: Hallo | R->L)"),
                  QStringLiteral("[scroll|Hallo=Welt; \"x\"|R->L|165|QPZ, 6pt, N]"));
        playlist.Append(movie);
        playlist.Append(clock);
        playlist.Append(scroll);
        playlist.SetRepeat(false);
        playlist.SetShuffle(true);

        QVERIFY(SavePlaylist(playlist, path));
        QCOMPARE(CurrentPlaylistPath, path);
        PlaylistModel loaded;
        QVERIFY(LoadPlaylist(loaded, path));
        QCOMPARE(loaded.Count(), 3);
        QVERIFY(!loaded.Repeat());
        QVERIFY(loaded.Shuffle());
        for (int i = 0; i < 3; ++i) {
            PlaylistEntry expected = playlist.Entry(i);
            expected.Position = QString::number(i + 1); // positions become 1..N
            QCOMPARE(loaded.Entry(i), expected);
        }
        const QByteArray bytes = ReadAll(path);
        QVERIFY(bytes.startsWith("[General]\r\nEditor="));
        QVERIFY(bytes.contains("\r\n\r\n[Entry1]\r\nChecked=0\r\nDescription=Herz\r\nDuration=-\r\n"
                               "Repitions=3\r\nBoost=-50%\r\nTransition=Blende \xf6"
                               "ffnen\r\n"
                               "Filename=herz.qlm\r\n"));

        // A shorter list saved over a longer one: the old sections stay, unread.
        PlaylistModel five;
        for (int i = 1; i <= 5; ++i)
            five.Append(Row(QString::number(i), true, QStringLiteral("Film %1").arg(i), QString()));
        QVERIFY(SavePlaylist(five, path));
        QVERIFY(SavePlaylist(playlist, path));
        QCOMPARE(ReadIniValue(path, "General", "EntryCount", QString()), QStringLiteral("3"));
        QCOMPARE(ReadIniValue(path, "Entry5", "Description", QString()), QStringLiteral("Film 5"));
        QVERIFY(LoadPlaylist(loaded, path));
        QCOMPARE(loaded.Count(), 3);
    }

    void saveEmptyWritesNothing()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("empty.qpp"));
        PlaylistModel playlist;
        QVERIFY(!SavePlaylist(playlist, path));
        QVERIFY(!QFile::exists(path));
        QVERIFY(CurrentPlaylistPath.isEmpty());
    }

    void modelChecksAndSelection()
    {
        PlaylistModel playlist;
        for (int i = 1; i <= 3; ++i)
            playlist.Append(Row(QString::number(i), true, QString(), QString()));
        QCOMPARE(
            playlist.headerData(PlaylistModel::TransitionColumn, Qt::Horizontal, Qt::DisplayRole),
            QVariant(QStringLiteral("Überblendung")));
        const QModelIndex check = playlist.index(1, PlaylistModel::PositionColumn);
        QVERIFY(playlist.flags(check) & Qt::ItemIsUserCheckable);
        QVERIFY(playlist.setData(check, Qt::Unchecked, Qt::CheckStateRole));
        QVERIFY(!playlist.Entry(1).Checked);
        QCOMPARE(playlist.data(check, Qt::CheckStateRole), QVariant(Qt::Unchecked));

        QCOMPARE(playlist.SelectedRow(), -1);
        playlist.Selection()->select(playlist.index(2, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
        playlist.Selection()->select(playlist.index(1, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(playlist.SelectedRow(), 1); // the first in list order
        playlist.SelectRow(0);
        QCOMPARE(playlist.SelectedRow(), 0);
    }
};

QTEST_GUILESS_MAIN(TestPlaylists)
#include "TestPlaylists.moc"
