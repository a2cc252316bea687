#include "InstalledEditor.h"
#include "KvTestXvfb.h"

#include <QDirIterator>
#include <QtTest>

#include <memory>
#include <signal.h>

namespace {

const QString kBuildBin = QStringLiteral(KORVANE_BIN_DIR);

// A project as the editor saves it: indented, keys in order.
const QByteArray kProject = R"({
    "clips": [
    ],
    "effects": [
    ],
    "format": "korvane-project",
    "media": [
    ],
    "name": "Holiday",
    "settings": {
        "frameRate": 30,
        "height": 1080,
        "width": 1920
    },
    "type": 0,
    "version": 1
}
)";

// The smallest zip: an empty central directory.
const QByteArray kEmptyZip = QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0');

bool writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// The programs and resources the build put beside its editor, relative to
// bin/; what runs wrote there (logs, the configuration it keeps) is not part
// of an installation.
QStringList builtInstallation()
{
    QStringList files;
    const QDir bin(kBuildBin);
    QDirIterator it(kBuildBin, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString rel = bin.relativeFilePath(it.next());
        if (!rel.startsWith(QLatin1String("Log/")) && !rel.startsWith(QLatin1String("configs/")))
            files << rel;
    }
    return files;
}

bool haveTools(const QStringList &tools, QString *missing)
{
    for (const QString &tool : tools) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            *missing = tool + QStringLiteral(" is not installed");
            return false;
        }
    }
    return true;
}

} // namespace

