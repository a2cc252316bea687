#include "KvAppSettings.h"
#include "KvMediaProxyService.h"
#include "KvTestFiles.h"

#include <QMutex>
#include <QtTest>

namespace {

struct CopyReport
{
    int status;
    int value;
    QString name;
};

// Collects what the service reports from its worker.
struct CopyRecorder
{
    QMutex mutex;
    QVector<CopyReport> reports;

    IKvMediaProxyService::CopyCallback callback()
    {
        return [this](int status, int value, const QString &name) {
            QMutexLocker lock(&mutex);
            reports.push_back({status, value, name});
        };
    }
    QStringList names(int status)
    {
        QStringList result;
        for (const CopyReport &report : reports)
            if (report.status == status)
                result << report.name;
        return result;
    }
};

// "project/file=size" entries below `root`; sizes in bytes.
void layOut(const QString &root, const QStringList &entries)
{
    for (const QString &entry : entries) {
        const QStringList parts = entry.split(QLatin1Char('='));
        QByteArray bytes(parts.value(1).toInt(), '\0');
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = char(i * 31 + parts[0].size());
        writeAll(QDir(root).filePath(parts[0]), bytes);
    }
}

const QString kProjectA = QStringLiteral("0123456789abcdef");
const QString kProjectB = QStringLiteral("untitled");

} // namespace

class tst_KvMediaProxyService : public QObject
{
    Q_OBJECT

private slots:
    void copy_data();
    void copy();
    void copyProgressByBytes();
    void deleteKeepsOtherFiles();
    void preparingForRemovalStopsTheCopy();
};

void tst_KvMediaProxyService::copy_data()
{
    QTest::addColumn<QStringList>("source");
    // Paths below the target made folders before the copy, so that the file
    // of that name cannot be written there.
    QTest::addColumn<QStringList>("blocked");
    QTest::addColumn<QStringList>("copied");
    QTest::addColumn<QStringList>("failed");

    const QString a = kProjectA + "/";
    const QString u = kProjectB + "/";
    QTest::newRow("two projects") << QStringList{a + "clip1.mp4=3000", a + "clip2.mp4=10", u + "c.mov=0"}
                                  << QStringList{}
                                  << QStringList{a + "clip1.mp4", a + "clip2.mp4", u + "c.mov"} << QStringList{};
    QTest::newRow("two unwritable") << QStringList{a + "a.mp4=100", a + "m.mp4=100", u + "b.mp4=100"}
                                    << QStringList{a + "a.mp4", u + "b.mp4"} << QStringList{a + "m.mp4"}
                                    << QStringList{"a", "b"};
    QTest::newRow("only project folders hold proxies")
        << QStringList{"loose.mp4=10", "MyVideos/x.mp4=10", "0123456789ABCDEF/y.mp4=10", a + "z.mp4=5"}
        << QStringList{} << QStringList{a + "z.mp4"} << QStringList{};
    QTest::newRow("nothing to copy") << QStringList{} << QStringList{} << QStringList{} << QStringList{};
}

void tst_KvMediaProxyService::copy()
{
    QFETCH(QStringList, source);
    QFETCH(QStringList, blocked);
    QFETCH(QStringList, copied);
    QFETCH(QStringList, failed);

    QTemporaryDir dir;
    const QString from = dir.filePath("old");
    const QString to = dir.filePath("new");
    QDir().mkpath(from);
    layOut(from, source);
    for (const QString &path : blocked)
        QVERIFY(QDir().mkpath(QDir(to).filePath(path)));

    KvMediaProxyService service;
    CopyRecorder recorder;
    service.copyProxyFiles(from, to, recorder.callback());
    QVERIFY(service.waitForIdle(10000));

    for (const QString &path : copied)
        QCOMPARE(readAll(QDir(to).filePath(path)), readAll(QDir(from).filePath(path)));
    int files = 0;
    for (QDirIterator it(to, QDir::Files, QDirIterator::Subdirectories); it.hasNext(); it.next())
        ++files;
    QCOMPARE(files, copied.size());
    // The originals stay where they were.
    for (const QString &entry : source)
        QVERIFY(QFileInfo::exists(QDir(from).filePath(entry.section('=', 0, 0))));

    QCOMPARE(recorder.names(IKvMediaProxyService::StatusFailed), failed);
    QCOMPARE(recorder.names(IKvMediaProxyService::StatusWorking).size(), copied.size() + failed.size());
    QCOMPARE(recorder.names(IKvMediaProxyService::StatusFinished).size(), 1);
    QCOMPARE(recorder.reports.last().status, int(IKvMediaProxyService::StatusFinished));
    QCOMPARE(recorder.reports.last().value, 100);
}

