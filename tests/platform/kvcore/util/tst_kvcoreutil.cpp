#include "IKvAppInfo.h"
#include "KvAppInfoId.h"
#include "KvElapsedTimer.h"

#include "KvTestLog.h"

#include <QThread>
#include <QtConcurrent>
#include <QtTest>

class TestKvCoreUtil : public QObject
{
    Q_OBJECT

private slots:
    // One trace line (the end line of a long operation) that names the code
    // that timed, not the timer.
    void elapsedTimerLogsForItsOwner()
    {
        QList<QPair<IKvBaseLog::Level, QString>> lines;
        GetGlobalLogInstance()->setObserver([&lines](IKvBaseLog::Level level, const std::string &message) {
            lines.append({level, QString::fromStdString(message)});
        });
        {
            KvElapsedTimer timer("KorvaneApp::initKvEnv");
            QThread::msleep(30);
            QVERIFY(timer.elapsed() >= 30);
        }
        GetGlobalLogInstance()->setObserver({});
        QCOMPARE(lines.size(), 1);
        QCOMPARE(int(lines.first().first), int(IKvBaseLog::Level::Trace));
        const QString line = lines.first().second;
        QVERIFY2(line.contains("tests/platform/kvcore/util/tst_kvcoreutil.cpp:"), qPrintable(line));
        QVERIFY2(!line.contains("KvElapsedTimer.cpp"), qPrintable(line));
        QVERIFY2(line.contains("elapsedTimerLogsForItsOwner"), qPrintable(line));
        const QRegularExpression pattern("KorvaneApp::initKvEnv elapsed (\\d+) ms$");
        const QRegularExpressionMatch match = pattern.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        QVERIFY(match.captured(1).toInt() >= 30);
    }

    void appInfoIsOneTableForAllThreads()
    {
        IKvAppInfo *info = IKvAppInfo::getInstance();
        QVector<int> ids(200);
        std::iota(ids.begin(), ids.end(), 1000);
        QtConcurrent::blockingMap(ids, [info](int id) {
            info->setValue(id, QString("/path/%1").arg(id));
            info->getString(KvAppInfoId::ConfigDir);
        });
        for (int id : ids)
            QCOMPARE(IKvAppInfo::getInstance()->getString(id), QString("/path/%1").arg(id));

        info->setValue(KvAppInfoId::CustomMainProductId, 17);
        QCOMPARE(info->getString(KvAppInfoId::CustomMainProductId), QString("17"));
        info->setValue(KvAppInfoId::CustomMainProductId, QVariant());
        QVERIFY(!info->contains(KvAppInfoId::CustomMainProductId));
        QCOMPARE(info->getString(KvAppInfoId::CustomMainProductId), QString());
    }
};

QTEST_GUILESS_MAIN(TestKvCoreUtil)
#include "tst_kvcoreutil.moc"
