#include "KvActionId.h"
#include "KvActionManager.h"
#include "KvShortcutCommands.h"
#include "KvShortcutEditManager.h"
#include "KvTestFiles.h"
#include "KvTestLog.h"

#include <QAction>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <memory>

namespace {

using Sequences = QMap<int, QString>;

QKeySequence key(const char *text)
{
    return QKeySequence(QString::fromLatin1(text));
}

QByteArray bindingsFile(const QList<QPair<QJsonValue, QJsonValue>> &entries)
{
    QJsonArray list;
    for (const auto &entry : entries)
        list.append(QJsonObject{{"id", entry.first}, {"key", entry.second}});
    return QJsonDocument(QJsonObject{{"version", 1}, {"shortcuts", list}}).toJson();
}

} // namespace

class TestKvShortcutEditManager : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString file() const { return m_dir->filePath(QStringLiteral("config/KvShortcuts.json")); }

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void cleanup()
    {
        IKvShortcutEditManager::SetMainView(nullptr);
        IKvShortcutEditManager::Release();
        KvActionManager::Release();
        m_dir.reset();
    }

    // Whatever the file holds, every command gets a binding: the file's
    // where it can be read, the default otherwise; one log line says why.
    void load_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file
        QTest::addColumn<Sequences>("expected");
        QTest::addColumn<int>("errors");
        QTest::addColumn<QString>("logged");

        const Sequences defaults{{2, "Ctrl+S"}, {1, "Ctrl+O"}, {2001, "Ctrl+B"}, {2026, ""}};
        QTest::newRow("missing") << QByteArray() << defaults << 0 << "no keyboard shortcut file";
        QTest::newRow("not JSON") << QByteArray("{\"version\": 1, \"shortc") << defaults << 1 << "cannot be read";
        QTest::newRow("no list") << QByteArray("{\"version\": 1}") << defaults << 1 << "cannot be read";
        QTest::newRow("clean") << bindingsFile({{2, "F9"}, {2026, "Ctrl+K"}, {1, ""}})
                               << Sequences{{2, "F9"}, {2026, "Ctrl+K"}, {1, ""}, {2001, "Ctrl+B"}} << 0 << "";
        QTest::newRow("partly valid")
            << bindingsFile({{2, "F9"}, {2001, "Ctrl+Nonsense"}, {"1", "F8"}, {99, "F7"}, {1, 42}, {2026, "Ctrl+K"}})
            << Sequences{{2, "F9"}, {2001, "Ctrl+B"}, {1, "Ctrl+O"}, {2026, "Ctrl+K"}} << 1 << "partly unusable";
        // The later of two commands claiming one key loses it.
        QTest::newRow("key claimed twice") << bindingsFile({{2001, "F9"}, {2, "F9"}, {1, "Ctrl+B"}})
                                           << Sequences{{2001, "F9"}, {2, ""}, {1, "Ctrl+B"}} << 1
                                           << "claimed by commands 2001 and 2";
        // A default kept for an unlisted command yields to a key the file gives.
        QTest::newRow("file takes a default") << bindingsFile({{2001, "Ctrl+S"}})
                                              << Sequences{{2001, "Ctrl+S"}, {2, ""}} << 1 << "is taken by command 2001";
    }

    void load()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Sequences, expected);
        QFETCH(int, errors);
        QFETCH(QString, logged);

        if (!bytes.isNull())
            writeAll(file(), bytes);
        KvTestLog log;
        KvShortcutEditManager manager(file());
        QCOMPARE(log.errors().size(), errors);
        if (!logged.isEmpty())
            QCOMPARE(log.count(logged), 1);

        KvShortcutInfoMap current;
        manager.GetCurrentShortcuts(current);
        QCOMPARE(current.size(), KvShortcutCommands::table().size());
        for (auto it = expected.constBegin(); it != expected.constEnd(); ++it)
            QCOMPARE(current.value(it.key()).GetKeySequence().toString(QKeySequence::PortableText), it.value());
        // The actions follow what was loaded.
        QCOMPARE(KvActionManager::instance()->get(KvActionId::SaveProject)->shortcut().toString(QKeySequence::PortableText),
                 expected.value(2));
    }

    // Apply rebinds a real action at once; saving and loading again keeps it.
    void applyRebindsAndPersists()
    {
        KvShortcutEditManager manager(file());
        QAction *save = KvActionManager::instance()->get(KvActionId::SaveProject);
        QAction *fullScreen = KvActionManager::instance()->get(KvActionId::FullScreen);
        QSignalSpy changed(&manager, &IKvShortcutEditManager::sigShortcutsChanged);
        KvTestLog log;
        manager.ApplyShortcuts({{2, key("Ctrl+F5")}, {3002, key("Ctrl+Enter")}, {1, key("Ctrl+O")}, {9999, key("F3")}});
        QCOMPARE(log.errors().size(), 1); // the unknown command
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.at(0).at(0).value<QList<int>>(), (QList<int>{2, 3002}));
        QCOMPARE(save->shortcut(), key("Ctrl+F5"));
        QCOMPARE(KvActionManager::instance()->shortcut(KvActionId::SaveProject), key("Ctrl+F5"));
        // Enter binds the main keyboard's Return as well.
        QCOMPARE(fullScreen->shortcuts(), (QList<QKeySequence>{key("Ctrl+Enter"), key("Ctrl+Return")}));

        // A key given to a command is taken from the one that held it.
        manager.ApplyShortcuts({{2001, key("Ctrl+F5")}});
        QCOMPARE(changed.size(), 2);
        QCOMPARE(changed.at(1).at(0).value<QList<int>>(), (QList<int>{2001, 2}));
        QVERIFY(save->shortcut().isEmpty());
        manager.ApplyShortcuts({{2, key("Ctrl+F5")}, {2001, key("Ctrl+B")}});
        QCOMPARE(manager.GetShortcut(2001), key("Ctrl+B"));

        QVERIFY(manager.SaveShortcuts());
        KvShortcutEditManager reread(file());
        QCOMPARE(reread.GetShortcut(2), key("Ctrl+F5"));
        QCOMPARE(reread.GetShortcut(3002), key("Ctrl+Enter"));
        KvShortcutInfoMap defaults;
        reread.GetDefaultShortcuts(defaults);
        QCOMPARE(defaults.value(2).GetShortcutString(), key("Ctrl+S").toString(QKeySequence::NativeText));
        QCOMPARE(defaults.value(2).GetMode(), KvShortCutMode_File);
    }

    // A main view that comes after one that put the actions back as it
    // found them gets the user's bindings again.
    void mainViewResyncsActions()
    {
        KvActionManager *actions = KvActionManager::instance();
        QAction *save = actions->get(KvActionId::SaveProject);
        actions->save();
        IKvShortcutEditManager::GetInstance()->ApplyShortcuts({{2, key("F6")}});
        actions->restore();
        QCOMPARE(save->shortcut(), key("Ctrl+S"));
        QWidget view;
        IKvShortcutEditManager::SetMainView(&view);
        QCOMPARE(save->shortcut(), key("F6"));
        QCOMPARE(IKvShortcutEditManager::GetTopWidget(nullptr), &view);
    }

    void saveFailureIsLogged()
    {
        QDir().mkpath(file()); // a folder where the file should be
        KvShortcutEditManager manager(file());
        KvTestLog log;
        QVERIFY(!manager.SaveShortcuts());
        QCOMPARE(log.errors().size(), 1);
    }

    void moduleNames()
    {
        const QStringList names{"File", "Edit", "Tools", "View", "Marker", "Miscellaneous"};
        for (int mode = 0; mode < names.size(); ++mode)
            QCOMPARE(IKvShortcutEditManager::getModuleStringEn(mode), names.at(mode));
        QVERIFY(IKvShortcutEditManager::getModuleStringEn(KvShortCutMode_Count).isEmpty());
    }
};

QTEST_MAIN(TestKvShortcutEditManager)
#include "tst_kvshortcuteditmanager.moc"
