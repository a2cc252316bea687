#include "E2eInstallation.h"

#include <QtTest>

namespace {

const QByteArray kEmptyProject = e2eEmptyProject("Holiday");

bool writeImage(const QString &path, Qt::GlobalColor color)
{
    // The project's own size, so that adding it asks nothing.
    QImage image(1920, 1080, QImage::Format_RGB32);
    image.fill(color);
    return image.save(path);
}

// The window's close leads back to the start page (the default); the editor
// is then ended as the desktop would end it.
bool endAfterClose(E2eInstallation &install, QProcess *editor, int closes = 1)
{
    if (!install.waitForLog(QStringLiteral("ui script: close"), closes, 60000)) {
        qWarning("the step file did not reach its close");
        return false;
    }
    if (!install.waitForLog(QStringLiteral("bCanShowProjectLibrary"), closes, 10000)) {
        qWarning("the window was not closed");
        return false;
    }
    QTest::qWait(500);
    editor->terminate();
    if (editor->waitForFinished(10000))
        return editor->exitStatus() == QProcess::NormalExit;
    // A termination that arrives while the start-up still waits is held
    // until the start-up ends; what is checked here is already on disk.
    qWarning("the editor did not end on a termination signal; killed");
    editor->kill();
    return editor->waitForFinished(5000);
}

// The one-time notice of this version's update cycle is not what these
// tests look at; it is marked as seen.
bool skipUpgradeNotice(const E2eInstallation &install)
{
    return e2eWriteFile(install.homeDir() + "/.config/Tessaracorp/Korvane/KvConfig.json",
                     R"({"format":1,"user":{"Korvane":{"UpgradeCycleChangeHadShow":true}}})");
}

QJsonObject readJson(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

} // namespace

// The editing window driven as a user would, through the real executable:
// steps are handed to it in a step file (KORVANE_UI_SCRIPT).
class TestEditing : public QObject
{
    Q_OBJECT

private slots:
    void editSaveAndReopen()
    {
        E2eInstallation install;
        const QString project = install.homeDir() + "/Videos/Holiday.kvproj";
        const QString first = install.homeDir() + "/Pictures/sea.png";
        const QString second = install.homeDir() + "/Pictures/hill.png";
        QVERIFY(e2eWriteFile(project, kEmptyProject));
        QDir().mkpath(install.homeDir() + "/Pictures");
        QVERIFY(writeImage(first, Qt::blue));
        QVERIFY(writeImage(second, Qt::green));
        const QString script = install.homeDir() + "/edit.steps";
        QVERIFY(e2eWriteFile(script, QStringLiteral("import %1\nimport %2\nadd 0\nadd 1\nwait 100\n"
                                                 "enabled KorvaneTitleBar_SaveProject\n"
                                                 "click KorvaneTitleBar_SaveProject\nwait 100\n"
                                                 "enabled KorvaneTitleBar_SaveProject\nclose\n")
                                      .arg(first, second)
                                      .toUtf8()));

        QProcessEnvironment env;
        env.insert(QStringLiteral("KORVANE_UI_SCRIPT"), script);
        QProcess *editor = install.start({project}, env);
        QVERIFY2(endAfterClose(install, editor), qPrintable(install.log()));
        const QString log = install.log();
        QCOMPARE(log.count(QStringLiteral("ui script: imported item")), 2);
        QVERIFY2(!log.contains(QStringLiteral("ui script: imported item -1")), qPrintable(log));
        // Edited: the save button is on; saved: the toast shows and the button is off.
        QVERIFY2(log.contains(QStringLiteral("KorvaneTitleBar_SaveProject enabled 1")), qPrintable(log));
        QVERIFY2(log.contains(QStringLiteral("toast: Saved!")), qPrintable(log));
        QVERIFY2(log.contains(QStringLiteral("KorvaneTitleBar_SaveProject enabled 0")), qPrintable(log));

        const QJsonObject saved = readJson(project);
        QCOMPARE(saved.value("media").toArray().size(), 2);
        QCOMPARE(saved.value("clips").toArray().size(), 2);

        // Opened again, the timeline holds both clips.
        const QString reopen = install.homeDir() + "/reopen.steps";
        QVERIFY(e2eWriteFile(reopen, "wait 100\nclose\n"));
        env.insert(QStringLiteral("KORVANE_UI_SCRIPT"), reopen);
        QProcess *again = install.start({project}, env);
        QVERIFY2(endAfterClose(install, again, 2), qPrintable(install.log()));
        QVERIFY2(install.countInLog(QStringLiteral("timeline shows 2 clips")) >= 1, qPrintable(install.log()));
    }

    void screenRecorderRoundTrip()
    {
        E2eInstallation install;
        const QString project = install.homeDir() + "/Videos/Holiday.kvproj";
        QVERIFY(e2eWriteFile(project, kEmptyProject));
        QVERIFY(skipUpgradeNotice(install));
        const QString captures = install.homeDir() + "/Captures";
        const QString script = install.homeDir() + "/record.steps";
        // Asked twice: the second request must not start a second recorder.
        QVERIFY(e2eWriteFile(script, "message 512\nwait 3000\nmessage 512\nwait 1000\n"
                                  "click KorvaneTitleBar_SaveProject\nclose\n"));

        QProcessEnvironment env;
        env.insert(QStringLiteral("KORVANE_UI_SCRIPT"), script);
        env.insert(QStringLiteral("KV_QUENFEL_AUTO_RECORD"), QStringLiteral("1"));
        env.insert(QStringLiteral("KV_QUENFEL_CAPTURE_DIR"), captures);
        QProcess *editor = install.start({project}, env);
        QVERIFY2(endAfterClose(install, editor), qPrintable(install.log()));
        const QString log = install.log();

        // A real picture file came back and went into the media library.
        const QStringList recorded = QDir(captures).entryList(QDir::Files);
        QVERIFY2(!recorded.isEmpty(), qPrintable(log));
        QVERIFY2(log.contains(QStringLiteral("import of 1 paths (mode 0, source 2)")), qPrintable(log));
        QVERIFY2(!log.contains(QStringLiteral("could not be started")), qPrintable(log));
        // One recorder, whatever other helpers the editor starts.
        QCOMPARE(log.count(QRegularExpression(QStringLiteral("StartProcess: started \\S*Quenfel\\.exe"))), 1);
        QCOMPARE(log.count(QStringLiteral("import of 1 paths (mode 0, source 2)")), 2);
        // Leaving the editing window asks the recorder to exit; it says so and ends.
        QVERIFY2(log.contains(QStringLiteral("received: CMD_RECORDER_EIXT_NOTIFIY")), qPrintable(log));
        QVERIFY2(log.contains(QStringLiteral("Quenfel.exe ended")), qPrintable(log));
    }
};

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
