// What the menus and the self-running actions ask of the editing modules:
// the run message in the timeline, player and media library, the imports
// that ask the user, the tools on selected items, freeze frame and the
// custom project template.
#include "FMainPlayerPresenter.h"
#include "FMediaLibraryView.h"
#include "FMediaPlayerModuleWidget.h"
#include "FMessageDialog.h"
#include "FTimelineModulePresenter.h"
#include "FTimelineModuleWidget.h"
#include "IKvAppInfo.h"
#include "IKvMediaLibrary.h"
#include "IKvProject.h"
#include "IKvProjectManager.h"
#include "IKvTimeline.h"
#include "KvActionManager.h"
#include "KvAppInfoId.h"
#include "KvDataMessage.h"
#include "KvEditingMessageId.h"
#include "KvEditingViewType.h"
#include "KvMediaLibraryGoToMsg.h"
#include "KvMediaLibraryPresenter.h"
#include "KvProjectFile.h"
#include "KvProjectPlayer.h"
#include "KvTestFiles.h"
#include "KvTestLog.h"
#include "KvToastWidget.h"
#include "KvUIScene.h"
#include "KvUIView.h"

#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

IKvProjectManager *manager()
{
    return IKvProjectManager::getInstance();
}

IKvTimeline *timeline()
{
    return manager()->timeline();
}

// The timeline, media library and player in one scene, as the main window
// registers them.
struct MenuScene
{
    MenuScene()
        : host(&hostWidget)
    {
        timelinePresenter = new FTimelineModulePresenter(&host, timeline(), &hostWidget);
        timelinePresenter->createView(&hostWidget);
        library = new FMediaLibraryView(new KvMediaLibraryPresenter(manager()->mediaLibrary(), &hostWidget), &hostWidget);
        player = new FMediaPlayerModuleWidget(
            new FMainPlayerPresenter(manager()->player(), manager()->mediaEditor(), &hostWidget), &hostWidget);
        host.registerView(KvEditingViewType::MediaLibrary, library);
        host.registerView(KvEditingViewType::Player, player);
        scene.addView(&host);
    }
    ~MenuScene() { scene.removeView(&host); }

    bool run(int actionId)
    {
        KvDataMessage message(KvActionManager::kRunActionMessage, actionId);
        return scene.sendMessage(&message);
    }
    QVariant ask(int code, const QVariant &data = QVariant())
    {
        KvDataMessage message(code, data);
        handled = scene.sendMessage(&message);
        return message.answer();
    }
    KvMediaLibraryPresenter *libraryPresenter() const { return library->libraryPresenter(); }
    int toasts() const { return hostWidget.findChildren<KvToastWidget *>().size(); }

    QWidget hostWidget;
    KvUIView host;
    KvUIScene scene;
    FTimelineModulePresenter *timelinePresenter;
    FMediaLibraryView *library;
    FMediaPlayerModuleWidget *player;
    bool handled = false;
};

QList<qint64> starts()
{
    QList<qint64> result;
    for (const KvTimelineClip &clip : timeline()->clips())
        result << clip.startMs;
    std::sort(result.begin(), result.end());
    return result;
}

QVariantMap importRequest(int mode)
{
    return {{QStringLiteral("mode"), mode}, {QStringLiteral("source"), 0}, {QStringLiteral("toCurrentFolder"), true}};
}

using Check = std::function<void(MenuScene &, const QString &dir)>;

} // namespace

Q_DECLARE_METATYPE(Check)

class TestFEditingMenus : public QObject
{
    Q_OBJECT

private slots:
    void init() { manager()->closeProject(); }
    void cleanup() { FMessageDialog::setAnswerer({}); }
    void cleanupTestCase() { IKvProjectManager::releaseInstance(); }

