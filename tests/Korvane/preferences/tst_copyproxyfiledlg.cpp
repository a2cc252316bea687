#include "FCopyProxyFileDlg.h"
#include "IKvMediaProxyService.h"
#include "KvTestFiles.h"

#include <QtTest>
#include <QtWidgets>

namespace {

struct Report
{
    int status;
    int value;
    QString name;
};

} // namespace

Q_DECLARE_METATYPE(QVector<Report>)

class tst_CopyProxyFileDlg : public QObject
{
    Q_OBJECT

private slots:
    void layout();
    void reports_data();
    void reports();
    void copiesWithUnwritableFiles();
};

void tst_CopyProxyFileDlg::layout()
{
    QTemporaryDir dir;
    const QString target = dir.filePath("deep/new");
    FCopyProxyFileDlg dialog(dir.filePath("old"), target);
    QCOMPARE(dialog.title(), QStringLiteral("Proxy"));
    QCOMPARE(dialog.size(), QSize(540, 120));
    QVERIFY(!dialog.hasButtonBar());
    QCOMPARE(dialog.progressBar()->width(), 520);
    QCOMPARE(dialog.progressBar()->maximum(), 100);
    QVERIFY(dialog.failureLabel()->isHidden());
    // The new folder is there before anything is copied into it.
    QVERIFY(QFileInfo(target).isDir());
}

void tst_CopyProxyFileDlg::reports_data()
{
    QTest::addColumn<QVector<Report>>("reports");
    QTest::addColumn<int>("progress");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("failure"); // empty: label hidden
    QTest::addColumn<int>("result");      // -1: still open

    QTest::newRow("copying") << QVector<Report>{{1, 10, "clip"}, {0, 40, "clip"}} << 40
                             << "Copying file clip" << QString() << -1;
    QTest::newRow("two failures, comma without blank")
        << QVector<Report>{{1, 0, "a"}, {3, 20, "a"}, {1, 20, "b"}, {3, 50, "b"}, {1, 50, "c"}} << 50
        << "Copying file c" << "copy files a,b failed!" << -1;
    QTest::newRow("finished keeps the failures shown")
        << QVector<Report>{{1, 0, "a"}, {3, 90, "a"}, {2, 100, ""}} << 100 << "Copying file a"
        << "copy files a failed!" << 1;
    QTest::newRow("unknown status moves the bar only") << QVector<Report>{{7, 33, "x"}} << 33 << "" << QString() << -1;
}

void tst_CopyProxyFileDlg::reports()
{
    QFETCH(QVector<Report>, reports);
    QFETCH(int, progress);
    QFETCH(QString, status);
    QFETCH(QString, failure);
    QFETCH(int, result);

    QTemporaryDir dir;
    FCopyProxyFileDlg dialog(dir.filePath("old"), dir.filePath("new"));
    dialog.setResult(-1);
    for (const Report &report : reports)
        dialog.slotUpdateProgress(report.status, report.value, report.name);

    QCOMPARE(dialog.progressBar()->value(), progress);
    QCOMPARE(dialog.statusLabel()->text(), status);
    QCOMPARE(dialog.failureLabel()->isHidden(), failure.isEmpty());
    if (!failure.isEmpty())
        QCOMPARE(dialog.failureLabel()->text(), failure);
    QCOMPARE(dialog.result(), result);
}

void tst_CopyProxyFileDlg::copiesWithUnwritableFiles()
{
    // The real service, run modally: files a and b cannot be written in the
    // new folder (a folder of their name stands there); the dialog lists
    // them and still closes at the end.
    QTemporaryDir dir;
    const QString from = dir.filePath("old");
    const QString to = dir.filePath("new");
    const QString project = QStringLiteral("0123456789abcdef/");
    for (const char *name : {"a.mp4", "b.mp4", "c.mp4"})
        writeAll(from + "/" + project + name, QByteArray(4096, 'x'));
    QVERIFY(QDir().mkpath(to + "/" + project + "a.mp4"));
    QVERIFY(QDir().mkpath(to + "/" + project + "b.mp4"));

    FCopyProxyFileDlg dialog(from, to);
    QString failureAtEnd;
    connect(&dialog, &QDialog::finished, this, [&] { failureAtEnd = dialog.failureLabel()->text(); });
    // A copy that never ends must not hang the suite.
    QTimer::singleShot(10000, &dialog, [&] { dialog.done(-2); });
    QCOMPARE(dialog.DoModal(), int(FCopyProxyFileDlg::Finished));

    QCOMPARE(failureAtEnd, QStringLiteral("copy files a,b failed!"));
    QCOMPARE(dialog.failedFiles(), (QStringList{"a", "b"}));
    QCOMPARE(readAll(to + "/" + project + "c.mp4"), QByteArray(4096, 'x'));
}

QTEST_MAIN(tst_CopyProxyFileDlg)
#include "tst_copyproxyfiledlg.moc"
