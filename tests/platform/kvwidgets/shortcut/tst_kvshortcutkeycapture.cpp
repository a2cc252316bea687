#include "KvActionManager.h"
#include "KvLocale.h"
#include "KvShortcutCommands.h"
#include "KvShortcutKeyCapture.h"

#include <QHash>
#include <QKeyEvent>
#include <QSet>
#include <QtTest>

using Outcome = KvShortcutKeyCapture::Outcome;
Q_DECLARE_METATYPE(Outcome)

class TestKvShortcutKeyCapture : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { KvLocale::instance()->setLanguageType(1); }

    // One synthesized key event per row: what it becomes in a shortcut field.
    void capture_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("wholeTextSelected");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("stored"); // portable text, for Outcome::Sequence

        const int shift = Qt::ShiftModifier;
        const int ctrl = Qt::ControlModifier;
        const int keypad = Qt::KeypadModifier;
        auto refused = [](const char *name, int key, int modifiers = 0) {
            QTest::newRow(name) << key << modifiers << false << Outcome::Refused << QString();
        };
        auto ignored = [](const char *name, int key, int modifiers = 0) {
            QTest::newRow(name) << key << modifiers << false << Outcome::Ignored << QString();
        };
        auto stored = [](const char *name, int key, int modifiers, const char *text) {
            QTest::newRow(name) << key << modifiers << false << Outcome::Sequence << QString::fromLatin1(text);
        };

        QTest::newRow("Tab alone goes on") << int(Qt::Key_Tab) << 0 << false << Outcome::RefusedPassOn << QString();
        QTest::newRow("Tab on the keypad goes on too")
            << int(Qt::Key_Tab) << keypad << false << Outcome::RefusedPassOn << QString();
        stored("Ctrl+Tab", Qt::Key_Tab, ctrl, "Ctrl+Tab");
        refused("Scroll Lock", Qt::Key_ScrollLock);
        refused("Pause", Qt::Key_Pause, ctrl);
        refused("Insert", Qt::Key_Insert);
        refused("Caps Lock", Qt::Key_CapsLock);
        refused("Num Lock", Qt::Key_NumLock);
        refused("Menu", Qt::Key_Menu);
        refused("printable outside Latin-1", 0x0416, ctrl); // Cyrillic Zhe
        refused("last printable", Qt::Key_Escape - 1);
        refused("above the dead keys", Qt::Key_Dead_Horn + 1);
        refused("Select", Qt::Key_Select);
        ignored("Escape", Qt::Key_Escape);
        ignored("Ctrl+Escape", Qt::Key_Escape, ctrl);
        ignored("Shift alone", Qt::Key_Shift, shift);
        ignored("Control alone", Qt::Key_Control, ctrl);
        ignored("Meta alone", Qt::Key_Meta, Qt::MetaModifier);
        ignored("Alt alone", Qt::Key_Alt, Qt::AltModifier);
        ignored("unknown key", Qt::Key_unknown);
        QTest::newRow("Backspace over the whole text")
            << int(Qt::Key_Backspace) << 0 << true << Outcome::Consumed << QString();
        stored("Backspace otherwise", Qt::Key_Backspace, 0, "Backspace");
        stored("Ctrl+K", Qt::Key_K, ctrl, "Ctrl+K");
        stored("latin-1 letter", 0xe9, 0, QKeySequence(0xe9).toString().toLatin1().constData());
        stored("Return is Enter", Qt::Key_Return, 0, "Enter");
        stored("Alt+Return is Alt+Enter", Qt::Key_Return, Qt::AltModifier, "Alt+Enter");
        stored("media play/pause", Qt::Key_MediaTogglePlayPause, 0, "Media Play");
        stored("keypad flag dropped", Qt::Key_5, ctrl | keypad, "Ctrl+5");
        stored("Shift+Backtab is Shift+Tab", Qt::Key_Backtab, shift, "Shift+Tab");
        stored("symbol without Shift kept", Qt::Key_Equal, ctrl, "Ctrl+=");

        // Every shifted symbol goes back to the key that carries it.
        const struct
        {
            const char *typed;
            int key;
            const char *stored;
        } symbols[] = {
            {"!", Qt::Key_Exclam, "Shift+1"},      {"\"", Qt::Key_QuoteDbl, "Shift+'"},
            {"#", Qt::Key_NumberSign, "Shift+3"},  {"$", Qt::Key_Dollar, "Shift+4"},
            {"%", Qt::Key_Percent, "Shift+5"},     {"&", Qt::Key_Ampersand, "Shift+7"},
            {"(", Qt::Key_ParenLeft, "Shift+9"},   {")", Qt::Key_ParenRight, "Shift+0"},
            {"*", Qt::Key_Asterisk, "Shift+8"},    {":", Qt::Key_Colon, "Shift+;"},
            {"<", Qt::Key_Less, "Shift+,"},        {"=", Qt::Key_Equal, "Shift++"},
            {">", Qt::Key_Greater, "Shift+."},     {"?", Qt::Key_Question, "Shift+/"},
            {"@", Qt::Key_At, "Shift+2"},          {"^", Qt::Key_AsciiCircum, "Shift+6"},
            {"_", Qt::Key_Underscore, "Shift+-"},  {"{", Qt::Key_BraceLeft, "Shift+["},
            {"}", Qt::Key_BraceRight, "Shift+]"},  {"~", Qt::Key_AsciiTilde, "Shift+`"},
        };
        for (const auto &symbol : symbols) {
            QTest::addRow("Shift %s", symbol.typed) << symbol.key << shift << false << Outcome::Sequence
                                                     << QString::fromLatin1(symbol.stored);
        }
        stored("Ctrl+Shift+! keeps both", Qt::Key_Exclam, ctrl | shift, "Ctrl+Shift+1");
    }

    void capture()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, wholeTextSelected);
        QFETCH(Outcome, outcome);
        QFETCH(QString, stored);

        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers));
        const KvShortcutKeyCapture::Result result = KvShortcutKeyCapture::capture(event, wholeTextSelected);
        QCOMPARE(result.outcome, outcome);
        QCOMPARE(result.accepted(), outcome != Outcome::RefusedPassOn);
        if (outcome == Outcome::Sequence) {
            QCOMPARE(result.sequence.count(), 1);
            QCOMPARE(result.sequence.toString(QKeySequence::PortableText), stored);
        } else {
            QVERIFY(result.sequence.isEmpty());
        }
    }

    // Languages 3 and 12 show native text, the key taken from after the
    // last "+" (so the plus key itself survives); the others portable text.
    void displayText_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QKeySequence>("sequence");
        QTest::addColumn<QString>("text");
        const QKeySequence ctrlPlus(Qt::CTRL | Qt::Key_Plus);
        const QKeySequence ctrlS(Qt::CTRL | Qt::Key_S);
        QTest::newRow("English") << 1 << ctrlS << QStringLiteral("Ctrl+S");
        QTest::newRow("language 7 is portable") << 7 << ctrlPlus << QStringLiteral("Ctrl++");
        QTest::newRow("language 3") << 3 << ctrlS << ctrlS.toString(QKeySequence::NativeText);
        QTest::newRow("language 12, plus key") << 12 << ctrlPlus << ctrlPlus.toString(QKeySequence::NativeText);
        QTest::newRow("language 3, no modifier") << 3 << QKeySequence(Qt::Key_F2) << QStringLiteral("F2");
        QTest::newRow("empty") << 3 << QKeySequence() << QString();
    }

    void displayText()
    {
        QFETCH(int, language);
        QFETCH(QKeySequence, sequence);
        QFETCH(QString, text);
        KvLocale::instance()->setLanguageType(language);
        QCOMPARE(KvShortcutKeyCapture::displayText(sequence), text);
    }

    // Every command has a name and a module by its block; no two commands
    // share a default, nor with an action outside the command table; each
    // default is one combination the key capture could have produced.
    void commandTable()
    {
        QHash<QKeySequence, QString> owners;
        QSet<int> ids;
        for (const KvShortcutCommands::Command &command : KvShortcutCommands::table()) {
            QVERIFY2(!ids.contains(command.id), qPrintable(QString::number(command.id)));
            ids.insert(command.id);
            QVERIFY(!KvShortcutCommands::name(command.id).isEmpty());
            const int block = command.id / 1000;
            QCOMPARE(int(command.mode), block >= 5 ? int(KvShortCutMode_Miscellaneous) : block);
            const QKeySequence sequence = KvShortcutCommands::defaultSequence(command.id);
            if (sequence.isEmpty())
                continue;
            QCOMPARE(sequence.count(), 1);
            const int key = sequence[0] & ~Qt::KeyboardModifierMask;
            QVERIFY2(key != Qt::Key_unknown && key != Qt::Key_Return, command.shortcut);
            QVERIFY2(!owners.contains(sequence), command.shortcut);
            owners.insert(sequence, QString::number(command.id));
        }
        QCOMPARE(ids.size(), 107);
        for (const KvActionRow &row : KvActionManager::table()) {
            if (row.shortcutCommand >= 0) {
                QVERIFY2(KvShortcutCommands::contains(row.shortcutCommand), qPrintable(QString::number(row.id)));
                continue;
            }
            if (row.shortcut)
                QVERIFY2(!owners.contains(QKeySequence(QString::fromLatin1(row.shortcut))), row.shortcut);
        }
        QVERIFY(KvShortcutCommands::name(7000).isEmpty());
        QVERIFY(KvShortcutCommands::nameEn(-1).isEmpty());
        QCOMPARE(KvShortcutCommands::mouseAlternative(2026), QStringLiteral("Alt+Left Click"));
        QVERIFY(KvShortcutCommands::mouseAlternative(2).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestKvShortcutKeyCapture)
#include "tst_kvshortcutkeycapture.moc"