    // One row per request: what the scene answers and what changed. The
    // project holds one 5 s clip of medium 0 at 0 and the playhead at 2 s.
    void requests_data()
    {
        QTest::addColumn<Check>("check");
        QTest::newRow("edit actions: select all, copy, paste, undo, redo, delete, split")
            << Check([](MenuScene &s, const QString &) {
                   QVERIFY(s.run(KvActionId::SelectAll));
                   QCOMPARE(timeline()->selectedClips(), QVector<int>{0});
                   QVERIFY(s.run(KvActionId::Copy));
                   timeline()->setCurrentPosition(6000);
                   QVERIFY(s.run(KvActionId::Paste));
                   QCOMPARE(starts(), (QList<qint64>{0, 6000}));
                   QVERIFY(s.run(KvActionId::Undo));
                   QCOMPARE(starts(), QList<qint64>{0});
                   QVERIFY(s.run(KvActionId::Redo));
                   QCOMPARE(starts(), (QList<qint64>{0, 6000}));
                   timeline()->setSelectedClips({1});
                   QVERIFY(s.run(KvActionId::Delete));
                   QCOMPARE(starts(), QList<qint64>{0});
                   timeline()->setCurrentPosition(2000);
                   timeline()->setSelectedClips({0});
                   QVERIFY(s.run(KvActionId::Split));
                   QCOMPARE(starts(), (QList<qint64>{0, 2000}));
               });
        QTest::newRow("cut then paste moves the clip to the playhead") << Check([](MenuScene &s, const QString &) {
            timeline()->setSelectedClips({0});
            QVERIFY(s.run(KvActionId::Cut));
            QCOMPARE(timeline()->clipCount(), 0);
            timeline()->setCurrentPosition(1000);
            QVERIFY(s.run(KvActionId::Paste));
            QCOMPARE(starts(), QList<qint64>{1000});
            QCOMPARE(timeline()->selectedClips(), QVector<int>{0});
        });
        QTest::newRow("nothing to act on: handled, nothing changes") << Check([](MenuScene &s, const QString &) {
            for (int id : {KvActionId::Paste, KvActionId::Delete, KvActionId::Cut, KvActionId::Redo})
                QVERIFY(s.run(id));
            QCOMPARE(starts(), QList<qint64>{0});
        });
        QTest::newRow("mute toggles, trim end cuts at the playhead") << Check([](MenuScene &s, const QString &) {
            timeline()->setSelectedClips({0});
            QVERIFY(s.run(KvActionId::Mute));
            QCOMPARE(timeline()->clipAt(0).volume, 0);
            QVERIFY(s.run(KvActionId::Mute));
            QCOMPARE(timeline()->clipAt(0).volume, 100);
            QVERIFY(s.run(KvActionId::TrimEndToPlayhead));
            QCOMPARE(timeline()->clipAt(0).endMs(), qint64(2000));
            // The playhead now sits on the clip's end: nothing more to trim.
            QVERIFY(s.run(KvActionId::TrimEndToPlayhead));
            QCOMPARE(timeline()->clipAt(0).endMs(), qint64(2000));
            QVERIFY(s.run(KvActionId::Undo));
            QCOMPARE(timeline()->clipAt(0).endMs(), qint64(5000));
        });
        QTest::newRow("close gap moves the clip up to the one before") << Check([](MenuScene &s, const QString &) {
            timeline()->setSelectedClips({0});
            QVERIFY(s.run(KvActionId::Copy));
            timeline()->setCurrentPosition(8000);
            QVERIFY(s.run(KvActionId::Paste));
            QVERIFY(s.run(KvActionId::CloseGap));
            QCOMPARE(starts(), (QList<qint64>{0, 5000}));
            // The first clip has nothing before it but the start.
            timeline()->setSelectedClips({0, 1});
            QVERIFY(s.run(KvActionId::CloseGap));
            QCOMPARE(starts(), (QList<qint64>{0, 5000}));
        });
        QTest::newRow("snapshot writes the player's picture") << Check([](MenuScene &s, const QString &dir) {
            IKvAppInfo::getInstance()->setValue(KvAppInfoId::SnapshotDir, dir + "/shots");
            KvDataMessage message(KvActionManager::kRunActionMessage, int(KvActionId::Snapshot));
            QVERIFY(s.scene.sendMessage(&message));
            const QString path = message.answer().toString();
            QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(dir + "/shots").absoluteFilePath());
            QVERIFY(!QImage(path).isNull());
            QVERIFY(s.toasts() >= 1);
        });
        QTest::newRow("play/pause toggles, stop stops") << Check([](MenuScene &s, const QString &) {
            QVERIFY(s.run(KvActionId::PlayPause));
            QVERIFY(manager()->player()->isPlaying());
            QVERIFY(s.run(KvActionId::PlayPause));
            QVERIFY(!manager()->player()->isPlaying());
            QVERIFY(s.run(KvActionId::PlayPause));
            QVERIFY(s.run(KvActionId::Stop));
            QVERIFY(!manager()->player()->isPlaying());
        });
        QTest::newRow("engine effects are handled and logged") << Check([](MenuScene &s, const QString &) {
            KvTestLog log;
            for (int id : {KvActionId::Stabilization, KvActionId::FullScreen, KvActionId::Group, KvActionId::RemoveEffects,
                           KvActionId::ExportSelectedRange, KvActionId::AddMarker}) {
                QVERIFY(s.run(id));
                QVERIFY2(log.lines().join('\n').contains(QStringLiteral("(action %1)").arg(id)), qPrintable(QString::number(id)));
            }
            QCOMPARE(starts(), QList<qint64>{0});
        });
        QTest::newRow("the menu bar's numbers are nobody's here") << Check([](MenuScene &s, const QString &) {
            QVERIFY(!s.run(KvActionId::SaveProject));
            QVERIFY(!s.run(KvActionId::About));
        });
        QTest::newRow("3021 files, a folder, nothing chosen") << Check([](MenuScene &s, const QString &dir) {
            QStringList chosen{dir + "/a.mp4"};
            QList<int> modes;
            s.libraryPresenter()->setPathChooser([&](int mode) {
                modes << mode;
                return chosen;
            });
            QCOMPARE(s.ask(KvEditingMessageId::MediaImportAsk, importRequest(0)).toInt(), 1);
            QCOMPARE(manager()->mediaLibrary()->count(), 2);
            chosen = QStringList{dir};
            QCOMPARE(s.ask(KvEditingMessageId::MediaImportAsk, importRequest(1)).toInt(), 1);
            QTRY_COMPARE(manager()->mediaLibrary()->count(), 3); // b.png joins; a.mp4 is in already
            chosen.clear();
            QCOMPARE(s.ask(KvEditingMessageId::MediaImportAsk, importRequest(0)).toInt(), 0);
            QVERIFY(s.handled);
            QCOMPARE(modes, (QList<int>{0, 1, 0}));
        });
        QTest::newRow("3022 import for auto highlight, then on the selection") << Check([](MenuScene &s, const QString &dir) {
            s.libraryPresenter()->setPathChooser([&](int) { return QStringList{dir + "/b.png"}; });
            QCOMPARE(s.ask(KvEditingMessageId::MediaAutoHighlight, 2).toInt(), 1);
            QCOMPARE(manager()->mediaLibrary()->count(), 2);
            KvMediaLibraryGoToMsg goTo(KvMediaLibraryPresenter::CategoryProjectMedia, 1);
            QVERIFY(s.library->dispatchMessage(&goTo));
            QCOMPARE(s.ask(KvEditingMessageId::MediaAutoHighlight, 3).toList(), QVariantList{1});
        });
        QTest::newRow("3040 to 3044 tell the user when nothing is selected") << Check([](MenuScene &s, const QString &) {
            const QList<int> codes{KvEditingMessageId::MediaCreateProxy, KvEditingMessageId::MediaSceneDetection,
                                   KvEditingMessageId::MediaAutoReframe, KvEditingMessageId::MediaBeatDetection,
                                   KvEditingMessageId::MediaModifyBeatInfo};
            for (int code : codes) {
                QVERIFY(s.ask(code).toList().isEmpty());
                QVERIFY(s.handled);
            }
            QVERIFY(s.toasts() >= 1);
            KvMediaLibraryGoToMsg goTo(KvMediaLibraryPresenter::CategoryProjectMedia, 0);
            QVERIFY(s.library->dispatchMessage(&goTo));
            for (int code : codes)
                QCOMPARE(s.ask(code).toList(), QVariantList{0});
        });
        QTest::newRow("3045, 3046 on the selected clips") << Check([](MenuScene &s, const QString &) {
            QVERIFY(s.ask(KvEditingMessageId::TimelineSpeechToText).toList().isEmpty());
            QVERIFY(s.handled);
            QVERIFY(s.toasts() >= 1);
            timeline()->setCurrentPosition(6000);
            timeline()->setSelectedClips({0});
            QVERIFY(s.run(KvActionId::Copy));
            QVERIFY(s.run(KvActionId::Paste));
            timeline()->setSelectedClips({0, 1});
            QCOMPARE(s.ask(KvEditingMessageId::TimelineSpeechToText).toList(), (QVariantList{0, 1}));
            // Silence detection looks at one clip.
            QCOMPARE(s.ask(KvEditingMessageId::TimelineSilenceDetection).toList(), QVariantList{0});
        });
        QTest::newRow("5027, 3017, 3018, 5028 freeze frame") << Check([](MenuScene &s, const QString &) {
            int asked = 0;
            int answer = 2;
            QString askedBy;
            FMessageDialog::setAnswerer([&](FMessageDialog &dialog) -> int {
                ++asked;
                askedBy = dialog.objectName();
                return answer;
            });
            QCOMPARE(s.ask(KvEditingMessageId::TimelineCanFreeze).toBool(), false);
            QCOMPARE(s.ask(KvEditingMessageId::TimelineFreezeAsk).toInt(), 0);
            QCOMPARE(asked, 0);
            timeline()->setSelectedClips({0});
            QCOMPARE(s.ask(KvEditingMessageId::TimelineCanFreeze).toBool(), true);
            QCOMPARE(s.ask(KvEditingMessageId::TimelineFreezeAsk).toInt(), 2);
            answer = 1;
            QCOMPARE(s.ask(KvEditingMessageId::TimelineFreezeAsk).toInt(), 1);
            answer = FMessageDialog::Closed;
            QCOMPARE(s.ask(KvEditingMessageId::TimelineFreezeAsk).toInt(), 0);
            QCOMPARE(asked, 3);
            QCOMPARE(askedBy, QStringLiteral("FTimelineModule_FreezeAsk"));
            // The playhead on the clip's edge is not inside it.
            timeline()->setCurrentPosition(5000);
            QCOMPARE(s.ask(KvEditingMessageId::TimelineCanFreeze).toBool(), false);
            QCOMPARE(s.ask(KvEditingMessageId::TimelineFreezeInPlace).toInt(), -1);
            QCOMPARE(timeline()->clipCount(), 1);
        });
        QTest::newRow("3018 freezes the player's picture over the clip") << Check([](MenuScene &s, const QString &dir) {
            IKvAppInfo::getInstance()->setValue(KvAppInfoId::SnapshotDir, dir + "/shots");
            timeline()->setSelectedClips({0});
            const int still = s.ask(KvEditingMessageId::TimelineFreezeToNew).toInt();
            QCOMPARE(still, 1);
            const KvTimelineClip placed = timeline()->clipAt(still);
            QCOMPARE(placed.startMs, qint64(2000));
            QVERIFY(placed.track != 0);
            QVERIFY(!QImage(manager()->currentProject()->mediaPathAt(placed.mediaIndex)).isNull());
            QCOMPARE(timeline()->clipAt(0), (KvTimelineClip{0, 0, 0, 0, 5000}));
        });
        QTest::newRow("5028 freezes in place: cut, hold, the rest moved on") << Check([](MenuScene &s, const QString &dir) {
            IKvAppInfo::getInstance()->setValue(KvAppInfoId::SnapshotDir, dir + "/shots");
            timeline()->setSelectedClips({0});
            const int still = s.ask(KvEditingMessageId::TimelineFreezeInPlace).toInt();
            QVERIFY(still >= 0);
            const KvTimelineClip hold = timeline()->clipAt(still);
            QCOMPARE(hold.startMs, qint64(2000));
            QCOMPARE(hold.track, 0);
            QCOMPARE(starts(), (QList<qint64>{0, 2000, 2000 + hold.durationMs()}));
            QCOMPARE(timeline()->selectedClips(), QVector<int>{still});
        });
    }

    void requests()
    {
        QFETCH(Check, check);
        QTemporaryDir dir;
        writeAll(dir.filePath("a.mp4"), "video");
        QVERIFY(QImage(32, 18, QImage::Format_RGB32).save(dir.filePath("b.png")));
        KvProjectData data;
        data.mediaPaths << dir.filePath("old/old.mp4");
        data.clips << KvTimelineClip{0, 0, 0, 0, 5000};
        manager()->createProject(data);
        timeline()->setCurrentPosition(2000);
        MenuScene scene;
        KvTestLog log;
        check(scene, dir.path());
        manager()->player()->stop();
        QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
    }

    // The timeline written as a project file into the template folder: named
    // after the project, numbered when taken, readable as a project; the
    // user is told where, or why not.
    void customTemplate_data()
    {
        QTest::addColumn<QString>("projectName");
        QTest::addColumn<int>("clips");
        QTest::addColumn<QString>("taken");   // a file already in the folder
        QTest::addColumn<bool>("folderBlocked"); // a file where the folder should be
        QTest::addColumn<QString>("expected"); // file name, empty when none is written
        QTest::addColumn<QString>("message");
        QTest::newRow("named after the project") << "Trip" << 1 << "" << false << "Trip.kvproj"
                                                 << "FTimelineModule_TemplateSaved";
        QTest::newRow("name taken") << "Trip" << 1 << "Trip.kvproj" << false << "Trip (2).kvproj"
                                    << "FTimelineModule_TemplateSaved";
        QTest::newRow("separators in the name") << "a/b:c" << 1 << "" << false << "a_b_c.kvproj"
                                                << "FTimelineModule_TemplateSaved";
        QTest::newRow("no name") << "  " << 1 << "" << false << "Custom Template.kvproj"
                                 << "FTimelineModule_TemplateSaved";
        QTest::newRow("empty timeline") << "Trip" << 0 << "" << false << "" << "FTimelineModule_TemplateEmpty";
        QTest::newRow("folder cannot be made") << "Trip" << 1 << "" << true << "" << "FTimelineModule_TemplateFailed";
    }

    void customTemplate()
    {
        QFETCH(QString, projectName);
        QFETCH(int, clips);
        QFETCH(QString, taken);
        QFETCH(bool, folderBlocked);
        QFETCH(QString, expected);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString folder = dir.filePath("templates");
        if (folderBlocked)
            writeAll(folder, "not a folder");
        if (!taken.isEmpty())
            writeAll(folder + "/" + taken, "someone else's");
        IKvAppInfo::getInstance()->setValue(KvAppInfoId::ProjectTemplateDir, folder);
        KvProjectData data;
        data.name = projectName;
        data.mediaPaths << dir.filePath("a.mp4");
        for (int i = 0; i < clips; ++i)
            data.clips << KvTimelineClip{0, 0, i * 1000, 0, 1000};
        manager()->createProject(data);
        QStringList shown;
        FMessageDialog::setAnswerer([&](FMessageDialog &dialog) {
            shown << dialog.objectName();
            return int(FMessageDialog::Ok);
        });
        KvUIView host(nullptr);
        FTimelineModulePresenter presenter(&host, timeline());
        QCOMPARE(presenter.canBuildCustomProjectTemplate(), clips > 0);
        KvTestLog log;
        QCOMPARE(presenter.buildCustomProjectTemplate(), !expected.isEmpty());
        QCOMPARE(shown, QStringList{message});
        QCOMPARE(log.errors().size(), folderBlocked ? 1 : 0);
        if (expected.isEmpty())
            return;
        KvProjectData written;
        QCOMPARE(KvProjectFile::read(folder + "/" + expected, &written), KvProjectFile::ReadResult::Ok);
        QCOMPARE(written.clips, data.clips);
        QCOMPARE(written.name, QFileInfo(expected).completeBaseName());
        if (!taken.isEmpty())
            QCOMPARE(readAll(folder + "/" + taken), QByteArray("someone else's"));
    }
};

QTEST_MAIN(TestFEditingMenus)
#include "tst_feditingmenus.moc"
