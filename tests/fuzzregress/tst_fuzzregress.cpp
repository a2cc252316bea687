// Inputs that broke a parser of outside input once (most found by the fuzz
// targets). Every file in inputs/<parser>/ is a row of that parser's table,
// so keeping a new case is dropping its file there.

#include "FStartTipLoader.h"
#include "KvBackupNote.h"
#include "KvIniWriter.h"
#include "KvTestLog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void addInputRows(const QString &parser)
{
    QTest::addColumn<QString>("input");
    const QDir dir(QStringLiteral(KORVANE_SOURCE_DIR "/tests/fuzzregress/inputs/") + parser);
    const QStringList files = dir.entryList(QDir::Files, QDir::Name);
    QVERIFY2(!files.isEmpty(), qPrintable(dir.path()));
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << dir.filePath(file);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_fuzzregress : public QObject
{
    Q_OBJECT

private slots:
    // A document type declaration behind a prolog the pre-scan cannot read
    // (which QDomDocument accepts) must still be refused, or its entities
    // get expanded without bound.
    void startTipsRefuseHiddenDocumentTypes_data() { addInputRows(QStringLiteral("start_tips")); }
    void startTipsRefuseHiddenDocumentTypes()
    {
        QFETCH(QString, input);
        KvTestLog log;
        QVERIFY(FStartTipLoader::readTips(input, QStringLiteral("en")).isEmpty());
        QVERIFY2(log.hasError(QStringLiteral("document type")), qPrintable(log.errors().join('\n')));
    }

    // Whatever the note held, writing the newest backup into it must give a
    // note that reads back with that backup.
    void backupNoteEntryReadsBack_data() { addInputRows(QStringLiteral("backup_note")); }
    void backupNoteEntryReadsBack()
    {
        QFETCH(QString, input);
        QTemporaryDir dir;
        const QString note = KvBackupNote::pathIn(dir.path());
        const QString backup = dir.filePath(QStringLiteral("Backup_1.kvproj"));
        QFile noteFile(note);
        QVERIFY(noteFile.open(QIODevice::WriteOnly) && noteFile.write(contents(input)) > 0);
        noteFile.close();
        QFile backupFile(backup);
        QVERIFY(backupFile.open(QIODevice::WriteOnly));
        backupFile.close();

        QVERIFY(KvBackupNote::write(note, backup));
        QString named;
        QCOMPARE(KvBackupNote::resultName(KvBackupNote::read(note, &named)), "ok");
        QCOMPARE(named, backup);
    }

    // Setting a key twice in a file of any content gives the file of the
    // first time: no line, and no line ending, changes at the second write.
    void iniWriterSecondWriteChangesNothing_data() { addInputRows(QStringLiteral("ini_writer")); }
    void iniWriterSecondWriteChangesNothing()
    {
        QFETCH(QString, input);
        const QString section = QStringLiteral("LogRetrieval");
        const QString key = QStringLiteral("flashback");
        const QString value = QStringLiteral("true");
        const QByteArray once = KvIniWriter::setValue(contents(input), section, key, value);
        QVERIFY(once.contains("\n[LogRetrieval]") && once.contains("\nflashback=true"));
        QCOMPARE(KvIniWriter::setValue(once, section, key, value), once);
    }
};

QTEST_GUILESS_MAIN(tst_fuzzregress)
#include "tst_fuzzregress.moc"
