#include "IKvBaseLog.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtConcurrent>
#include <QtTest>

class TestKvBaseLog : public QObject
{
    Q_OBJECT

private slots:
    void qualifiedName_data()
    {
        QTest::addColumn<QString>("pretty");
        QTest::addColumn<QString>("expected");
        QTest::newRow("virtual member") << "virtual int KorvaneApp::doRun()" << "KorvaneApp::doRun";
        QTest::newRow("arguments") << "void KorvaneApp::runFinished(int, const QString&)" << "KorvaneApp::runFinished";
        QTest::newRow("free function") << "int main(int, char**)" << "main";
        QTest::newRow("template return")
            << "std::map<QString, int> Foo::bar(std::pair<int, int>) const" << "Foo::bar";
        QTest::newRow("template class")
            << "static T* KvLazySingleton<T>::instance() [with T = Foo]" << "KvLazySingleton<T>::instance";
        QTest::newRow("lambda") << "KorvaneApp::init()::<lambda()>" << "KorvaneApp::init";
        QTest::newRow("call operator") << "bool Pred::operator()(int) const" << "Pred::operator()";
        QTest::newRow("pointer return") << "QWidget* Page::widget()" << "Page::widget";
        QTest::newRow("no arguments at all") << "weird" << "weird";
    }
    void qualifiedName()
    {
        QFETCH(QString, pretty);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(KvQualifiedFunctionName(pretty.toUtf8().constData())), expected);
    }

    // Lines from many threads reach the file whole, with file, function and line.
    void writesFileFromManyThreads()
    {
        QTemporaryDir dir;
        IKvBaseLog *log = GetGlobalLogInstance();
        QVERIFY(log->open(dir.filePath("Log"), "app_log"));
        QCOMPARE(log->filePath(), dir.filePath("Log/app_log.log"));

        QVector<int> ids(400);
        std::iota(ids.begin(), ids.end(), 0);
        QtConcurrent::blockingMap(ids, [](int id) { KV_LOG_INFO("line %d %s", id, "x"); });
        KV_LOG_ERROR("long %s", QByteArray(5000, 'y').constData());
        log->close();

        QFile file(dir.filePath("Log/app_log.log"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        int count = 0;
        for (const QByteArray &line : lines) {
            if (line.contains("line ")) {
                ++count;
                QVERIFY2(line.contains("tests/platform/kvcore/log/tst_kvbaselog.cpp:"), line.constData());
                QVERIFY2(line.contains("TestKvBaseLog::writesFileFromManyThreads: line "), line.constData());
            }
        }
        QCOMPARE(count, 400);
        QVERIFY(lines.last().isEmpty());
        QVERIFY(lines.at(lines.size() - 2).endsWith(QByteArray(5000, 'y')));
    }

    void observerSeesLevels()
    {
        QStringList seen;
        GetGlobalLogInstance()->setObserver([&](IKvBaseLog::Level level, const std::string &message) {
            seen << QString::number(int(level)) + QString::fromStdString(message).section(':', -1);
        });
        KV_LOG_TRACE("t");
        KV_LOG_INFO("i");
        KV_LOG_ERROR("e");
        GetGlobalLogInstance()->setObserver({});
        QCOMPARE(seen, QStringList({"0 t", "1 i", "2 e"}));
    }
};

QTEST_GUILESS_MAIN(TestKvBaseLog)
#include "tst_kvbaselog.moc"
