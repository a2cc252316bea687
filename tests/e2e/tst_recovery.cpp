#include "E2eInstallation.h"

#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>

#include <csignal>

namespace {

bool writeProject(const QString &path)
{
    return e2eWriteFile(path, e2eEmptyProject(QFileInfo(path).completeBaseName().toUtf8()));
}

// The backup the editor last reported writing.
QString lastBackup(const QString &log)
{
    QString path;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("automatic backup written to \"([^\"]+)\"")).globalMatch(log);
    while (it.hasNext())
        path = it.next().captured(1);
    return path;
}

bool endInOrder(QProcess *editor)
{
    e2eSignal(editor, SIGTERM);
    return editor->waitForFinished(15000) && editor->exitStatus() == QProcess::NormalExit;
}

} // namespace

// A run that dies with unsaved work, and the start after it: the automatic
// backup is offered, opened, and the GPU check box takes effect for that run.
class TestRecovery : public QObject
{
    Q_OBJECT

private slots:
    void killedWithUnsavedWorkOffersTheBackup()
    {
        E2eInstallation install;
        QVERIFY(install.isValid());
        const QString project = install.homeDir() + "/Videos/Holiday.kvproj";
        const QString picture = install.homeDir() + "/Pictures/sea.png";
        QVERIFY(writeProject(project));
        QDir().mkpath(QFileInfo(picture).absolutePath());
        QImage image(1920, 1080, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QVERIFY(image.save(picture));
        const QString script = install.homeDir() + "/edit.steps";
        QVERIFY(e2eWriteFile(script, QStringLiteral("import %1\nadd 0\nwait 60000\n").arg(picture).toUtf8()));

        // 1. Edited and never saved; killed once a backup is written.
        QProcessEnvironment env;
        env.insert(QStringLiteral("KORVANE_UI_SCRIPT"), script);
        env.insert(QStringLiteral("KORVANE_AUTOBACKUP_INTERVAL_MS"), QStringLiteral("300"));
        QProcess *editor = install.start({project}, env);
        QVERIFY2(install.waitForLog(QStringLiteral("automatic backup written to"), 1, 60000), qPrintable(install.log()));
        editor->kill();
        QVERIFY(editor->waitForFinished(5000));
        const QString backup = lastBackup(install.log());
        QVERIFY2(QFile::exists(backup), qPrintable(backup));
        const QString note = QFileInfo(backup).absolutePath() + QStringLiteral("/Backup.conf");
        QFile noteFile(note);
        QVERIFY(noteFile.open(QIODevice::ReadOnly));
        QCOMPARE(QJsonDocument::fromJson(noteFile.readAll()).object().value("lastAutoSaveProject").toString(), backup);
        noteFile.close();
        QVERIFY2(QFile(backup).size() > 0, qPrintable(backup));

        // 2. A start with a project names what to open: no question, and
        // closing that other project leaves the note alone.
        const QString other = install.homeDir() + "/Videos/Other.kvproj";
        QVERIFY(writeProject(other));
        QProcess *withPath = install.start({other});
        QVERIFY2(install.waitForLog(QStringLiteral("Splash: 100 / 100"), 2, 60000), qPrintable(install.log()));
        QVERIFY(endInOrder(withPath));
        QCOMPARE(install.countInLog(QStringLiteral("Show unsaved project dialog begin")), 0);
        QCOMPARE(install.countInLog(QStringLiteral("message FRecoveryPrompt")), 0);

        // 3. A bare start offers the backup; "Open" with GPU acceleration off.
        QProcessEnvironment answer;
        answer.insert(QStringLiteral("KORVANE_RECOVERY_ANSWER"), QStringLiteral("open+gpu"));
        QProcess *recovering = install.start({}, answer);
        QVERIFY2(install.waitForLog(QStringLiteral("Splash: 100 / 100"), 3, 60000), qPrintable(install.log()));
        QString log = install.log();
        QCOMPARE(log.count(QStringLiteral("message FRecoveryPrompt:")), 1);
        QVERIFY2(log.contains(QDir::toNativeSeparators(backup)), qPrintable(log));
        QVERIFY2(log.contains(QStringLiteral("Show unsaved project dialog end, ret = 0")), qPrintable(log));
        QVERIFY2(install.waitForLog(QStringLiteral("open project \"%1\": success").arg(backup)), qPrintable(install.log()));
        // The backup holds the edit: one medium, one clip.
        QVERIFY2(install.waitForLog(QStringLiteral("timeline shows 1 clips")), qPrintable(install.log()));
        QVERIFY(endInOrder(recovering));

        // 4. Closed in order: the next bare start has nothing to offer.
        QProcess *after = install.start();
        QVERIFY2(install.waitForLog(QStringLiteral("Splash: 100 / 100"), 4, 60000), qPrintable(install.log()));
        QVERIFY(endInOrder(after));
        log = install.log();
        QCOMPARE(log.count(QStringLiteral("message FRecoveryPrompt:")), 1);
        QVERIFY2(log.contains(QStringLiteral("no automatic backup to offer")), qPrintable(log));
        QVERIFY(QFile::exists(backup));
    }

    // Declined with the check box: nothing opens, safe mode still comes on.
    void declinedWithTheCheckBoxStillSwitchesGpuOff()
    {
        E2eInstallation install;
        const QString backup = install.homeDir() + "/Documents/Korvane/Backup/Trip_0123abcd_20261207-120000-000.kvproj";
        QVERIFY(writeProject(backup));
        QVERIFY(e2eWriteFile(QFileInfo(backup).absolutePath() + "/Backup.conf",
                          QJsonDocument(QJsonObject{{"lastAutoSaveProject", backup}}).toJson()));
        QProcessEnvironment answer;
        answer.insert(QStringLiteral("KORVANE_RECOVERY_ANSWER"), QStringLiteral("cancel+gpu"));
        QProcess *editor = install.start({}, answer);
        QVERIFY2(install.waitForLog(QStringLiteral("Splash: 100 / 100"), 1, 60000), qPrintable(install.log()));
        QVERIFY(endInOrder(editor));
        const QString log = install.log();
        QCOMPARE(log.count(QStringLiteral("message FRecoveryPrompt:")), 1);
        QVERIFY2(log.contains(QStringLiteral("Show unsaved project dialog end, ret = 0")), qPrintable(log));
        QVERIFY2(log.contains(QStringLiteral("page -1 -> 0")), qPrintable(log));
        QVERIFY(QFile::exists(backup));
    }

    // Two starts in a row died while "Init GPU Info" ran (the record they
    // left is fed here): the third says so and runs in safe mode, and once
    // it is through start-up the record is finished.
    void repeatedStartUpDeathStartsInSafeMode()
    {
        E2eInstallation install;
        const QString record = install.homeDir() + "/.config/Tessaracorp/Korvane/StartUpRecord.ini";
        QVERIFY(e2eWriteFile(record, "[StartUp]\nActive=1\nRunning=Init Network Proxy|Init GPU Info\n"
                                  "Suspects=Init GPU Info|show Splash Screen\nCount=1\n"));
        QProcess *editor = install.start();
        QVERIFY2(install.waitForLog(QStringLiteral("Splash: 100 / 100"), 1, 60000), qPrintable(install.log()));
        const QString log = install.log();
        QVERIFY2(log.contains(QStringLiteral("starts died 2 times in a row during \"Init GPU Info\"")), qPrintable(log));
        // Told above the first page.
        QVERIFY2(install.waitForLog(QStringLiteral("message FStartUpCrashNotice: ")), qPrintable(install.log()));
        QVERIFY2(install.log().contains(QStringLiteral("\"Init GPU Info\".")), qPrintable(install.log()));
        QVERIFY(endInOrder(editor));
        QFile file(record);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray finished = file.readAll();
        QVERIFY2(finished.contains("Active=0") && finished.contains("Count=0"), finished.constData());
    }
};

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
