#include "Recorders.h"

#include "config/ConfigRecord.h"
#include "net/modAnsiAscii.h"
#include "net/modNet.h"
#include "text/ScrollEntry.h"
#include "util/Ansi.h"

#include <QHash>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

namespace {

// A display server on the loopback interface: greets each connection and answers each
// command line with the reply set for it, in raw bytes.
class FakeServer : public QObject
{
public:
    explicit FakeServer(bool greets = true, bool answers = true)
        : m_greets(greets), m_answers(answers)
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        connect(&m_server, &QTcpServer::newConnection, this, [this] { Accept(); });
    }

    qint32 Port() const { return m_server.serverPort(); }

    QHash<QByteArray, QByteArray> Replies;
    QList<QByteArray> Commands;
    int Connections = 0;

private:
    void Accept()
    {
        while (QTcpSocket *client = m_server.nextPendingConnection()) {
            ++Connections;
            if (m_greets)
                client->write("Tafelwerk 1.0 bereit\r\n");
            connect(client, &QIODevice::readyRead, this, [this, client] { Read(client); });
        }
    }

    void Read(QTcpSocket *client)
    {
        while (client->canReadLine()) {
            const QByteArray command = client->readLine().chopped(2);
            Commands << command;
            if (m_answers)
                client->write(Replies.value(command, "?\r\n"));
        }
    }

    QTcpServer m_server;
    bool m_greets;
    bool m_answers;
};

// A command as it travels: Windows-1252, so "§" is one byte.
QByteArray Wire(const QString &command)
{
    return UnicodeToAnsi(command);
}

const QString Unreachable = QStringLiteral("Tafelwerk konnte nicht kontaktiert werden!");

} // namespace

