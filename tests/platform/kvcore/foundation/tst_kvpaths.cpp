#include "KvPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

// Where an installation writes beside itself, and where that moves when it
// cannot.
class TestKvPaths : public QObject
{
    Q_OBJECT

private slots:
    void installStateDir_data()
    {
        QTest::addColumn<QString>("folder");     // "writable", "read-only", "missing" or "none"
        QTest::addColumn<QByteArray>("stateHome"); // XDG_STATE_HOME; "<tmp>" a temporary folder
        QTest::addColumn<QString>("expected");   // "app", "<tmp>" or "home"

        QTest::newRow("writable installation") << "writable" << QByteArray("<tmp>") << "app";
        QTest::newRow("read-only installation") << "read-only" << QByteArray("<tmp>") << "<tmp>";
        QTest::newRow("missing installation") << "missing" << QByteArray("<tmp>") << "<tmp>";
        QTest::newRow("no installation folder") << "none" << QByteArray("<tmp>") << "<tmp>";
        QTest::newRow("state home unset") << "read-only" << QByteArray() << "home";
        QTest::newRow("state home relative is ignored") << "missing" << QByteArray("relative/state") << "home";
    }
    void installStateDir()
    {
        QFETCH(QString, folder);
        QFETCH(QByteArray, stateHome);
        QFETCH(QString, expected);
        if (folder == QLatin1String("read-only") && ::geteuid() == 0)
            QSKIP("root may write to any folder");

        QTemporaryDir root;
        QString appDir;
        if (folder == QLatin1String("writable") || folder == QLatin1String("read-only")) {
            appDir = root.filePath("lib/korvane");
            QVERIFY(QDir().mkpath(appDir));
            if (folder == QLatin1String("read-only"))
                QVERIFY(QFile::setPermissions(appDir, QFile::ReadOwner | QFile::ExeOwner));
        } else if (folder == QLatin1String("missing")) {
            appDir = root.filePath("gone");
        }

        const QString tmpState = root.filePath("state");
        const QByteArray saved = qgetenv("XDG_STATE_HOME");
        if (stateHome == "<tmp>")
            qputenv("XDG_STATE_HOME", QFile::encodeName(tmpState));
        else if (stateHome.isEmpty())
            qunsetenv("XDG_STATE_HOME");
        else
            qputenv("XDG_STATE_HOME", stateHome);

        const QString actual = KvPaths::installStateDir(appDir);
        qputenv("XDG_STATE_HOME", saved);
        if (!appDir.isEmpty())
            QFile::setPermissions(appDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        if (expected == QLatin1String("app"))
            QCOMPARE(actual, appDir);
        else if (expected == QLatin1String("<tmp>"))
            QCOMPARE(actual, tmpState + "/Tessaracorp/Korvane");
        else
            QCOMPARE(actual, QDir::homePath() + "/.local/state/Tessaracorp/Korvane");
    }
};

QTEST_GUILESS_MAIN(TestKvPaths)
#include "tst_kvpaths.moc"
