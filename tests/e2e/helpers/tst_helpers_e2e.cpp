// The editor and the event tracker as real processes: the tracker is started
// with the editor, learns the editor's process id, asks for the public
// events, and ends on the exit request of an orderly shutdown.
#include "E2eInstallation.h"

#include <QtTest>

#include <csignal>

namespace {

QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestHelpersE2e : public QObject
{
    Q_OBJECT

private slots:
    void trackerFollowsTheEditor()
    {
        E2eInstallation install;
        QVERIFY(install.isValid());
        QProcess *editor = install.start();
        QVERIFY(editor->waitForStarted());
        QVERIFY2(install.waitForLog("Splash: 100 / 100"), qPrintable(install.log()));
        const QString trackerLog = install.binDir() + QStringLiteral("/Log/Brenlow.log");
        const QString pidLine = QStringLiteral("received GACMD_TRACK_SERVER_PID [%1]").arg(editor->processId());
        QTRY_VERIFY_WITH_TIMEOUT(readFile(trackerLog).contains(pidLine), 15000);
        // The tracker's question reaches the editor's server.
        QVERIFY2(install.waitForLog("received: GACMD_TRACK_PUBLIC"), qPrintable(install.log()));

        ::kill(pid_t(editor->processId()), SIGTERM);
        QVERIFY(editor->waitForFinished(30000));
        QCOMPARE(editor->exitCode(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(readFile(trackerLog).contains(QStringLiteral("ending as the editor asks")), 10000);
        const QString log = readFile(trackerLog);
        QVERIFY2(log.indexOf(pidLine) < log.indexOf(QStringLiteral("received GACMD_EXIT_REQUEST []")), qPrintable(log));
        // The web helper is only started for a page; none was asked for.
        QVERIFY(!QFile::exists(install.binDir() + QStringLiteral("/Log/Tavrin.log")));
    }
};

QTEST_GUILESS_MAIN(TestHelpersE2e)
#include "tst_helpers_e2e.moc"