class TestNet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Silent servers are given up on sooner than in the program.
        timTimeout().setInterval(300);
    }

    void init()
    {
        SetDefaultConfig();
        Config.ServerHost = QStringLiteral("127.0.0.1");
        wskMain().abort();
        ServerBusy = false;
        ServerWarned = false;
        m_messages.Clear();
    }

    void serverTextToAnsi_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("text");
        QTest::newRow("246") << QByteArray("\xf6") << "Ö";
        QTest::newRow("228") << QByteArray("\xe4") << "Ä";
        QTest::newRow("252") << QByteArray("\xfc") << "Ü";
        QTest::newRow("225") << QByteArray("\xe1") << "ä";
        QTest::newRow("239") << QByteArray("\xef") << "ö";
        QTest::newRow("245") << QByteArray("\xf5") << "ü";
        QTest::newRow("226") << QByteArray("\xe2") << "ß";
        // The later steps' results are not converted again.
        QTest::newRow("in order") << QByteArray("Gr\xef\xe2"
                                                "e \xe1\xe4\xf5\xfc\xef\xf6")
                                  << "Größe äÄüÜöÖ";
        QTest::newRow("others stay") << QByteArray("a\xe9\x80") << "aé€";
    }
    void serverTextToAnsi()
    {
        QFETCH(QByteArray, reply);
        QTEST(AnsiToUnicode(ServerTextToAnsi(reply)), "text");
    }

    // The placeholders of a scroll text, filled from a server in either mode.
    void placeholders_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("resolved");
        QTest::addColumn<int>("questions");
        for (const bool keep : { true, false }) {
            const char *mode = keep ? "kept: " : "open-and-close: ";
            QTest::addRow("%splain value", mode) << keep << "Es sind $temp§ Grad"
                                                 << "Es sind 21 Grad" << 1;
            QTest::addRow("%sstatus answer", mode) << keep << "Heute: $status§"
                                                   << "Heute: sonnig und warm" << 1;
            QTest::addRow("%ssame twice", mode) << keep << "$temp§ und $temp§"
                                                << "21 und 21" << 1;
            QTest::addRow("%stwo", mode) << keep << "$temp§, $ort§"
                                         << "21, Köln" << 2;
        }
    }
    void placeholders()
    {
        QFETCH(bool, keep);
        QFETCH(QString, text);
        FakeServer server;
        server.Replies = { { Wire("getvar $temp§"), Wire("$21§\r\n") },
                           { Wire("getvar $status§"), "200 VAR    sonnig und warm\r\n" },
                           { Wire("getvar $ort§"), "K\xefln\r\n" } };
        Config.ServerPort = server.Port();
        Config.KeepConnection = keep;
        if (keep)
            ConnectTafelwerk();

        QTEST(ResolvePlaceholders(text, AskTafelwerk), "resolved");
        QTEST(int(server.Commands.size()), "questions");
        // A kept connection serves every question; otherwise each has its own.
        QCOMPARE(server.Connections, keep ? 1 : server.Commands.size());
        QVERIFY(!ServerBusy);
        QVERIFY(m_messages.Texts.isEmpty());
    }

    // When the kept connection is down, a call connects again and is still answered.
    void keptConnectionIsRestored()
    {
        FakeServer server;
        server.Replies = { { Wire("getvar $temp§"), "21\r\n" } };
        Config.ServerPort = server.Port();
        QCOMPARE(AskTafelwerk("getvar $temp§"), "21\r\n");
        wskMain().abort();
        QCOMPARE(AskTafelwerk("getvar $temp§"), "21\r\n");
        QCOMPARE(server.Connections, 2);
        QCOMPARE(AskTafelwerk("getvar $temp§"), "21\r\n");
        QCOMPARE(server.Connections, 2);
    }

    void silentServerWarnsOnceWhenOpeningAndClosing_data()
    {
        QTest::addColumn<bool>("greets");
        QTest::newRow("no greeting") << false;
        QTest::newRow("no answer") << true;
    }
    void silentServerWarnsOnceWhenOpeningAndClosing()
    {
        QFETCH(bool, greets);
        FakeServer server(greets, false);
        Config.ServerPort = server.Port();
        Config.KeepConnection = false;
        QCOMPARE(AskTafelwerk("getvar $temp§"), QString());
        QCOMPARE(AskTafelwerk("getvar $temp§"), QString());
        QCOMPARE(m_messages.Texts, QStringList { Unreachable });
        QCOMPARE(m_messages.Icons, QList<MessageIcon> { MessageIcon::NoIcon });
        QVERIFY(ServerWarned);
        QVERIFY(!ServerBusy);
        QCOMPARE(wskMain().state(), QAbstractSocket::UnconnectedState);
    }

    void silentServerIsQuietWithKeptConnection_data()
    {
        QTest::addColumn<bool>("greets");
        QTest::newRow("no greeting") << false;
        QTest::newRow("no answer") << true;
    }
    void silentServerIsQuietWithKeptConnection()
    {
        QFETCH(bool, greets);
        FakeServer server(greets, false);
        Config.ServerPort = server.Port();
        ConnectTafelwerk();
        QCOMPARE(AskTafelwerk("getvar $temp§"), QString());
        QVERIFY(m_messages.Texts.isEmpty());
        QVERIFY(!ServerWarned);
    }

    void noServerWarnsOnce()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        Config.ServerPort = closed.serverPort();
        closed.close();
        Config.KeepConnection = false;
        QCOMPARE(AskTafelwerk("getvar $temp§"), QString());
        QCOMPARE(AskTafelwerk("getvar $temp§"), QString());
        QCOMPARE(m_messages.Texts, QStringList { Unreachable });
    }

    void nothingToAsk_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("command");
        QTest::newRow("no host") << "" << -1 << "getvar $temp§";
        QTest::newRow("port 0") << "127.0.0.1" << 0 << "getvar $temp§";
        QTest::newRow("no command") << "127.0.0.1" << -1 << "";
    }
    void nothingToAsk()
    {
        QFETCH(QString, host);
        QFETCH(int, port);
        QFETCH(QString, command);
        FakeServer server;
        for (const bool keep : { true, false }) {
            Config.KeepConnection = keep;
            QCOMPARE(CommunicateTafelwerk(wskMain(), timTimeout(), host,
                                          port < 0 ? server.Port() : port, command),
                     QString());
        }
        QTest::qWait(20);
        QCOMPARE(server.Connections, 0);
        QVERIFY(m_messages.Texts.isEmpty());
    }

    void portOutOfRangeIsReported()
    {
        Config.KeepConnection = false;
        QCOMPARE(CommunicateTafelwerk(wskMain(), timTimeout(), "127.0.0.1", 70000, "getvar $a§"),
                 QString());
        QCOMPARE(m_messages.Texts.size(), 1);
        QVERIFY(m_messages.Texts[0].startsWith("Fehler in 'CommunicateTafelwerk' (Zeile 1): "));
    }

    // An exchange that finds another one running (further down the same call stack) gives up
    // after the time-out instead of taking over its endpoint.
    void busyExchangeIsLeftAlone()
    {
        FakeServer server;
        Config.ServerPort = server.Port();
        Config.KeepConnection = false;
        ServerBusy = true;
        QCOMPARE(AskTafelwerk("getvar $temp§"), QString());
        QVERIFY(ServerBusy);
        QCOMPARE(server.Connections, 0);
        QVERIFY(m_messages.Texts.isEmpty());
    }

    void keptConnectionOpensAndCloses()
    {
        FakeServer server;
        Config.ServerPort = server.Port();
        ConnectTafelwerk();
        QTRY_COMPARE(server.Connections, 1);
        QTRY_COMPARE(wskMain().state(), QAbstractSocket::ConnectedState);
        DisconnectTafelwerk();
        QCOMPARE(wskMain().state(), QAbstractSocket::UnconnectedState);

        Config.KeepConnection = false;
        ConnectTafelwerk();
        QTest::qWait(20);
        QCOMPARE(server.Connections, 1);
    }

private:
    RecordingMessages m_messages; // installed while the test object lives
};

QTEST_GUILESS_MAIN(TestNet)
#include "TestNet.moc"