// The build installed into a prefix, moved, started from its launcher, and
// reached through the desktop's file and URL handling.
class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(kBuildBin + "/korvane").isExecutable(), "build the korvane_installation target first");
        QVERIFY2(m_install.install(QStringLiteral(KORVANE_BUILD_DIR)), qPrintable(m_install.error()));
        m_desktopReady = setUpDesktop(&m_desktopSkip);
    }

    void cleanupTestCase()
    {
        if (m_editor && m_editor->state() != QProcess::NotRunning) {
            m_editor->kill();
            m_editor->waitForFinished(3000);
        }
        if (m_xvfb.state() != QProcess::NotRunning) {
            m_xvfb.terminate();
            m_xvfb.waitForFinished(3000);
        }
    }

    // Every program and resource of the build's installation folder is
    // installed, executables still executable, and nothing else is: no test,
    // benchmark or build tool, no log.
    void installsWhatTheBuildRuns()
    {
        const QStringList built = builtInstallation();
        QVERIFY(built.contains("korvane"));
        QVERIFY(built.contains("Brenlow.exe"));
        for (const QString &rel : built) {
            const QFileInfo installed(m_install.appDir() + '/' + rel);
            QVERIFY2(installed.isFile(), qPrintable(rel + " is not installed"));
            QCOMPARE(installed.isExecutable(), QFileInfo(kBuildBin + '/' + rel).isExecutable());
        }
        const QDir app(m_install.appDir());
        QDirIterator it(m_install.appDir(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString rel = app.relativeFilePath(it.next());
            QVERIFY2(built.contains(rel) || rel.startsWith(QLatin1String("configs/")),
                     qPrintable(rel + " is installed but not part of the build's installation"));
        }
    }

    // The shipped configuration is the source's, not what runs of the build
    // tree wrote beside it (a launch test record would skip the first-run test).
    void installsTheShippedConfiguration()
    {
        const QDir source(QStringLiteral(KORVANE_SOURCE_DIR "/configs"));
        const QDir installed(m_install.appDir() + "/configs");
        QCOMPARE(installed.entryList(QDir::Files), source.entryList(QDir::Files));
    }

    void installsDesktopIntegration_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("desktop entry") << "share/applications/korvane.desktop";
        QTest::newRow("metainfo") << "share/metainfo/com.tessaracorp.Korvane.metainfo.xml";
        QTest::newRow("mime package") << "share/mime/packages/korvane-mime.xml";
        QTest::newRow("scalable icon") << "share/icons/hicolor/scalable/apps/korvane.svg";
        for (int size : {16, 32, 48, 64, 128, 256})
            QTest::newRow(qPrintable(QStringLiteral("icon %1").arg(size)))
                << QStringLiteral("share/icons/hicolor/%1x%1/apps/korvane.png").arg(size);
        QTest::newRow("manual page") << "share/man/man1/korvane.1.gz";
    }
    void installsDesktopIntegration()
    {
        QFETCH(QString, path);
        const QFileInfo info(m_install.prefix() + '/' + path);
        QVERIFY2(info.isFile() && info.size() > 0, qPrintable(path));
    }

    // bin/korvane is a relative link, so the moved tree still starts.
    void launcherIsARelativeLink()
    {
        const QFileInfo link(m_install.launcher());
        QVERIFY(link.isSymLink());
        QCOMPARE(QFile::symLinkTarget(m_install.launcher()), QFileInfo(m_install.appDir() + "/korvane").filePath());
        QProcess version;
        version.setProcessEnvironment(m_install.environment());
        version.start(m_install.launcher(), {"--version"});
        QVERIFY(version.waitForFinished(10000));
        QCOMPARE(version.exitCode(), 0);
        QVERIFY(version.readAllStandardOutput().startsWith("Korvane X 11.8.1"));
    }

    // The installed editor starts from its launcher with a fresh HOME, runs
    // the first-run checks with the installed helpers and shows its first page;
    // its log names the folder it was moved to as its installation.
    void startsFromTheLauncher()
    {
        const QString firstPage = m_install.root() + "/first-page";
        QProcessEnvironment env = m_install.environment();
        env.insert("KORVANE_FIRST_PAGE_FILE", firstPage);
        // On an X server of its own where Xvfb is there, as on a desktop.
        const QString display = kvStartXvfb(m_xvfb, "1280x800x24");
        if (!display.isEmpty()) {
            env.insert("QT_QPA_PLATFORM", "xcb");
            env.insert("DISPLAY", display);
        }
        m_editor = std::make_unique<QProcess>();
        m_editor->setProcessEnvironment(env);
        m_editor->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_editor->setStandardOutputFile(QProcess::nullDevice());
        m_editor->setProgram(m_install.launcher());
        m_editor->start();
        QVERIFY(m_editor->waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(firstPage).size() > 0 || m_editor->state() == QProcess::NotRunning, 40000);
        QVERIFY2(QFileInfo(firstPage).size() > 0, qPrintable(m_install.log()));
        QVERIFY2(m_install.log().contains("installation " + m_install.appDir()), qPrintable(m_install.log()));
        QVERIFY2(QFile::exists(m_install.appDir() + "/configs/launchTest.ini"), "the first-run checks did not finish");
        QVERIFY(m_install.waitForLog("Splash: 100 / 100"));
    }

    // File types as the desktop's shared MIME database tells them: by name
    // first, by content when the name says nothing.
    void fileTypes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("type");
        QTest::newRow("project") << "Holiday.kvproj" << kProject << "application/x-korvane-project";
        QTest::newRow("template") << "Intro.kvtpl" << kProject << "application/x-korvane-template";
        QTest::newRow("archive") << "Holiday.kvarc" << kEmptyZip << "application/x-korvane-archive";
        QTest::newRow("project without suffix") << "Holiday" << kProject << "application/x-korvane-project";
        QTest::newRow("other JSON") << "data.json" << QByteArray(R"({"format": "other"})")
                                    << "application/json";
        QTest::newRow("project renamed to JSON") << "Holiday.json" << kProject << "application/json";
    }
    void fileTypes()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, type);
        if (!m_desktopReady)
            QSKIP(qPrintable(m_desktopSkip));
        const QString path = m_install.root() + "/files/" + name;
        QVERIFY(writeFile(path, content));
        QCOMPARE(m_install.run("xdg-mime", {"query", "filetype", path}), type);
    }

    // A fresh installation is the only handler of its types, and so the
    // default, from its desktop entry alone (no mimeapps.list written).
    void defaultHandler_data()
    {
        QTest::addColumn<QString>("type");
        for (const char *type : {"application/x-korvane-project", "application/x-korvane-archive",
                                 "application/x-korvane-template", "x-scheme-handler/kvapplaunch"})
            QTest::newRow(type) << QString::fromLatin1(type);
    }
    void defaultHandler()
    {
        QFETCH(QString, type);
        if (!m_desktopReady)
            QSKIP(qPrintable(m_desktopSkip));
        QCOMPARE(m_install.run("xdg-mime", {"query", "default", type}), QStringLiteral("korvane.desktop"));
        QVERIFY(!QFile::exists(m_install.home() + "/.config/mimeapps.list"));
    }

    // xdg-open of a launch address or a project starts the installed
    // launcher, which hands the request to the running editor.
    void openThroughTheDesktop_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("arrived");
        QTest::newRow("launch address") << "kvapplaunch://home?from=test" << "received: CMD_REOPEN_APP";
        const QString project = m_install.root() + "/projects/Holiday.kvproj";
        QTest::newRow("project") << project << QStringLiteral("open project \"%1\": success").arg(project);
        const QString spaced = m_install.root() + "/projects/My Trip.kvproj";
        QTest::newRow("project URL") << QUrl::fromLocalFile(spaced).toString(QUrl::FullyEncoded)
                                     << QStringLiteral("open project \"%1\": success").arg(spaced);
    }
    void openThroughTheDesktop()
    {
        QFETCH(QString, target);
        QFETCH(QString, arrived);
        if (!m_desktopReady)
            QSKIP(qPrintable(m_desktopSkip));
        QVERIFY2(m_editor && m_editor->state() == QProcess::Running, "the installed editor is not running");
        QVERIFY(writeFile(m_install.root() + "/projects/Holiday.kvproj", kProject));
        QVERIFY(writeFile(m_install.root() + "/projects/My Trip.kvproj", kProject));
        QProcessEnvironment display;
        // xdg-open hands files to applications only in a graphical session;
        // the editor itself stays on the offscreen platform.
        display.insert("WAYLAND_DISPLAY", "kvtest-none");
        QVERIFY2(!m_install.run("xdg-open", {target}, display).isEmpty(), qPrintable(m_install.error()));
        QVERIFY2(m_install.waitForLog(arrived), qPrintable(m_install.log()));
        QCOMPARE(m_editor->state(), QProcess::Running);
    }

    // Closed like the window's close button, it ends in order and has logged
    // no error in the whole session.
    void closesCleanly()
    {
        QVERIFY2(m_editor && m_editor->state() == QProcess::Running, "the installed editor is not running");
        ::kill(pid_t(m_editor->processId()), SIGTERM);
        QVERIFY(m_editor->waitForFinished(15000));
        QCOMPARE(m_editor->exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_editor->exitCode(), 0);
        const QStringList errors = m_install.log().split('\n').filter("[E]");
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
    }

