#include "E2eInstallation.h"
#include "KvTestXvfb.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QtTest>

#include <csignal>

namespace {

QJsonObject userConfig(const E2eInstallation &install)
{
    QFile file(install.homeDir() + "/.config/Tessaracorp/Korvane/KvConfig.json");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object().value("user").toObject().value("Korvane").toObject();
}

// Polls the log closely: start-up takes a few hundred milliseconds, and the
// signal must land in the moment the row names.
bool waitForLogClosely(const E2eInstallation &install, const QString &needle, int timeoutMs = 15000)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        if (install.log().contains(needle))
            return true;
        QThread::usleep(500);
    }
    return false;
}

} // namespace

// Termination signals during start-up end the editor in order, and the
// editor leaves the GL stack alone.
class TestStartSignals : public QObject
{
    Q_OBJECT

private slots:
    void signalDuringStartUp_data()
    {
        QTest::addColumn<QString>("moment");
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("graph started, SIGTERM") << "start-up graph of" << int(SIGTERM);
        QTest::newRow("splash shown, SIGTERM") << "task \"show Splash Screen\" end" << int(SIGTERM);
        QTest::newRow("graph finished, SIGINT") << "tasks finished after" << int(SIGINT);
        QTest::newRow("page manager starting, SIGHUP") << "Splash: 50 / 100" << int(SIGHUP);
        QTest::newRow("just before the first page, SIGTERM") << "Splash: 99 / 100" << int(SIGTERM);
    }
    void signalDuringStartUp()
    {
        QFETCH(QString, moment);
        QFETCH(int, signalNumber);
        E2eInstallation install;
        QVERIFY(install.isValid());
        QProcess *editor = install.start();
        QVERIFY2(waitForLogClosely(install, moment), qPrintable(install.log()));
        QElapsedTimer timer;
        timer.start();
        e2eSignal(editor, signalNumber);
        QVERIFY(editor->waitForFinished(5000));
        const qint64 took = timer.elapsed();
        QCOMPARE(editor->exitStatus(), QProcess::NormalExit);
        QCOMPARE(editor->exitCode(), 0);
        QVERIFY2(took < 1000, qPrintable(QString("ended %1 ms after the signal").arg(took)));

        const QString log = install.log();
        QVERIFY2(log.contains(QString("signal %1 ").arg(signalNumber)), qPrintable(log));
        QVERIFY(log.indexOf("runFinished Begin") < log.indexOf("runFinished End"));
        QVERIFY2(!userConfig(install).value("AppCrashed").toBool(), "crash flag cleared");
        const QStringList errors = log.split('\n').filter("[E]");
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));

        // The next start does not take the run for a crash.
        // The run signalled late in start-up may have got as far as its first page.
        const int pagesBefore = install.countInLog("Splash: 100 / 100");
        QProcess *next = install.start();
        QVERIFY(install.waitForLog("Splash: 100 / 100", pagesBefore + 1, 15000));
        QVERIFY(!install.log().contains("the previous run did not shut down in order"));
        e2eSignal(next, SIGTERM);
        QVERIFY(next->waitForFinished(5000));
    }

    // The xcb GL integration is off unless the user chose one.
    void glIntegration_data()
    {
        QTest::addColumn<QString>("userValue");
        QTest::addColumn<QString>("logged");
        QTest::newRow("editor's default") << QString() << "xcb GL integration \"none\" (the editor's default)";
        QTest::newRow("user's value wins")
            << "xcb_glx" << "xcb GL integration \"xcb_glx\" (from the environment)";
    }
    void glIntegration()
    {
        QFETCH(QString, userValue);
        QFETCH(QString, logged);
        E2eInstallation install;
        QProcessEnvironment extra;
        if (!userValue.isEmpty())
            extra.insert("QT_XCB_GL_INTEGRATION", userValue);
        QProcess *editor = install.start({}, extra);
        QVERIFY2(install.waitForLog(logged), qPrintable(install.log()));
        e2eSignal(editor, SIGTERM);
        QVERIFY(editor->waitForFinished(5000));
    }

    // On a real X server nothing of the GL driver is loaded (libGL itself is
    // a dependency of Qt's GUI library and stays).
    void noGlDriverUnderX()
    {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty())
            QSKIP("Xvfb is not installed");
        QProcess server;
        const QString display = kvStartXvfb(server);
        QVERIFY2(!display.isEmpty(), "Xvfb gave no display");

        E2eInstallation install;
        QProcessEnvironment extra;
        extra.insert("QT_QPA_PLATFORM", "xcb");
        extra.insert("DISPLAY", display);
        QProcess *editor = install.start({}, extra);
        QVERIFY2(install.waitForLog("Splash: 100 / 100"), qPrintable(install.log()));
        QTest::qWait(300);
        QFile maps(QString("/proc/%1/maps").arg(editor->processId()));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QString mapped = QString::fromLatin1(maps.readAll());
        for (const char *library : {"libLLVM", "_dri.so", "libGLX_mesa", "libEGL_mesa", "xcbglintegrations"})
            QVERIFY2(!mapped.contains(library), library);
        e2eSignal(editor, SIGTERM);
        QVERIFY(editor->waitForFinished(5000));
        server.terminate();
        server.waitForFinished(3000);
    }
};

QTEST_GUILESS_MAIN(TestStartSignals)
#include "tst_startsignals.moc"
