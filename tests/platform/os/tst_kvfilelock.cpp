#include "KvFileLock.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>

// What a previous run can leave behind must never keep the lock from a
// newcomer; only a live holder does.
class TestKvFileLock : public QObject
{
    Q_OBJECT

private slots:
    void leftoversNeverBlock_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("createFile");
        QTest::newRow("no file") << QByteArray() << false;
        QTest::newRow("zero length") << QByteArray() << true;
        static const char garbage[] = "\xff\xfe not a pid \x00\x01";
        QTest::newRow("garbage") << QByteArray(garbage, sizeof garbage - 1) << true;
        QTest::newRow("pid of a dead process") << QByteArray("999999\nhost\nkorvane\n") << true;
        QTest::newRow("our own pid") << QByteArray::number(QCoreApplication::applicationPid()) << true;
    }
    void leftoversNeverBlock()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, createFile);
        QTemporaryDir dir;
        const QString path = dir.filePath("sub/app.lock");
        if (createFile) {
            QDir().mkpath(dir.filePath("sub"));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        QVERIFY(!KvFileLock::isHeldByOther(path));
        KvFileLock lock(path);
        QVERIFY2(lock.tryLock(), qPrintable(lock.errorString()));
        QCOMPARE(lock.error(), KvFileLock::Error::None);
        // A second holder in the same process is refused too (flock is per open file).
        KvFileLock other(path);
        QVERIFY(!other.tryLock(20));
        QCOMPARE(other.error(), KvFileLock::Error::HeldByOther);
        lock.unlock();
        QVERIFY(other.tryLock());
    }

    // A holder in another process blocks; once it is killed the lock is free.
    void killedHolderReleases()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("app.lock");
        QProcess holder;
        holder.start(QCoreApplication::applicationFilePath(), {"--hold", path});
        QVERIFY(holder.waitForReadyRead(5000));
        QVERIFY(KvFileLock::isHeldByOther(path));
        KvFileLock lock(path);
        QVERIFY(!lock.tryLock(50));
        QCOMPARE(lock.error(), KvFileLock::Error::HeldByOther);

        ::kill(pid_t(holder.processId()), SIGKILL);
        holder.waitForFinished();
        QTRY_VERIFY(lock.tryLock());
    }

    void unusableFolderIsAnIoError()
    {
        KvFileLock lock("/proc/definitely/not/here.lock");
        QVERIFY(!lock.tryLock());
        QCOMPARE(lock.error(), KvFileLock::Error::Io);
    }
};

int main(int argc, char **argv)
{
    // "--hold PATH": the other process of killedHolderReleases.
    if (argc == 3 && qstrcmp(argv[1], "--hold") == 0) {
        KvFileLock lock(QString::fromLocal8Bit(argv[2]));
        if (!lock.tryLock())
            return 1;
        std::puts("locked");
        std::fflush(stdout);
        QThread::sleep(60);
        return 0;
    }
    QCoreApplication app(argc, argv);
    TestKvFileLock test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_kvfilelock.moc"
