#include "IKvBaseLog.h"
#include "KvCommunicatorMsg.h"

#include <QtTest>

Q_DECLARE_METATYPE(KvCommunicatorMsg)

class TestKvCommunicatorMsg : public QObject
{
    Q_OBJECT

private:
    QStringList m_errors;

private slots:
    void init()
    {
        m_errors.clear();
        GetGlobalLogInstance()->setObserver([this](IKvBaseLog::Level level, const std::string &line) {
            if (level == IKvBaseLog::Level::Error)
                m_errors << QString::fromStdString(line);
        });
    }
    void cleanup() { GetGlobalLogInstance()->setObserver({}); }

    void roundTrip_data()
    {
        QTest::addColumn<QList<KvCommunicatorMsg>>("messages");
        using M = KvCommunicatorMsg;
        QTest::newRow("no contents") << QList<M>{M("CMD_KORVANE_LOGOUT", {})};
        QTest::newRow("one blank") << QList<M>{M("CMD_REOPEN_APP", {" "})};
        QTest::newRow("empty strings") << QList<M>{M("CMD_KORVANE_LOGOUT", {"", ""})};
        QTest::newRow("json-like and escapes")
            << QList<M>{M("CMD_X", {"a\"b", "back\\slash", "line\nbreak\ttab", "\"}],[{\"cmd\":\"CMD_FAKE\""})};
        QTest::newRow("unicode") << QList<M>{M("CMD_OPEN_PROJECT",
                                               {QString::fromUtf8("/home/ü/项目/🎬.kvproj"),
                                                QString(QChar(0x2028)) + "separator",
                                                QString(QChar(0xFEFF)) + "bom", QString(QChar(0)) + "nul"})};
        QTest::newRow("several, in order")
            << QList<M>{M("CMD_EFFECTSTORE_START", {"0"}), M("CMD_EFFECTSTORE_UPDATETOKEN", {"t"}),
                        M("CMD_EFFECTSTORE_START", {"1"})};
        QTest::newRow("1 MiB content")
            << QList<M>{M("CMD_EFFECTSTORE_PACKDOWNLOAD", {QString(1 << 20, QChar('p')) + QString::fromUtf8("é"), "b"})};
    }
    void roundTrip()
    {
        QFETCH(QList<KvCommunicatorMsg>, messages);
        const QString text = KvCommunicatorMsg::toText(messages);
        // Receivers test for a command with a plain substring search first.
        for (const KvCommunicatorMsg &message : messages)
            QVERIFY(text.contains(message.command()));
        const QList<KvCommunicatorMsg> parsed = KvCommunicatorMsg::buildListFromString(text);
        QCOMPARE(parsed.size(), messages.size());
        for (int i = 0; i < parsed.size(); ++i) {
            QCOMPARE(parsed.at(i).command(), messages.at(i).command());
            QCOMPARE(parsed.at(i).contents(), messages.at(i).contents());
            QCOMPARE(parsed.at(i).firstContent(), messages.at(i).contents().value(0));
        }
        QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join('\n')));
    }

    // A command name inside another message's contents passes the substring
    // test, but only the message that is that command contains it.
    void containsOnlyTheCommandItself()
    {
        const QString text = KvCommunicatorMsg::toText(
            {KvCommunicatorMsg("CMD_REOPEN_APP", {"CMD_OPEN_PROJECT"}),
             KvCommunicatorMsg("CMD_OPEN_PROJECT_LATER", {"/a.kvproj"}),
             KvCommunicatorMsg("CMD_OPEN_PROJECT", {"/b.kvproj"})});
        QVERIFY(text.contains("CMD_OPEN_PROJECT"));
        QStringList opened;
        for (const KvCommunicatorMsg &message : KvCommunicatorMsg::buildListFromString(text)) {
            if (message.contains("CMD_OPEN_PROJECT"))
                opened << message.firstContent();
        }
        QCOMPARE(opened, QStringList{"/b.kvproj"});
        QVERIFY(!KvCommunicatorMsg("CMD_OPEN_PROJECT", {}).contains("cmd_open_project"));
        QVERIFY(KvCommunicatorMsg("CMD_OPEN_PROJECT", {}).firstContent().isEmpty());
    }

    void accepted_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QStringList>("firstContents");
        QTest::newRow("no messages") << "[]" << QStringList() << QStringList();
        QTest::newRow("contents left out") << R"([{"cmd":"CMD_KORVANE_LOGOUT"}])" << QStringList{"CMD_KORVANE_LOGOUT"}
                                           << QStringList{""};
        QTest::newRow("unknown keys ignored")
            << R"([{"cmd":"CMD_A","contents":["x"],"sent":12,"from":{"pid":3}}])" << QStringList{"CMD_A"}
            << QStringList{"x"};
        QTest::newRow("blanks around") << " \n[ {\"contents\" : [\"y\"], \"cmd\" : \"CMD_B\"} ]\n"
                                       << QStringList{"CMD_B"} << QStringList{"y"};
    }
    void accepted()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, commands);
        QFETCH(QStringList, firstContents);
        QStringList gotCommands, gotFirst;
        for (const KvCommunicatorMsg &message : KvCommunicatorMsg::buildListFromString(text)) {
            gotCommands << message.command();
            gotFirst << message.firstContent();
        }
        QCOMPARE(gotCommands, commands);
        QCOMPARE(gotFirst, firstContents);
        QVERIFY(m_errors.isEmpty());
    }

    // Nothing of a malformed text is used, not even its well-formed part.
    void malformed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("plain text") << "CMD_OPEN_PROJECT /a.kvproj";
        QTest::newRow("one object, not a list") << R"({"cmd":"CMD_A","contents":[]})";
        QTest::newRow("element not an object") << R"([["CMD_A"]])";
        QTest::newRow("no command") << R"([{"contents":["x"]}])";
        QTest::newRow("empty command") << R"([{"cmd":"","contents":[]}])";
        QTest::newRow("command not a string") << R"([{"cmd":7}])";
        QTest::newRow("contents not a list") << R"([{"cmd":"CMD_A","contents":"x"}])";
        QTest::newRow("number content") << R"([{"cmd":"CMD_A","contents":["x",1]}])";
        QTest::newRow("second message bad") << R"([{"cmd":"CMD_A","contents":[]},{"cmd":null}])";
        QTest::newRow("truncated") << R"([{"cmd":"CMD_A","contents":["x")";
        QTest::newRow("trailing garbage") << R"([{"cmd":"CMD_A","contents":[]}] [])";
    }
    void malformed()
    {
        QFETCH(QString, text);
        QVERIFY(KvCommunicatorMsg::buildListFromString(text).isEmpty());
        QCOMPARE(m_errors.size(), 1);
        QVERIFY2(m_errors.first().contains("malformed communicator text"), qPrintable(m_errors.first()));
    }
};

QTEST_GUILESS_MAIN(TestKvCommunicatorMsg)
#include "tst_kvcommunicatormsg.moc"
