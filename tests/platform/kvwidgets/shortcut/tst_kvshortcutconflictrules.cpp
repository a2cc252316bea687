#include "KvShortcutCommands.h"
#include "KvShortcutConflictRules.h"
#include "KvShortcutEditManager.h"
#include "KvTestLog.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

constexpr int kSave = 2;       // Ctrl+S
constexpr int kOpen = 1;       // Ctrl+O
constexpr int kSplit = 2001;   // Ctrl+B
constexpr int kKeyframes = 2026; // kept by Restore Defaults, no default
constexpr int kReplace = 2034;   // kept by Restore Defaults, no default

QKeySequence key(const char *text)
{
    return QKeySequence(QString::fromLatin1(text));
}

struct Track
{
    int calls = 0;
    QString commands;
    QString modules;
};

using Edit = std::function<void(KvShortcutConflictRules &)>;
using Sequences = QMap<int, QString>;

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestKvShortcutConflictRules : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<KvShortcutEditManager> m_manager;
    Track m_track;

    QString file() const { return m_dir->filePath(QStringLiteral("KvShortcuts.json")); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_manager = std::make_unique<KvShortcutEditManager>(file());
        m_track = Track();
        IKvShortcutEditManager::SetTrackSender([this](const QString &commands, const QString &modules) {
            ++m_track.calls;
            m_track.commands = commands;
            m_track.modules = modules;
        });
    }

    void cleanup()
    {
        IKvShortcutEditManager::SetTrackSender({});
        m_manager.reset();
        m_dir.reset();
    }

    // The working map after a series of edits, and what commit applies.
    void edits_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<Sequences>("working"); // the commands to look at
        QTest::addColumn<Sequences>("applied");

        QTest::newRow("free key") << Edit([](KvShortcutConflictRules &rules) {
            QCOMPARE(rules.conflictingCommand(kSave, key("F9")), -1);
            rules.assign(kSave, key("F9"));
        }) << Sequences{{kSave, "F9"}} << Sequences{{kSave, "F9"}};

        QTest::newRow("conflict confirmed") << Edit([](KvShortcutConflictRules &rules) {
            QCOMPARE(rules.conflictingCommand(kSave, key("Ctrl+O")), kOpen);
            QCOMPARE(rules.assignReplacing(kSave, key("Ctrl+O")), kOpen);
        }) << Sequences{{kSave, "Ctrl+O"}, {kOpen, ""}} << Sequences{{kSave, "Ctrl+O"}, {kOpen, ""}};

        // Refused: the caller changes nothing.
        QTest::newRow("conflict refused") << Edit([](KvShortcutConflictRules &rules) {
            QCOMPARE(rules.conflictingCommand(kSave, key("Ctrl+O")), kOpen);
        }) << Sequences{{kSave, "Ctrl+S"}, {kOpen, "Ctrl+O"}} << Sequences{};

        QTest::newRow("own key is no conflict") << Edit([](KvShortcutConflictRules &rules) {
            QCOMPARE(rules.conflictingCommand(kSave, key("Ctrl+S")), -1);
            rules.assign(kSave, key("Ctrl+S"));
        }) << Sequences{{kSave, "Ctrl+S"}} << Sequences{};

        QTest::newRow("set empty, twice unbound is no conflict") << Edit([](KvShortcutConflictRules &rules) {
            rules.setEmpty(kSave);
            QCOMPARE(rules.conflictingCommand(kOpen, QKeySequence()), -1);
            rules.setEmpty(kOpen);
        }) << Sequences{{kSave, ""}, {kOpen, ""}, {kKeyframes, ""}} << Sequences{{kSave, ""}, {kOpen, ""}};

        QTest::newRow("change and change back") << Edit([](KvShortcutConflictRules &rules) {
            rules.assign(kSave, key("F9"));
            rules.assign(kSave, key("Ctrl+S"));
            rules.setEmpty(kKeyframes);
        }) << Sequences{{kSave, "Ctrl+S"}} << Sequences{};

        QTest::newRow("restore one, free") << Edit([](KvShortcutConflictRules &rules) {
            rules.assign(kSave, key("F9"));
            QVERIFY(rules.differsFromDefault(kSave));
            QCOMPARE(rules.restoreOne(kSave), -1);
            QVERIFY(!rules.differsFromDefault(kSave));
        }) << Sequences{{kSave, "Ctrl+S"}} << Sequences{};

        // The default is held by another command: conflict rule, then confirmed.
        QTest::newRow("restore one, taken") << Edit([](KvShortcutConflictRules &rules) {
            rules.setEmpty(kSave);
            rules.assign(kSplit, key("Ctrl+S"));
            QCOMPARE(rules.restoreOne(kSave), kSplit);
            QVERIFY(rules.sequence(kSave).isEmpty());
            QCOMPARE(rules.assignReplacing(kSave, rules.defaultSequence(kSave)), kSplit);
        }) << Sequences{{kSave, "Ctrl+S"}, {kSplit, ""}} << Sequences{{kSplit, ""}};

        QTest::newRow("restore defaults keeps three") << Edit([](KvShortcutConflictRules &rules) {
            rules.assign(kKeyframes, key("F9"));
            rules.assign(kReplace, key("Ctrl+S")); // taken back from Save below
            rules.assignReplacing(kSplit, key("Ctrl+O"));
            QVERIFY(rules.canRestoreDefaults());
            rules.restoreDefaults();
            QVERIFY(!rules.canRestoreDefaults());
        }) << Sequences{{kKeyframes, "F9"}, {kReplace, ""}, {kSave, "Ctrl+S"}, {kOpen, "Ctrl+O"}, {kSplit, "Ctrl+B"}}
           << Sequences{{kKeyframes, "F9"}};
    }

    void edits()
    {
        QFETCH(Edit, edit);
        QFETCH(Sequences, working);
        QFETCH(Sequences, applied);

        KvShortcutConflictRules rules(m_manager.get());
        QVERIFY(!rules.canRestoreDefaults());
        edit(rules);
        for (auto it = working.constBegin(); it != working.constEnd(); ++it)
            QCOMPARE(rules.sequence(it.key()).toString(QKeySequence::PortableText), it.value());

        QSignalSpy changed(m_manager.get(), &IKvShortcutEditManager::sigShortcutsChanged);
        const KvShortcutSequenceMap result = rules.commit();
        QCOMPARE(result.size(), applied.size());
        QStringList names;
        for (auto it = applied.constBegin(); it != applied.constEnd(); ++it) {
            QCOMPARE(m_manager->GetShortcut(it.key()).toString(QKeySequence::PortableText), it.value());
            names << KvShortcutCommands::nameEn(it.key());
        }
        QCOMPARE(changed.size(), applied.isEmpty() ? 0 : 1);
        QCOMPARE(m_track.calls, 1);
        QCOMPARE(m_track.commands, names.join(','));
        // Committed or not, the file holds the manager's bindings.
        QVERIFY(QFile::exists(file()));
        KvShortcutEditManager reread(file());
        KvShortcutInfoMap before;
        KvShortcutInfoMap after;
        m_manager->GetCurrentShortcuts(before);
        reread.GetCurrentShortcuts(after);
        QCOMPARE(after, before);
    }

    void conflictText()
    {
        QCOMPARE(KvShortcutConflictRules::conflictTitle(), QStringLiteral("Conflicting Shortcuts"));
        QCOMPARE(KvShortcutConflictRules::conflictText(key("Ctrl+O"), kOpen),
                 QStringLiteral("The \"Ctrl+O\" shortcut is already assigned to the \"Open Project\" command. "
                                "Do you wish to replace it?"));
    }

    // The tracking texts: English names and modules, joined in id order.
    void trackingTexts()
    {
        KvShortcutConflictRules rules(m_manager.get());
        rules.assign(kSplit, key("F9"));
        rules.assign(kSave, key("F10"));
        rules.commit();
        QCOMPARE(m_track.commands, QStringLiteral("Save Project,Split"));
        QCOMPARE(m_track.modules, QStringLiteral("File,Tools"));
    }
};

QTEST_MAIN(TestKvShortcutConflictRules)
#include "tst_kvshortcutconflictrules.moc"
