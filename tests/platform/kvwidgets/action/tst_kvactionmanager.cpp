#include "KvActionManager.h"
#include "KvDataMessage.h"
#include "KvSkin.h"
#include "KvTestLog.h"
#include "KvUIScene.h"
#include "KvUIView.h"

#include <QAction>
#include <QSet>
#include <QSignalSpy>
#include <QTranslator>
#include <QWidget>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

KvActionManager *actions()
{
    return KvActionManager::instance();
}

// Every number the menus place, by menu, and whether the entries run
// themselves (the menu bar handles the others).
struct MenuNumbers
{
    const char *menu;
    QList<int> numbers;
    bool runsItself;
};

const QList<MenuNumbers> &menuNumbers()
{
    static const QList<MenuNumbers> menus = {
        {"New Project", {1, 2, 3, 4, 5, 6, 7}, false},
        {"File", {8, 9, 10, 11, 12, 117, 13, 211, 212, 214, 213}, false},
        {"File, runs itself", {116}, true},
        {"Import Media", {16, 17, 19, 20, 21}, false},
        {"Import from other Apps", {22, 23, 24}, false},
        {"Record Media", {25, 26, 27}, false},
        {"Edit", {209, 210, 82, 83, 84, 85, 86, 88, 89, 90, 91}, true},
        {"Effect", {101, 102, 109}, true},
        {"Tools, runs itself", {55, 57, 130, 134, 58}, true},
        {"Tools", {215, 46, 47, 48, 49, 50, 52, 53, 51}, false},
        {"Video", {63, 131, 92, 93, 64, 66, 78, 113, 129}, true},
        {"Audio", {98, 100, 133}, true},
        {"Color", {65, 79}, true},
        {"Animation", {110, 112}, true},
        {"Speed", {94, 95, 111}, true},
        {"Trim", {61, 62}, true},
        {"Export", {121, 122, 123, 124, 125, 126, 127}, false},
        {"Export, runs itself", {136, 137}, true},
        {"Help", {185, 199, 200, 201, 202, 203, 186, 207, 196, 204, 205, 190, 206, 194}, false},
    };
    return menus;
}

// Records the messages the scene hands it; handles the run message when told.
class RunRecorder : public KvUIView
{
public:
    explicit RunRecorder(QWidget *widget)
        : KvUIView(widget)
    {
    }
    bool dispatchMessage(KvMessage *message) override
    {
        const auto *data = dynamic_cast<KvDataMessage *>(message);
        received << qMakePair(message->code(), data ? data->data().toInt() : -1);
        message->setHandled(handles);
        return handles;
    }
    QList<QPair<int, int>> received;
    bool handles = true;
};

// A scene that is also a QObject, so that the manager can notice it go.
class ObjectScene : public QObject, public KvUIScene
{
};

// Puts every text of the action manager in brackets, as a translation would
// change it.
class BracketTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "KvActionManager") != 0)
            return QString();
        return QStringLiteral("[%1]").arg(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
};

struct ActionState
{
    bool enabled;
    bool checked;
    bool visible;
    QKeySequence shortcut;
    bool operator==(const ActionState &other) const
    {
        return enabled == other.enabled && checked == other.checked && visible == other.visible
               && shortcut == other.shortcut;
    }
};

ActionState stateOf(int id)
{
    const QAction *action = actions()->get(id);
    return {action->isEnabled(), action->isChecked(), action->isVisible(), actions()->shortcut(id)};
}

using Change = std::function<void(int id)>;

} // namespace

Q_DECLARE_METATYPE(Change)

