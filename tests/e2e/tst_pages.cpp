#include "E2eInstallation.h"

#include <QtTest>

// The first page a user sees, as the editor decides it at start.
class TestPages : public QObject
{
    Q_OBJECT

private slots:
    void firstPage_data()
    {
        QTest::addColumn<bool>("withProject");
        QTest::addColumn<QString>("page");
        QTest::newRow("bare project path: editing window") << true << "page -1 -> 1";
        QTest::newRow("nothing: start page") << false << "page -1 -> 0";
    }
    void firstPage()
    {
        QFETCH(bool, withProject);
        QFETCH(QString, page);
        E2eInstallation install;
        const QString project = install.homeDir() + "/Videos/Holiday.kvproj";
        QStringList arguments;
        if (withProject) {
            QDir().mkpath(install.homeDir() + "/Videos");
            QFile file(project);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(R"({"format":"korvane-project","version":1,"name":"Holiday","type":0,
                           "settings":{"width":1920,"height":1080,"frameRate":30},
                           "media":[],"clips":[],"effects":[]})");
            file.close();
            arguments << project;
        }
        QProcess *editor = install.start(arguments);
        QVERIFY2(install.waitForLog("Splash: 100 / 100"), qPrintable(install.log()));
        QVERIFY(install.countInLog("Splash: 50 / 100") == 1);
        QVERIFY(install.countInLog("Splash: 99 / 100") == 1);
        QVERIFY2(install.countInLog(page) == 1, qPrintable(install.log()));
        if (withProject)
            QVERIFY2(install.waitForLog(QStringLiteral("open project \"%1\": success").arg(project)),
                     qPrintable(install.log()));
        QCOMPARE(editor->state(), QProcess::Running);
    }
};

QTEST_GUILESS_MAIN(TestPages)
#include "tst_pages.moc"
