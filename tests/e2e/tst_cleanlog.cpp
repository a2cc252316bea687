#include "E2eInstallation.h"

#include <QtTest>

#include <csignal>

// A normal run writes no error line: an error in the log must mean that
// something went wrong, or users learn to ignore it.
class TestCleanLog : public QObject
{
    Q_OBJECT

private slots:
    void normalRun_data()
    {
        QTest::addColumn<bool>("withProject");
        QTest::newRow("start page, then a forwarded open") << false;
        QTest::newRow("project on the command line, then a forwarded open") << true;
    }

    void normalRun()
    {
        QFETCH(bool, withProject);
        E2eInstallation install;
        QVERIFY(install.isValid());
        const QString first = install.homeDir() + "/Videos/First.kvproj";
        const QString second = install.homeDir() + "/Videos/Second.kvproj";
        QVERIFY(e2eWriteFile(first, e2eEmptyProject("First")));
        QVERIFY(e2eWriteFile(second, e2eEmptyProject("Second")));

        QProcess *editor = install.start(withProject ? QStringList{first} : QStringList{});
        QVERIFY2(install.waitForLog("Splash: 100 / 100"), qPrintable(install.log()));
        if (withProject)
            QVERIFY2(install.waitForLog(QStringLiteral("open project \"%1\": success").arg(first)),
                     qPrintable(install.log()));

        QProcess *forward = install.start({"-open:" + second});
        QVERIFY(forward->waitForFinished(15000));
        QCOMPARE(forward->exitCode(), 0);
        QVERIFY2(install.waitForLog(QStringLiteral("open project \"%1\": success").arg(second)),
                 qPrintable(install.log()));

        e2eSignal(editor, SIGTERM);
        QVERIFY(editor->waitForFinished(10000));
        QCOMPARE(editor->exitCode(), 0);
        QVERIFY(install.waitForLog("runFinished End"));

        const QStringList errors = install.log().split(QLatin1Char('\n')).filter(QLatin1String("[E]"));
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestCleanLog)
#include "tst_cleanlog.moc"
