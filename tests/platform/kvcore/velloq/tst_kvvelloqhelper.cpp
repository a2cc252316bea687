#include "KvVelloqHelper.h"

#include "KvTestLog.h"

#include <QtTest>

class TestKvVelloqHelper : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<bool>("started");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("pwd");
        QTest::addColumn<bool>("logsError");

        const QString p = "-velloqparam:";
        QTest::newRow("absent") << "" << false << "" << "" << "" << "" << false;
        QTest::newRow("blank") << "   " << false << "" << "" << "" << "" << false;
        QTest::newRow("prefix only") << p << true << "" << "" << "" << "" << false;
        QTest::newRow("everything")
            << p + "user=alice&pwd=secret&tplurl=https://cdn.example.com/t.zip&tplname=Wedding"
            << true << "https://cdn.example.com/t.zip" << "Wedding" << "alice" << "secret" << false;
        QTest::newRow("percent-encoded")
            << p + "tplurl=https%3A%2F%2Fcdn.example.com%2Ft%3Fid%3D1%26v%3D2&tplname=My%20T%C3%A9mplate%26Co&user=a%40b.c&pwd=p%2Bw%3Dd%25"
            << true << "https://cdn.example.com/t?id=1&v=2" << QString::fromUtf8("My Témplate&Co") << "a@b.c" << "p+w=d%" << false;
        QTest::newRow("plus is a plus") << p + "user=a+b&pwd=c+d" << true << "" << "" << "a+b" << "c+d" << false;
        QTest::newRow("keys in any order, empty items skipped")
            << p + "&tplname=N&&tplurl=http://h/x&" << true << "http://h/x" << "N" << "" << "" << false;
        QTest::newRow("unknown keys ignored")
            << p + "source=velloq&v=2&tplurl=http://h/x&tplname=N" << true << "http://h/x" << "N" << "" << "" << false;
        QTest::newRow("text before the prefix")
            << "\"C:/Program Files/Korvane.exe\" " + p + "user=u&pwd=w" << true << "" << "" << "u" << "w" << false;
        QTest::newRow("quoted") << p + "\"user=u&pwd=w\"" << true << "" << "" << "u" << "w" << false;
        QTest::newRow("user without password") << p + "user=u" << true << "" << "" << "" << "" << false;
        QTest::newRow("empty password") << p + "user=u&pwd=" << true << "" << "" << "" << "" << false;
        QTest::newRow("template without name")
            << p + "tplurl=https://h/t&user=u&pwd=w" << true << "" << "" << "u" << "w" << true;
        QTest::newRow("template without url") << p + "tplname=N" << true << "" << "" << "" << "" << true;
        QTest::newRow("template from a local file")
            << p + "tplurl=file:///etc/passwd&tplname=N" << true << "" << "" << "" << "" << true;
        QTest::newRow("template address without host") << p + "tplurl=https:&tplname=N" << true << "" << "" << "" << "" << true;
        QTest::newRow("no prefix") << "user=u&pwd=w" << false << "" << "" << "" << "" << true;
        QTest::newRow("item without '='") << p + "user=u&garbage" << false << "" << "" << "" << "" << true;
        QTest::newRow("empty key") << p + "=x&user=u&pwd=w" << false << "" << "" << "" << "" << true;
        QTest::newRow("duplicate key") << p + "user=u&pwd=w&user=v" << false << "" << "" << "" << "" << true;
        QTest::newRow("stray percent") << p + "user=100%&pwd=w" << false << "" << "" << "" << "" << true;
        QTest::newRow("truncated escape") << p + "user=u&pwd=w%4" << false << "" << "" << "" << "" << true;
        QTest::newRow("non-hex escape") << p + "user=%G1&pwd=w" << false << "" << "" << "" << "" << true;
        QTest::newRow("not UTF-8") << p + "user=%FF%FE&pwd=w" << false << "" << "" << "" << "" << true;
        QTest::newRow("binary junk") << p + QString::fromLatin1("\x01\x02%%%&&==\x7f") << false << "" << "" << "" << "" << true;
    }
    void parse()
    {
        QFETCH(QString, argument);
        QFETCH(bool, started);
        QFETCH(QString, url);
        QFETCH(QString, name);
        QFETCH(QString, user);
        QFETCH(QString, pwd);
        QFETCH(bool, logsError);

        KvTestLog log;
        KvVelloqHelper helper;
        helper.parseStartParams(argument);
        QCOMPARE(helper.isAppStartByVelloq(), started);
        const QVariantMap expectedMap =
            url.isEmpty() ? QVariantMap() : QVariantMap{{"url", url}, {"name", name}};
        QCOMPARE(helper.getPrjTemplateMap(), expectedMap);
        QCOMPARE(helper.getUserPwdPair(), qMakePair(user, pwd));
        QCOMPARE(log.errors().size(), logsError ? 1 : 0);
        // Credentials never reach the log.
        if (!pwd.isEmpty())
            QVERIFY(!log.lines().join('\n').contains(pwd));
    }

    void laterCallReplacesEarlier()
    {
        KvVelloqHelper helper;
        helper.parseStartParams("-velloqparam:user=u&pwd=w&tplurl=https://h/t&tplname=N");
        QVERIFY(!helper.getPrjTemplateMap().isEmpty());
        const KvVelloqHelper copy = helper;

        helper.parseStartParams("-velloqparam:user=u");
        QVERIFY(helper.getPrjTemplateMap().isEmpty());
        QCOMPARE(helper.getUserPwdPair(), qMakePair(QString(), QString()));
        helper.parseStartParams(QString());
        QVERIFY(!helper.isAppStartByVelloq());
        // A copy keeps its own state.
        QCOMPARE(copy.getPrjTemplateMap().value("name").toString(), QString("N"));
    }
};

QTEST_GUILESS_MAIN(TestKvVelloqHelper)
#include "tst_kvvelloqhelper.moc"
