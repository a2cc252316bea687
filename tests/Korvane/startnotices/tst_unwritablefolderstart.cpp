#include "E2eInstallation.h"

#include <QtTest>

// A start whose downloads folder exists but cannot be written asks for
// another folder before the first page; a start with writable folders does not.
// /proc/1 is such a folder even for root, which the tests run as here: the
// kernel creates nothing in a process folder, whoever asks.
class TestUnwritableFolderStart : public QObject
{
    Q_OBJECT

private slots:
    void pathDialogAtStart_data()
    {
        QTest::addColumn<QString>("downloads");
        QTest::addColumn<bool>("asked");
        QTest::newRow("cannot be written") << "/proc/1" << true;
        QTest::newRow("writable") << QString() << false;
    }

    void pathDialogAtStart()
    {
        QFETCH(QString, downloads);
        QFETCH(bool, asked);
        if (asked && QFileInfo(downloads).isWritable())
            QSKIP("this machine lets the test write to /proc/1");

        E2eInstallation install;
        QVERIFY(install.isValid());
        const QString config = install.homeDir() + QStringLiteral("/.config/Tessaracorp/Korvane");
        QVERIFY(QDir().mkpath(config));
        if (!downloads.isEmpty()) {
            QFile settings(config + QStringLiteral("/KvAppSettings.json"));
            QVERIFY(settings.open(QIODevice::WriteOnly));
            settings.write(QStringLiteral(R"({"format":1,"user":{"Folders":{"DownloadFileFolder":"%1"}}})")
                               .arg(downloads)
                               .toUtf8());
        }
        install.start();
        if (asked) {
            // The dialog is modal and nobody answers it here: its log line is the proof.
            QVERIFY2(install.waitForLog(QStringLiteral("dialog FPathWritableCheckDlg:")), qPrintable(install.log()));
            QVERIFY(install.countInLog(QStringLiteral("folder not writable: /proc/1")) >= 1);
        } else {
            QVERIFY2(install.waitForLog(QStringLiteral("Show dialog, cost =")), qPrintable(install.log()));
            QCOMPARE(install.countInLog(QStringLiteral("FPathWritableCheckDlg")), 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestUnwritableFolderStart)
#include "tst_unwritablefolderstart.moc"