void tst_KvMediaProxyService::copyProgressByBytes()
{
    // One large file then many tiny ones: by bytes the bar is nearly full
    // when the tiny ones start, by file count it would be at a tenth.
    QTemporaryDir dir;
    const QString from = dir.filePath("old");
    QStringList entries{kProjectA + "/0big.mp4=" + QString::number(9 * 1024 * 1024)};
    for (int i = 0; i < 9; ++i)
        entries << kProjectA + QStringLiteral("/small%1.mp4=10").arg(i);
    layOut(from, entries);

    KvMediaProxyService service;
    CopyRecorder recorder;
    service.copyProxyFiles(from, dir.filePath("new"), recorder.callback());
    QVERIFY(service.waitForIdle(10000));

    int last = 0;
    int valueAtSecondFile = -1;
    int working = 0;
    for (const CopyReport &report : recorder.reports) {
        QVERIFY2(report.value >= last && report.value <= 100, qPrintable(QString::number(report.value)));
        last = report.value;
        if (report.status == IKvMediaProxyService::StatusWorking && ++working == 2)
            valueAtSecondFile = report.value;
    }
    QVERIFY(valueAtSecondFile >= 99);
    // Progress only when the percentage moves: at most one call per step.
    QVERIFY(recorder.reports.size() <= 101 + 10 + 1);
}

void tst_KvMediaProxyService::deleteKeepsOtherFiles()
{
    QTemporaryDir dir;
    layOut(dir.path(), {kProjectA + "/a.mp4=10", kProjectB + "/b.mp4=10", "mine.txt=3", "Holiday/c.mp4=3"});
    KvAppSettings::GetInstance()->GetSettings().GetPerformanceSettings().SetProxyFileFolder(dir.path());

    KvMediaProxyService service;
    QMutex mutex;
    QVector<int> statuses;
    QStringList removed;
    service.deleteAllProxyFiles([&](int status, int, const QStringList &files) {
        QMutexLocker lock(&mutex);
        statuses << status;
        if (status == IKvMediaProxyService::StatusWorking)
            removed << files;
    });
    QVERIFY(service.waitForIdle(10000));

    QCOMPARE(removed, (QStringList{"a.mp4", "b.mp4"}));
    QCOMPARE(statuses.last(), int(IKvMediaProxyService::StatusFinished));
    QVERIFY(!statuses.contains(IKvMediaProxyService::StatusFailed));
    QVERIFY(!QFileInfo::exists(dir.filePath(kProjectA)));
    QVERIFY(!QFileInfo::exists(dir.filePath(kProjectB)));
    QVERIFY(QFileInfo::exists(dir.filePath("mine.txt")));
    QVERIFY(QFileInfo::exists(dir.filePath("Holiday/c.mp4")));
}

void tst_KvMediaProxyService::preparingForRemovalStopsTheCopy()
{
    QTemporaryDir dir;
    const QString from = dir.filePath("old");
    const QString to = dir.filePath("new");
    QStringList entries;
    for (int i = 0; i < 16; ++i)
        entries << kProjectA + QStringLiteral("/clip%1.mp4=%2").arg(i).arg(1024 * 1024);
    layOut(from, entries);

    KvMediaProxyService service;
    CopyRecorder recorder;
    service.copyProxyFiles(from, to, recorder.callback());
    service.prepareForProxyRemoval();
    QVERIFY(service.waitForIdle(10000));

    // Ended early, said so once, and left no partial file behind.
    QCOMPARE(recorder.names(IKvMediaProxyService::StatusFinished).size(), 1);
    QCOMPARE(recorder.reports.last().status, int(IKvMediaProxyService::StatusFinished));
    QVERIFY(recorder.names(IKvMediaProxyService::StatusFailed).isEmpty());
    int files = 0;
    for (QDirIterator it(to, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        QCOMPARE(QFileInfo(path).size(), qint64(1024 * 1024));
        ++files;
    }
    QVERIFY(files < 16);

    // What is asked afterwards runs as usual.
    CopyRecorder again;
    service.copyProxyFiles(from, to, again.callback());
    QVERIFY(service.waitForIdle(10000));
    QCOMPARE(again.names(IKvMediaProxyService::StatusWorking).size(), 16);
}

QTEST_GUILESS_MAIN(tst_KvMediaProxyService)
#include "tst_kvmediaproxyservice.moc"