class TestKvActionManager : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        actions()->setTargetScene(nullptr);
        KvActionManager::Release();
    }

    // Numbers, default shortcuts and shortcut commands are each taken once;
    // every shortcut is one key combination that reads back as written;
    // texts are there, icons are the skin's.
    void tableIsConsistent()
    {
        QSet<int> ids;
        QHash<QKeySequence, int> shortcuts;
        QHash<int, int> commands;
        for (const KvActionRow &row : KvActionManager::table()) {
            QVERIFY2(!ids.contains(row.id), qPrintable(QString("number %1 twice").arg(row.id)));
            ids.insert(row.id);
            QVERIFY2(row.text && *row.text, qPrintable(QString("action %1 has no text").arg(row.id)));
            if (row.icon)
                QVERIFY2(KvSkin::hasIcon(QString::fromLatin1(row.icon)), row.icon);
            if (row.shortcutCommand >= 0) {
                QVERIFY2(!commands.contains(row.shortcutCommand),
                         qPrintable(QString("command %1 on actions %2 and %3")
                                        .arg(row.shortcutCommand)
                                        .arg(commands.value(row.shortcutCommand))
                                        .arg(row.id)));
                commands.insert(row.shortcutCommand, row.id);
            }
            // A row bound to a command leaves its default to the command table.
            QVERIFY2(row.shortcutCommand < 0 || !row.shortcut, row.shortcut);
            const QKeySequence sequence = actions()->defaultShortcut(row.id);
            if (sequence.isEmpty())
                continue;
            QCOMPARE(sequence.count(), 1);
            QVERIFY(sequence[0] != Qt::Key_unknown);
            if (row.shortcut)
                QCOMPARE(sequence.toString(QKeySequence::PortableText),
                         QKeySequence(QString::fromLatin1(row.shortcut)).toString(QKeySequence::PortableText));
            QVERIFY2(!shortcuts.contains(sequence), qPrintable(QString("%1 on actions %2 and %3")
                                                                   .arg(sequence.toString())
                                                                   .arg(shortcuts.value(sequence))
                                                                   .arg(row.id)));
            shortcuts.insert(sequence, row.id);
        }
        // The commonest bindings, as users expect them.
        const QList<QPair<int, const char *>> expected = {
            {KvActionId::NewProject16x9, "Ctrl+N"}, {KvActionId::OpenProject, "Ctrl+O"},
            {KvActionId::SaveProject, "Ctrl+S"},    {KvActionId::SaveProjectAs, "Ctrl+Shift+S"},
            {KvActionId::Undo, "Ctrl+Z"},           {KvActionId::Redo, "Ctrl+Y"},
            {KvActionId::Cut, "Ctrl+X"},            {KvActionId::Copy, "Ctrl+C"},
            {KvActionId::Paste, "Ctrl+V"},          {KvActionId::Delete, "Del"},
            {KvActionId::SelectAll, "Ctrl+A"},      {KvActionId::PlayPause, "Space"},
            {KvActionId::Exit, "Ctrl+Q"},           {KvActionId::HelpCenter, "F1"},
        };
        for (const auto &binding : expected)
            QCOMPARE(actions()->defaultShortcut(binding.first).toString(QKeySequence::PortableText),
                     QString::fromLatin1(binding.second));
    }

    // Every number a menu places has a row; the entries the menu bar does
    // not handle run themselves, and no other does.
    void menuNumbersHaveRows_data()
    {
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<bool>("runsItself");
        for (const MenuNumbers &menu : menuNumbers())
            QTest::newRow(menu.menu) << menu.numbers << menu.runsItself;
        QTest::newRow("not placed") << QList<int>{87, 118, 119, 120} << true;
    }

    void menuNumbersHaveRows()
    {
        QFETCH(QList<int>, numbers);
        QFETCH(bool, runsItself);
        for (int id : numbers) {
            QVERIFY2(KvActionManager::tableRow(id), qPrintable(QString("no row for %1").arg(id)));
            QCOMPARE(actions()->targetOf(id) != KvActionTarget::None, runsItself);
        }
    }

    // The action is made once, carries its number and the table's text and
    // binding; the source text stays untranslated while the shown one follows
    // the language.
    void getAndTexts_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("shortcut");
        QTest::newRow("new 16:9") << 1 << "16:9 (Widescreen)" << "Ctrl+N";
        QTest::newRow("custom ratio") << 7 << "Custom Aspect Ratio..." << "";
        QTest::newRow("about") << 207 << "About" << "";
        QTest::newRow("updates") << 196 << "Check for Updates" << "";
        QTest::newRow("log folder") << 205 << "Open Log Folder" << "";
        QTest::newRow("proxy") << 190 << "Network Proxy Settings..." << "";
        QTest::newRow("play, not placed") << 87 << "Play/Pause" << "Space";
    }

    void getAndTexts()
    {
        QFETCH(int, id);
        QFETCH(QString, source);
        QFETCH(QString, shortcut);
        QVERIFY(!actions()->isCreated(id));
        QAction *action = actions()->get(id);
        QCOMPARE(actions()->get(id), action);
        QCOMPARE(action->property("actionType").toInt(), id);
        QCOMPARE(action->text(), source);
        QCOMPARE(action->shortcut().toString(QKeySequence::PortableText), shortcut);
        QVERIFY(action->isEnabled());

        BracketTranslator translator;
        QCoreApplication::installTranslator(&translator);
        actions()->retranslate();
        QCOMPARE(action->text(), "[" + source + "]");
        QCOMPARE(actions()->getSourceText(id), source);
        QCoreApplication::removeTranslator(&translator);
        actions()->retranslate();
        QCOMPARE(action->text(), source);
    }

    // A number outside the table: logged once, a disabled placeholder that
    // carries the number, no text, no target; asking again gives the same.
    void unknownNumber_data()
    {
        QTest::addColumn<int>("id");
        QTest::newRow("gap in the numbers") << 18;
        QTest::newRow("negative") << -1;
        QTest::newRow("far out") << 100000;
    }

    void unknownNumber()
    {
        QFETCH(int, id);
        KvTestLog log;
        QAction *placeholder = actions()->get(id);
        QVERIFY(placeholder);
        QCOMPARE(actions()->get(id), placeholder);
        QCOMPARE(log.errors().size(), 1);
        QVERIFY(!placeholder->isEnabled());
        QCOMPARE(placeholder->property("actionType").toInt(), id);
        QVERIFY(actions()->getSourceText(id).isEmpty());
        QCOMPARE(actions()->targetOf(id), KvActionTarget::None);
        actions()->setShortcut(id, QKeySequence(QStringLiteral("Ctrl+K")));
        QVERIFY(actions()->shortcut(id).isEmpty());
        QCOMPARE(log.errors().size(), 2);
    }

    // Rebinding reaches an action made before and one made after; the
    // default stays; binding the default again is no override.
    void setShortcut()
    {
        QAction *save = actions()->get(KvActionId::SaveProject);
        actions()->setShortcut(KvActionId::SaveProject, QKeySequence(QStringLiteral("F2")));
        actions()->setShortcut(KvActionId::Redo, QKeySequence());
        QCOMPARE(save->shortcut(), QKeySequence(QStringLiteral("F2")));
        QCOMPARE(actions()->get(KvActionId::Redo)->shortcut(), QKeySequence());
        QCOMPARE(actions()->defaultShortcut(KvActionId::SaveProject), QKeySequence(QStringLiteral("Ctrl+S")));
        actions()->setShortcut(KvActionId::SaveProject, QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(save->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    }

    // restore() puts back what save() saw, whatever changed in between.
    void saveRestore_data()
    {
        QTest::addColumn<Change>("change");
        QTest::newRow("disabled") << Change([](int id) { actions()->get(id)->setEnabled(false); });
        QTest::newRow("hidden") << Change([](int id) { actions()->get(id)->setVisible(false); });
        QTest::newRow("unchecked") << Change([](int id) { actions()->get(id)->setChecked(false); });
        QTest::newRow("rebound") << Change([](int id) {
            actions()->setShortcut(id, QKeySequence(QStringLiteral("Ctrl+F12")));
        });
        QTest::newRow("everything") << Change([](int id) {
            QAction *action = actions()->get(id);
            action->setEnabled(false);
            action->setVisible(false);
            action->setChecked(false);
            action->setShortcut(QKeySequence());
        });
    }

    void saveRestore()
    {
        QFETCH(Change, change);
        const int id = KvActionId::Mute;
        QAction *mute = actions()->get(id);
        mute->setCheckable(true);
        mute->setChecked(true);
        // Saved while changed too: the other action must come back changed.
        QAction *undo = actions()->get(KvActionId::Undo);
        undo->setEnabled(false);
        const ActionState before = stateOf(id);
        actions()->save();
        change(id);
        undo->setEnabled(true);
        QAction *later = actions()->get(KvActionId::Copy);
        later->setEnabled(false);
        actions()->restore();
        QVERIFY(stateOf(id) == before);
        QVERIFY(!undo->isEnabled());
        QCOMPARE(actions()->shortcut(id), mute->shortcut());
        // Made after the save: left as it is.
        QVERIFY(!later->isEnabled());
    }

    // A triggered self-running action reaches the scene's views with the run
    // message and its number; one the menu bar handles sends nothing.
    void selfRunningReachesScene_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("sent");
        QTest::addColumn<bool>("handled");
        QTest::newRow("undo, handled") << int(KvActionId::Undo) << true << true;
        QTest::newRow("play, handled") << int(KvActionId::PlayPause) << true << true;
        QTest::newRow("split, nobody runs it") << int(KvActionId::Split) << true << false;
        QTest::newRow("save is the menu bar's") << int(KvActionId::SaveProject) << false << false;
        QTest::newRow("about is the menu bar's") << int(KvActionId::About) << false << false;
    }

    void selfRunningReachesScene()
    {
        QFETCH(int, id);
        QFETCH(bool, sent);
        QFETCH(bool, handled);
        // Parented, so that the scene never takes the widget over.
        QWidget window;
        RunRecorder recorder(new QWidget(&window));
        recorder.handles = handled;
        KvUIScene scene;
        scene.addView(&recorder);
        actions()->setTargetScene(&scene);
        QSignalSpy run(actions(), &KvActionManager::sigActionRun);
        KvTestLog log;
        actions()->get(id)->trigger();
        if (sent)
            QCOMPARE(recorder.received, (QList<QPair<int, int>>{{KvActionManager::kRunActionMessage, id}}));
        else
            QVERIFY(recorder.received.isEmpty());
        QCOMPARE(run.count(), sent ? 1 : 0);
        // Unhandled is worth a line, not an error.
        QVERIFY(log.errors().isEmpty());
        QCOMPARE(log.lines().join('\n').contains(QStringLiteral("no module of the scene ran")), sent && !handled);
        scene.removeView(&recorder);
    }

    // Without a scene, after it is detached, or once a QObject scene is gone,
    // triggering logs and sends nothing.
    void noScene()
    {
        // Parented, so that the scene never takes the widget over.
        QWidget window;
        RunRecorder recorder(new QWidget(&window));
        auto scene = std::make_unique<ObjectScene>();
        scene->addView(&recorder);
        QSignalSpy run(actions(), &KvActionManager::sigActionRun);
        KvTestLog log;
        QAction *undo = actions()->get(KvActionId::Undo);
        undo->trigger();
        actions()->setTargetScene(scene.get());
        actions()->setTargetScene(nullptr);
        undo->trigger();
        actions()->setTargetScene(scene.get());
        scene->removeView(&recorder);
        scene.reset();
        QVERIFY(!actions()->targetScene());
        undo->trigger();
        QVERIFY(recorder.received.isEmpty());
        QCOMPARE(run.count(), 0);
        QVERIFY(log.errors().isEmpty());
    }
};

QTEST_MAIN(TestKvActionManager)
#include "tst_kvactionmanager.moc"
