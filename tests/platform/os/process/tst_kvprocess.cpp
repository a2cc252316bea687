#include "KvProcess.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

class TestKvProcess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString sleep = QStandardPaths::findExecutable(QStringLiteral("sleep"));
        QVERIFY2(!sleep.isEmpty(), "sleep not found");
        QVERIFY(m_dir.isValid());
        // A name longer than the kernel's 15-byte command name, as the
        // updater's is: only the argument list carries it whole.
        m_program = m_dir.filePath(QStringLiteral("KvTestUpdater.exe"));
        if (::link(QFile::encodeName(sleep).constData(), QFile::encodeName(m_program).constData()) != 0)
            QVERIFY(QFile::copy(sleep, m_program));
        QFile::setPermissions(m_program, QFile::permissions(m_program) | QFile::ExeOwner);
    }

    void findsARunningProcessByName_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<bool>("found");
        QTest::newRow("exact") << "KvTestUpdater.exe" << true;
        QTest::newRow("other case") << "kvtestupdater.EXE" << true;
        QTest::newRow("as a path") << "C:/Program Files/Korvane/KvTestUpdater.exe" << true;
        QTest::newRow("truncated command name") << "KvTestUpdater.e" << false;
        QTest::newRow("prefix") << "KvTestUpdater" << false;
        QTest::newRow("empty") << "" << false;
    }

    void findsARunningProcessByName()
    {
        QFETCH(QString, asked);
        QFETCH(bool, found);
        QProcess child;
        child.start(m_program, {QStringLiteral("30")});
        QVERIFY(child.waitForStarted(5000));
        QCOMPARE(KvProcess::hasSameNameProcess(asked), found);
        child.kill();
        QVERIFY(child.waitForFinished(5000));
        // Reaped: no such process any more.
        QVERIFY(!KvProcess::hasSameNameProcess(QStringLiteral("KvTestUpdater.exe")));
    }

    void neverFindsItself()
    {
        const QString own = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        QVERIFY(!KvProcess::hasSameNameProcess(own));
    }

private:
    QTemporaryDir m_dir;
    QString m_program;
};

QTEST_GUILESS_MAIN(TestKvProcess)
#include "tst_kvprocess.moc"
