#include "E2eInstallation.h"

#include <QtTest>

namespace {

const QByteArray kEmptyProject = e2eEmptyProject("Holiday");

QJsonObject readJson(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

int clipCount(const QString &project)
{
    return readJson(project).value("clips").toArray().size();
}

// Runs the editor on the project with a step file and ends it once the steps
// are through.
bool runSteps(E2eInstallation &install, const QString &project, const QString &steps, int run)
{
    const QString script = install.homeDir() + QStringLiteral("/run%1.steps").arg(run);
    if (!e2eWriteFile(script, steps.toUtf8()))
        return false;
    QProcessEnvironment env;
    env.insert(QStringLiteral("KORVANE_UI_SCRIPT"), script);
    QProcess *editor = install.start({project}, env);
    if (!install.waitForLog(QStringLiteral("ui script: done"), run, 60000)) {
        qWarning("the steps did not finish");
        editor->kill();
        editor->waitForFinished(5000);
        return false;
    }
    editor->terminate();
    if (!editor->waitForFinished(10000)) {
        editor->kill();
        editor->waitForFinished(5000);
    }
    return true;
}

// The lines that tell what the steps did, for a failure message.
QByteArray steps(const QString &log)
{
    QStringList lines;
    for (const QString &line : log.split('\n')) {
        if (line.contains("ui script") || line.contains("shortcut dialog") || line.contains("keyboard shortcut")
            || line.contains("shortcuts changed") || line.contains("toast") || line.contains("] [E] "))
            lines << line.section(QLatin1Char(' '), 5);
    }
    return lines.join('\n').toUtf8();
}

QString editThenPress(const QString &picture, const QString &keys)
{
    return QStringLiteral("import %1\nadd 0\nwait 200\npress %2\nwait 500\n").arg(picture, keys);
}

} // namespace

// The keyboard shortcuts dialog in the real editor: a binding changed there
// works at once, survives a restart, and a damaged bindings file costs
// nothing but the custom bindings.
class TestShortcuts : public QObject
{
    Q_OBJECT

private slots:
    void changedBindingSavesAndIsKept()
    {
        E2eInstallation install;
        const QString project = install.homeDir() + "/Videos/Holiday.kvproj";
        const QString picture = install.homeDir() + "/Pictures/sea.png";
        QVERIFY(e2eWriteFile(project, kEmptyProject));
        QDir().mkpath(install.homeDir() + "/Pictures");
        QImage image(1920, 1080, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QVERIFY(image.save(picture));
        // This version's one-time notice is not what is looked at here.
        QVERIFY(e2eWriteFile(install.homeDir() + "/.config/Tessaracorp/Korvane/KvConfig.json",
                          R"({"format":1,"user":{"Korvane":{"UpgradeCycleChangeHadShow":true}}})"));
        const QString bindings = install.homeDir() + "/.config/Tessaracorp/Korvane/KvShortcuts.json";

        // 1. "Save Project" gets Shift+F9 in the dialog (action 212), then the
        //    key saves the edited project; the old Ctrl+S does not.
        const QString first = QStringLiteral("import %1\nadd 0\nwait 200\naction 212\nwait 500\n"
                                             "press Shift+F9 FShortCutKeyField_2\nwait 300\n"
                                             "click KvFramelessDialog_Button1\nwait 300\n"
                                             "press Ctrl+S\nwait 500\nenabled KorvaneTitleBar_SaveProject\n"
                                             "press Shift+F9\nwait 500\nenabled KorvaneTitleBar_SaveProject\n")
                                  .arg(picture);
        QVERIFY2(runSteps(install, project, first, 1), steps(install.log()).constData());
        QString log = install.log();
        QVERIFY2(log.contains("dialog FComlib_FShortcutSettingDialog answered 1"), steps(log).constData());
        // Ctrl+S no longer saves: the project is still modified after it.
        const int ctrlS = log.indexOf("pressing Ctrl+S");
        QVERIFY2(ctrlS > 0 && log.indexOf("KorvaneTitleBar_SaveProject enabled 1", ctrlS) > ctrlS,
                 steps(log).constData());
        QVERIFY2(log.contains("KorvaneTitleBar_SaveProject enabled 0"), steps(log).constData());
        QCOMPARE(clipCount(project), 1);
        const QJsonArray stored = readJson(bindings).value("shortcuts").toArray();
        QVERIFY2(stored.contains(QJsonObject{{"id", 2}, {"key", "Shift+F9"}}), steps(log).constData());

        // 2. Started again: the binding holds.
        QVERIFY2(runSteps(install, project, editThenPress(picture, "Shift+F9"), 2), steps(install.log()).constData());
        QCOMPARE(clipCount(project), 2);

        // 3. A damaged file: the defaults, one line saying so, and Ctrl+S saves.
        QVERIFY(e2eWriteFile(bindings, "{\"version\": 1, \"shortcuts\": [{\"id\": 2, \"ke"));
        QVERIFY2(runSteps(install, project, editThenPress(picture, "Ctrl+S"), 3), steps(install.log()).constData());
        QCOMPARE(clipCount(project), 3);
        log = install.log();
        int damaged = 0;
        for (const QString &line : log.split('\n'))
            damaged += line.contains("keyboard shortcut file") && line.contains("cannot be read");
        QCOMPARE(damaged, 1);
    }
};

QTEST_MAIN(TestShortcuts)
#include "tst_shortcuts.moc"
