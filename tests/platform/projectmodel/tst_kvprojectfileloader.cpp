#include "../commonview/KvLargeProject.h"
#include "IKvProjectManager.h"
#include "KvProjectFileLoader.h"

#include <QtConcurrent>
#include <QtTest>

Q_DECLARE_METATYPE(KvProjectFile::ReadResult)

namespace {

struct Read
{
    KvProjectFile::ReadResult result = KvProjectFile::ReadResult::Missing;
    KvProjectData data;
    QString error;
};

Read readDirectly(const QString &path)
{
    Read read;
    read.result = KvProjectFile::read(path, &read.data, &read.error);
    return read;
}

} // namespace

// The loader answers exactly what a direct read answers, whichever way it
// reads, and the GUI thread's loop turns only while a large file is read.
class TestKvProjectFileLoader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void readsAsTheFileDoes_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file, empty: a folder
        QTest::addColumn<KvProjectFile::ReadResult>("result");
        QTest::addColumn<bool>("turnsLoop");

        using R = KvProjectFile::ReadResult;
        const QByteArray large = KvLargeProject::json(20000);
        QVERIFY(large.size() > KvProjectFileLoader::kDirectReadLimit);
        QTest::newRow("small") << KvLargeProject::json(10) << R::Ok << false;
        QTest::newRow("large") << large << R::Ok << true;
        QTest::newRow("large, cut off") << large.left(large.size() - 3) << R::NotJson << true;
        QTest::newRow("large, newer version") << KvLargeProject::json(20000, 2) << R::NewerVersion << true;
        QTest::newRow("large, not a project") << QByteArray(large).replace("korvane-project", "other-project")
                                              << R::WrongShape << true;
        QTest::newRow("missing") << QByteArray() << R::Missing << false;
        QTest::newRow("folder") << QByteArray("") << R::NotAFile << false;
    }
    void readsAsTheFileDoes()
    {
        QFETCH(QByteArray, content);
        QFETCH(KvProjectFile::ReadResult, result);
        QFETCH(bool, turnsLoop);
        const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".kvproj");
        if (content.isNull())
            QVERIFY(!QFileInfo::exists(path));
        else if (content.isEmpty())
            QVERIFY(QDir().mkpath(path));
        else
            QVERIFY(KvLargeProject::write(path, content));

        const Read direct = readDirectly(path);
        QCOMPARE(direct.result, result);
        bool turned = false;
        QObject turns; // a timer that did not fire dies with it
        QTimer::singleShot(0, &turns, [&] { turned = true; });
        KvProjectData data;
        data.name = "untouched";
        QString error;
        QCOMPARE(KvProjectFileLoader::read(path, &data, &error), result);
        QCOMPARE(turned, turnsLoop);
        QCOMPARE(error, direct.error);
        if (result == KvProjectFile::ReadResult::Ok)
            QCOMPARE(data, direct.data);
        else
            QCOMPARE(data.name, QStringLiteral("untouched"));
    }

    // A worker thread has no loop to turn: it reads directly.
    void fromAWorker()
    {
        const QString path = m_dir.filePath("worker.kvproj");
        QVERIFY(KvLargeProject::write(path, KvLargeProject::json(20000)));
        QFuture<Read> future = QtConcurrent::run([path] {
            Read read;
            read.result = KvProjectFileLoader::read(path, &read.data, &read.error);
            return read;
        });
        QTRY_VERIFY_WITH_TIMEOUT(future.isFinished(), 20000);
        QCOMPARE(future.result().result, KvProjectFile::ReadResult::Ok);
        QCOMPARE(future.result().data, readDirectly(path).data);
    }

    void managerBusyWhileReading()
    {
        const QString path = m_dir.filePath("manager.kvproj");
        QVERIFY(KvLargeProject::write(path, KvLargeProject::json(20000)));
        IKvProjectManager *manager = IKvProjectManager::getInstance();
        int busyTurns = 0;
        QObject turns;
        QTimer::singleShot(0, &turns, [&] { busyTurns += manager->isBusy() ? 1 : 0; });
        QCOMPARE(manager->openProject(path), KvProjectFile::ReadResult::Ok);
        QCOMPARE(busyTurns, 1);
        QVERIFY(!manager->isBusy());
        QCOMPARE(manager->currentProject()->clips().size(), 20000);
        IKvProjectManager::releaseInstance();
    }

    // Quitting ends every event loop at once; the read still finishes whole.
    void quitDuringTheRead()
    {
        const QString path = m_dir.filePath("quit.kvproj");
        QVERIFY(KvLargeProject::write(path, KvLargeProject::json(50000)));
        QTimer::singleShot(0, this, [] { QCoreApplication::exit(0); });
        KvProjectData data;
        QCOMPARE(KvProjectFileLoader::read(path, &data), KvProjectFile::ReadResult::Ok);
        QCOMPARE(data.mediaPaths.size(), 50000);
        QCOMPARE(data.clips.size(), 50000);
    }

    // Once the main loop has ended the shutdown runs: no loop is turned
    // then, events would reach services on their way out. Last of all.
    void afterTheMainLoop()
    {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        qApp->exec();
        const QString path = m_dir.filePath("shutdown.kvproj");
        QVERIFY(KvLargeProject::write(path, KvLargeProject::json(20000)));
        bool turned = false;
        QObject turns;
        QTimer::singleShot(0, &turns, [&] { turned = true; });
        KvProjectData data;
        QCOMPARE(KvProjectFileLoader::read(path, &data), KvProjectFile::ReadResult::Ok);
        QVERIFY(!turned);
        QCOMPARE(data.clips.size(), 20000);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestKvProjectFileLoader)
#include "tst_kvprojectfileloader.moc"
