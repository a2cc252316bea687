#include "../E2eInstallation.h"

#include <QtTest>

namespace {

// Runs the editor on the project with a step file and ends it once the steps
// are through.
bool runSteps(E2eInstallation &install, const QString &project, const QStringList &steps, int run)
{
    const QString script = install.homeDir() + QStringLiteral("/run%1.steps").arg(run);
    if (!e2eWriteFile(script, steps.join('\n').toUtf8() + '\n'))
        return false;
    QProcessEnvironment env;
    env.insert(QStringLiteral("KORVANE_UI_SCRIPT"), script);
    QProcess *editor = install.start({project}, env);
    const bool done = install.waitForLog(QStringLiteral("ui script: done"), run, 60000);
    editor->terminate();
    if (!editor->waitForFinished(10000)) {
        editor->kill();
        editor->waitForFinished(5000);
    }
    return done;
}

// The texts the steps read, in order.
QStringList textsRead(const QString &log, const QString &objectName)
{
    QStringList texts;
    const QString marker = QStringLiteral("ui script: text of %1: ").arg(objectName);
    for (const QString &line : log.split('\n')) {
        const int at = line.indexOf(marker);
        if (at >= 0)
            texts << line.mid(at + marker.size());
    }
    return texts;
}

// Mean lightness of the window picture, 0 to 255.
int lightness(const QString &path)
{
    QImage image(path);
    if (image.isNull())
        return -1;
    image = image.scaled(64, 64);
    qint64 sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            sum += QColor(image.pixel(x, y)).lightness();
    }
    return int(sum / (image.width() * image.height()));
}

} // namespace

// Language and theme picked in the preferences change the open editing
// window at once, and the next start comes up with both.
class TestPreferencesE2e : public QObject
{
    Q_OBJECT

private slots:
    void languageAndThemeLiveAndKept()
    {
        E2eInstallation install;
        QVERIFY(install.isValid());
        const QString project = install.homeDir() + "/Videos/Holiday.kvproj";
        QVERIFY(e2eWriteFile(project, e2eEmptyProject("Holiday")));
        const QString dark = install.homeDir() + "/dark.png";
        const QString light = install.homeDir() + "/light.png";
        const QString again = install.homeDir() + "/again.png";

        // A fresh store keeps "System Default", the last item; the desktop of
        // the test has no preference, so the skin is dark. Up picks "Light Mode".
        QVERIFY(runSteps(install, project,
                         {"text KorvaneMenuBar_File", "grab " + dark, "action 211", "wait 300",
                          "press Down FSettingGeneralPanel_Language", "wait 300", "text KorvaneMenuBar_File",
                          "text KorvaneMenuBar_Help", "text Korvane_LoginAccount", "text FSettingDialog_Cancel",
                          "press Up FSettingGeneralPanel_Theme", "wait 300", "text FSettingGeneralPanel_Theme",
                          "click FSettingDialog_Ok", "wait 300", "grab " + light},
                         1));
        const QString first = install.log();
        QCOMPARE(textsRead(first, "KorvaneMenuBar_File"), (QStringList{"File", "Datei"}));
        QCOMPARE(textsRead(first, "KorvaneMenuBar_Help"), QStringList{"Hilfe"});
        QCOMPARE(textsRead(first, "Korvane_LoginAccount"), QStringList{"Anmelden"});
        QCOMPARE(textsRead(first, "FSettingDialog_Cancel"), QStringList{"ABBRECHEN"});
        QCOMPARE(textsRead(first, "FSettingGeneralPanel_Theme"), QStringList{"Heller Modus"});
        const int darkLightness = lightness(dark);
        const int lightLightness = lightness(light);
        QVERIFY2(darkLightness >= 0 && darkLightness < 90, qPrintable(QString::number(darkLightness)));
        QVERIFY2(lightLightness > 160, qPrintable(QString::number(lightLightness)));

        QVERIFY(runSteps(install, project, {"text KorvaneMenuBar_File", "grab " + again}, 2));
        QCOMPARE(textsRead(install.log(), "KorvaneMenuBar_File").mid(2), QStringList{"Datei"});
        QVERIFY2(lightness(again) > 160, qPrintable(QString::number(lightness(again))));
        QCOMPARE(install.log().count("] [E] "), 0);
    }
};

QTEST_MAIN(TestPreferencesE2e)
#include "tst_preferences_e2e.moc"