private:
    // The installed desktop entry and MIME package in the private
    // XDG_DATA_HOME, with their databases built as the package manager
    // builds them for the system's.
    bool setUpDesktop(QString *skip)
    {
        if (!haveTools({"xdg-mime", "xdg-open", "update-desktop-database", "update-mime-database"}, skip))
            return false;
        // xdg-mime's generic path asks File::MimeInfo's tool; `file` knows no
        // installed types.
        if (!haveTools({"mimetype"}, skip))
            return false;
        const QString share = m_install.prefix() + "/share";
        const QString data = m_install.dataHome();
        QDir().mkpath(data + "/applications");
        QDir().mkpath(data + "/mime/packages");
        if (!QFile::copy(share + "/applications/korvane.desktop", data + "/applications/korvane.desktop")
            || !QFile::copy(share + "/mime/packages/korvane-mime.xml", data + "/mime/packages/korvane-mime.xml")) {
            *skip = QStringLiteral("cannot copy the desktop files");
            return false;
        }
        if (m_install.run("update-desktop-database", {data + "/applications"}).isEmpty()
            || m_install.run("update-mime-database", {data + "/mime"}).isEmpty()) {
            *skip = m_install.error();
            return false;
        }
        return true;
    }

    InstalledEditor m_install;
    std::unique_ptr<QProcess> m_editor;
    QProcess m_xvfb;
    bool m_desktopReady = false;
    QString m_desktopSkip;
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
