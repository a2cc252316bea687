#include "FMessageDialog.h"
#include "FProjectDocProxy.h"
#include "FRecoveryPrompt.h"
#include "KvTestFiles.h"
#include "KvTestLog.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

// The question about the previous run's automatic backup: when it is asked,
// what it shows, and what each answer does.
class TestFRecoveryPrompt : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString backupDir() const { return m_dir.filePath("Backup"); }
    QString backup() const { return m_dir.filePath("Backup/Trip_0123abcd_20261207-120000-000.kvproj"); }
    void writeNote(const QByteArray &content)
    {
        QByteArray text = content;
        writeAll(backupDir() + "/Backup.conf", text.replace("@", backup().toUtf8()));
    }

    struct Asked
    {
        int count = 0;
        QString text;
        QStringList buttons;
        QString checkBox;
        QString objectName;
    };
    // Answers with `button`, the check box set to `check`; records what was asked.
    static void answer(Asked *asked, int button, bool check)
    {
        FMessageDialog::setAnswerer([=](FMessageDialog &dialog) {
            ++asked->count;
            asked->text = dialog.text();
            asked->buttons = dialog.buttonTexts();
            asked->checkBox = dialog.checkBoxText();
            asked->objectName = dialog.objectName();
            dialog.setChecked(check);
            return button;
        });
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QDir(backupDir()).removeRecursively();
        writeAll(backup(), "{}");
        qunsetenv(FRecoveryPrompt::kAnswerVariable);
    }
    void cleanup() { FMessageDialog::setAnswerer({}); }

    // Every note that is not a usable one ends without a question and
    // leaves everything as it was.
    void asksOnlyAboutABackupThatIsThere_data()
    {
        QTest::addColumn<QByteArray>("note");
        QTest::addColumn<bool>("asked");
        QTest::newRow("good") << QByteArray("{\"lastAutoSaveProject\": \"@\"}") << true;
        QTest::newRow("no note") << QByteArray() << false;
        QTest::newRow("not JSON") << QByteArray("@") << false;
        QTest::newRow("empty object") << QByteArray("{}") << false;
        QTest::newRow("a list") << QByteArray("[\"@\"]") << false;
        QTest::newRow("key missing") << QByteArray("{\"other\": \"@\"}") << false;
        QTest::newRow("key empty") << QByteArray("{\"lastAutoSaveProject\": \"\"}") << false;
        QTest::newRow("deleted backup") << QByteArray("{\"lastAutoSaveProject\": \"@.gone\"}") << false;
        QTest::newRow("2000 levels deep") << QByteArray(2000, '[') + QByteArray(2000, ']') << false;
        QTest::newRow("too large")
            << QByteArray("{\"lastAutoSaveProject\": \"@\", \"pad\": \"") + QByteArray(100 * 1024, 'x') + "\"}"
            << false;
    }
    void asksOnlyAboutABackupThatIsThere()
    {
        QFETCH(QByteArray, note);
        QFETCH(bool, asked);
        if (!note.isEmpty())
            writeNote(note);
        Asked question;
        // Even a checked box counts only when the question was asked.
        answer(&question, FRecoveryPrompt::kCancelResult, true);
        FProjectDocProxy proxy;
        bool found = false;
        KvTestLog log;
        const int result = FRecoveryPrompt::run(backupDir(), &found, &proxy);
        QCOMPARE(question.count, asked ? 1 : 0);
        QCOMPARE(result, asked ? 0 : 1);
        QVERIFY(!found);
        QVERIFY(proxy.delayLoadProjectPath().isEmpty());
        QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
    }

    void theQuestionNamesTheBackup()
    {
        writeNote("{\"lastAutoSaveProject\": \"@\"}");
        Asked question;
        answer(&question, FMessageDialog::Closed, false);
        FRecoveryPrompt::run(backupDir(), nullptr, nullptr);
        QCOMPARE(question.text,
                 QStringLiteral("An automatic backup of a previous project has been detected. Would you like to use "
                                "this backup file? \n")
                     + QDir::toNativeSeparators(backup()));
        QCOMPARE(question.buttons.size(), 2);
        QVERIFY(question.buttons.contains(QStringLiteral("Open")));
        QCOMPARE(question.checkBox, QStringLiteral("Disable GPU acceleration temporarily."));
        QCOMPARE(question.objectName, QString(FRecoveryPrompt::kObjectName));
    }

    // "Open" is result 2; the check box counts whichever way the question ends.
    void eachAnswerDoesItsPart_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("check");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<int>("result");
        QTest::newRow("open") << FRecoveryPrompt::kOpenResult << false << true << 1;
        QTest::newRow("open, GPU off") << FRecoveryPrompt::kOpenResult << true << true << 0;
        QTest::newRow("cancel") << FRecoveryPrompt::kCancelResult << false << false << 1;
        QTest::newRow("cancel, GPU off") << FRecoveryPrompt::kCancelResult << true << false << 0;
        QTest::newRow("closed, GPU off") << int(FMessageDialog::Closed) << true << false << 0;
    }
    void eachAnswerDoesItsPart()
    {
        QFETCH(int, button);
        QFETCH(bool, check);
        QFETCH(bool, opens);
        QFETCH(int, result);
        writeNote("{\"lastAutoSaveProject\": \"@\"}");
        Asked question;
        answer(&question, button, check);
        FProjectDocProxy proxy;
        bool found = false;
        QCOMPARE(FRecoveryPrompt::run(backupDir(), &found, &proxy), result);
        QCOMPARE(found, opens);
        QCOMPARE(proxy.delayLoadProjectPath(), opens ? backup() : QString());
        // Declining leaves the backup where it is.
        QVERIFY(QFile::exists(backup()));
    }
};

QTEST_MAIN(TestFRecoveryPrompt)
#include "tst_frecoveryprompt.moc"
