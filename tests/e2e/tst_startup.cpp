#include "E2eInstallation.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

struct Edge
{
    const char *before;
    const char *after;
};

// The start-up graph's order: a task begins only after those it follows ended.
const Edge kFirstGraphEdges[] = {
    {"Init Environment", "Init Network Proxy"},
    {"Init Environment", "Load Launch Test Cache"},
    {"Load Launch Test Cache", "Init GPU Info"},
    {"Init Environment", "Check Folder Permission"},
    {"Init Environment", "Init Project Editor"},
    {"Init GPU Info", "Init Project Editor"},
    {"Remove Package", "Init Project Editor"},
    {"Init Environment", "show Splash Screen"},
    {"Init Project Editor", "Prepare Run"},
    {"Init Network Proxy", "Init SensorData"},
    {"Init Environment", "Init CloudResourceUAC"},
    {"Init Network Proxy", "Init CloudDisk"},
    {"Init Network Proxy", "Init CbsUrl"},
    {"Init Network Proxy", "Init TcPush"},
    {"Init CbsUrl", "Init TcPush"},
    {"Init Network Proxy", "Init Effect Installer"},
    {"Init CbsUrl", "Init Category Tree"},
    {"Init Project Editor", "Init Category Tree"},
    {"Init Network Proxy", "Connect Signals"},
    {"Init Project Editor", "Init ExportPresetManager"},
    {"Init Project Editor", "Extract Args"},
    {"Init ExportPresetManager", "Extract Args"},
    {"Init Vbl Font", "Init Local Font"},
    {"Init Project", "Load Installed Effect"},
};

int lineOf(const QStringList &lines, const QString &needle)
{
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).contains(needle))
            return i;
    }
    return -1;
}

} // namespace

// A first start as a user makes it: the start-up graph runs in order, the
// splash comes and goes, the user's folders and configuration appear.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void firstAndSecondStart()
    {
        E2eInstallation install;
        QVERIFY(install.isValid());
        // A first start, even when the build's own folder has run the editor.
        QFile::remove(install.binDir() + "/configs/launchTest.ini");
        QProcess *editor = install.start({"-open:/nowhere/film.kvproj"});
        QVERIFY2(install.waitForLog("StartUp Finished:"), qPrintable(install.log()));
        QVERIFY2(install.waitForLog("project of 6 tasks finished"), qPrintable(install.log()));
        const QStringList lines = install.log().split('\n');

        // The first start runs the first-run launch test, which does the base
        // preparation itself: no "Prepare Run" task then.
        QVERIFY(install.countInLog("project of 18 tasks finished") == 1);
        QCOMPARE(install.countInLog("task \"Prepare Run\""), 0);
        QVERIFY(install.countInLog("App launch test finished") == 1);
        for (const Edge &edge : kFirstGraphEdges) {
            if (QLatin1String(edge.after) == QLatin1String("Prepare Run"))
                continue;
            const int ended = lineOf(lines, QStringLiteral("task \"%1\" end").arg(edge.before));
            const int began = lineOf(lines, QStringLiteral("task \"%1\" begin").arg(edge.after));
            QVERIFY2(ended >= 0 && began > ended, qPrintable(QStringLiteral("%1 -> %2").arg(edge.before, edge.after)));
        }
        for (const char *mainTask : {"Init Environment", "Init Project Editor", "show Splash Screen", "Init Project"})
            QVERIFY2(lineOf(lines, QStringLiteral("task \"%1\" begin (main thread)").arg(mainTask)) >= 0, mainTask);

        // Timing sections of start-up, in name order with the trailing comma.
        const QString timing = lines.at(lineOf(lines, "StartUp Finished:"));
        QVERIFY2(QRegularExpression(R"(StartUp Finished: \{("StartUp_\w+":-?\d+,)+\}, userTime: \d+$)").match(timing).hasMatch(), qPrintable(timing));
        for (const char *section : {"StartUp_PrepareRun", "StartUp_SplashScreen", "StartUp_InitVBLProjectMgr",
                                    "StartUp_Total"})
            QVERIFY2(timing.contains(QStringLiteral("\"%1\":").arg(section)), section);

        // The command line reached the document service from a worker task.
        QVERIFY(install.countInLog("project to open at start: \"/nowhere/film.kvproj\"") == 1);

        const QString data = install.homeDir() + "/.local/share/Tessaracorp/Korvane";
        const QString docs = install.homeDir() + "/Documents/Korvane";
        QVERIFY(QFile::exists(data + "/configs/CBSUrls.ini"));
        for (const QString &created : {docs + "/Render", docs + "/GPUConfig", docs + "/MediaProxy",
                                       data + "/Plugins/Download/OpenFXImages"})
            QVERIFY2(QFileInfo(created).isDir(), qPrintable(created));
        QCOMPARE(install.countInLog("copy config files : 1"), 1);
        QVERIFY(QFile(install.homeDir() + "/.config/Tessaracorp/Korvane/KvConfig.json").open(QIODevice::ReadOnly));

        editor->kill();
        editor->waitForFinished();

        // The second start keeps the user's configuration as it is.
        QFile::remove(data + "/configs/CBSUrls.ini");
        install.start();
        QVERIFY(install.waitForLog("StartUp Finished:", 2));
        QCOMPARE(install.countInLog("project of 19 tasks finished"), 1);
        QCOMPARE(install.countInLog("skip launch test"), 1);
        QCOMPARE(install.countInLog("copy config files"), 1);
        QVERIFY(!QFile::exists(data + "/configs/CBSUrls.ini"));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
