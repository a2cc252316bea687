#include "FColorMatchPresenter.h"
#include "FMainPlayerPresenter.h"
#include "FMediaLibraryView.h"
#include "FMediaPlayerModuleWidget.h"
#include "FPropertyPanelModuleWidget.h"
#include "FTimelineModulePresenter.h"
#include "FTimelineModuleWidget.h"
#include "FTimelineTrackView.h"
#include "IKvClip.h"
#include "IKvMediaLibrary.h"
#include "IKvProjectManager.h"
#include "IKvTimeline.h"
#include "KvDataMessage.h"
#include "KvEditingMessageId.h"
#include "KvEditingViewType.h"
#include "KvMediaEditor.h"
#include "KvMediaImportMessage.h"
#include "KvMediaLibraryGoToMsg.h"
#include "KvMediaLibraryPresenter.h"
#include "KvPlayhead.h"
#include "KvProjectPlayer.h"
#include "KvTestFiles.h"
#include "KvTestLog.h"
#include "KvMediaType.h"
#include "KvTimelineRecordingMessage.h"
#include "KvUIScene.h"
#include "KvUIView.h"
#include "KvUndoRedoService.h"

#include <QAbstractButton>
#include <QAction>
#include <QAbstractItemModel>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

IKvProjectManager *manager()
{
    return IKvProjectManager::getInstance();
}

// Media named as given, below a folder whose name would match searches
// for "clip" if the folder counted.
KvProjectData projectOf(const QStringList &names, const QVector<KvTimelineClip> &clips = {})
{
    KvProjectData data;
    for (const QString &name : names)
        data.mediaPaths << QStringLiteral("/media/clips/") + name;
    data.clips = clips;
    return data;
}

KvProjectData largeProject(int count)
{
    KvProjectData data;
    data.mediaPaths.reserve(count);
    data.clips.reserve(count);
    for (int i = 0; i < count; ++i) {
        data.mediaPaths << QStringLiteral("/media/take%1.mp4").arg(i, 5, 10, QLatin1Char('0'));
        // Backwards in time, so the timeline has to sort them.
        data.clips << KvTimelineClip{i, i % 3, qint64(count - i) * 1000, 0, 1000};
    }
    return data;
}

// Records what reaches the scene and handles nothing.
class RecordingView : public KvUIView
{
public:
    explicit RecordingView(QWidget *widget)
        : KvUIView(widget)
    {
    }
    bool dispatchMessage(KvMessage *message) override
    {
        codes << message->code();
        return KvUIView::dispatchMessage(message);
    }
    QList<int> codes;
};

// The four modules in one scene, registered as the main window does.
struct ModuleScene
{
    ModuleScene()
        : recorder(&recorderWidget)
        , host(&hostWidget)
    {
        timelinePresenter = new FTimelineModulePresenter(&host, manager()->timeline(), &hostWidget);
        timelinePresenter->setMediaEditor(manager()->mediaEditor());
        timeline = timelinePresenter->createView(&hostWidget);
        library = new FMediaLibraryView(new KvMediaLibraryPresenter(manager()->mediaLibrary(), &hostWidget), &hostWidget);
        player = new FMediaPlayerModuleWidget(
            new FMainPlayerPresenter(manager()->player(), manager()->mediaEditor(), &hostWidget), &hostWidget);
        panel = new FPropertyPanelModuleWidget(manager()->timeline(), manager()->mediaEditor(), &hostWidget);
        host.registerView(KvEditingViewType::MediaLibrary, library);
        host.registerView(KvEditingViewType::PropertyPanel, panel);
        host.registerView(KvEditingViewType::Player, player);
        // The recorder comes first, so it sees every message.
        scene.addView(&recorder);
        scene.addView(&host);
    }
    ~ModuleScene()
    {
        scene.removeView(&recorder);
        scene.removeView(&host);
    }

    QWidget recorderWidget;
    QWidget hostWidget;
    RecordingView recorder;
    KvUIView host;
    KvUIScene scene;
    FTimelineModulePresenter *timelinePresenter;
    FTimelineModuleWidget *timeline;
    FMediaLibraryView *library;
    FMediaPlayerModuleWidget *player;
    FPropertyPanelModuleWidget *panel;
};

// QTest::mouseMove only moves the cursor for widgets; a drag needs the events.
void dragTo(QWidget *widget, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

using Check = std::function<void(ModuleScene &, const QString &dir)>;

} // namespace

Q_DECLARE_METATYPE(Check)

class TestFEditingModules : public QObject
{
    Q_OBJECT

private slots:
    void init() { manager()->closeProject(); }
    void cleanupTestCase() { IKvProjectManager::releaseInstance(); }

    // A project of any size fills the media list in one model reset with
    // rows of one size; the timeline sorts each track once and paints only
    // the clips in view. Each module says once that it holds the project.
    void largeProjectFillsOnce()
    {
        constexpr int kCount = 20000;
        FMediaLibraryView library;
        FTimelineModuleWidget timeline;
        QListView *media = library.findChild<QListView *>("FMediaLibraryView_List");
        QVERIFY(media && media->uniformItemSizes());
        QSignalSpy mediaResets(media->model(), &QAbstractItemModel::modelReset);
        QSignalSpy mediaInserts(media->model(), &QAbstractItemModel::rowsInserted);

        KvTestLog log;
        manager()->createProject(largeProject(kCount));
        library.refresh();
        timeline.refresh();
        QCOMPARE(mediaResets.count(), 1);
        QCOMPARE(mediaInserts.count(), 0);
        QCOMPARE(media->model()->rowCount(), kCount);
        QCOMPARE(log.count(QStringLiteral("media library shows %1 media").arg(kCount)), 1);
        QCOMPARE(log.count(QStringLiteral("timeline shows %1 clips").arg(kCount)), 1);
        QCOMPARE(library.visibleItemIds().last(), kCount - 1);

        FTimelineTrackView *tracks = timeline.trackView();
        const QVector<int> first = tracks->trackClips(0);
        QCOMPARE(first.size(), kCount / 3 + 1);
        QCOMPARE(first.first(), 19998); // the latest medium starts first
        timeline.resize(800, 300);
        timeline.show();
        QVERIFY(QTest::qWaitForWindowExposed(&timeline));
        QTRY_VERIFY(tracks->lastPaintedClips() > 0);
        QVERIFY2(tracks->lastPaintedClips() < 200, qPrintable(QString::number(tracks->lastPaintedClips())));
    }

    // The search filters by file name only, ignoring case and surrounding
    // blanks; the ids stay the media's project indices.
    void searchFilter_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QList<int>>("visible");
        const QList<int> all{0, 1, 2, 3};
        QTest::newRow("empty") << "" << all;
        QTest::newRow("blanks only") << "   " << all;
        QTest::newRow("case ignored") << "BEACH" << QList<int>{1, 3};
        QTest::newRow("trimmed") << "  night " << QList<int>{3};
        QTest::newRow("folder does not count") << "clips" << QList<int>{};
        QTest::newRow("suffix") << ".wav" << QList<int>{2};
        QTest::newRow("no match") << "zebra" << QList<int>{};
    }

    void searchFilter()
    {
        QFETCH(QString, word);
        QFETCH(QList<int>, visible);
        manager()->createProject(projectOf({"City.mp4", "beach.mp4", "voice.wav", "Beach-Night.mov"}));
        FMediaLibraryView library;
        library.findChild<QLineEdit *>("FMediaLibraryView_Search")->setText(word);
        QCOMPARE(library.visibleItemIds(), visible);
    }

    // Going to an item selects it and brings it into view, however far down
    // it is; a selection outlives a refresh and a search that keeps it.
    void goToAndSelection_data()
    {
        QTest::addColumn<int>("itemId");
        QTest::addColumn<QString>("searchWord");
        QTest::addColumn<bool>("found");
        QTest::newRow("last of many") << 9999 << "" << true;
        QTest::newRow("first") << 0 << "" << true;
        QTest::newRow("found by its search") << 4321 << "take04321" << true;
        QTest::newRow("filtered out") << 4321 << "take05" << false;
        QTest::newRow("beyond the media") << 10000 << "" << false;
    }

    void goToAndSelection()
    {
        QFETCH(int, itemId);
        QFETCH(QString, searchWord);
        QFETCH(bool, found);
        manager()->createProject(largeProject(10000));
        FMediaLibraryView library;
        library.resize(300, 400);
        library.show();
        QVERIFY(QTest::qWaitForWindowExposed(&library));

        KvTestLog log;
        KvMediaLibraryGoToMsg message(6, itemId, searchWord);
        QVERIFY(library.dispatchMessage(&message));
        QCOMPARE(message.answer().toBool(), found);
        QCOMPARE(library.selectedItemId(), found ? itemId : -1);
        QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
        if (!found)
            return;
        QListView *list = library.findChild<QListView *>("FMediaLibraryView_List");
        QVERIFY(list->viewport()->rect().intersects(list->visualRect(list->currentIndex())));
        library.refresh();
        QCOMPARE(library.selectedItemId(), itemId);
        // Choosing an item makes it the medium the timeline adds.
        QCOMPARE(manager()->mediaEditor()->lastMedia(), itemId);
    }

    // The first picture on an empty timeline offers its size to the project,
    // once the edit is done; later clips, sounds and opened projects ask
    // nothing.
    void matchOffer_data()
    {
        QTest::addColumn<QStringList>("media");
        QTest::addColumn<bool>("timelineHasClip");
        QTest::addColumn<int>("add");
        QTest::addColumn<QSize>("offered");
        QTest::newRow("first picture") << QStringList{"tall.png"} << false << 0 << QSize(1080, 1920);
        QTest::newRow("sound first") << QStringList{"voice.wav"} << false << 0 << QSize();
        QTest::newRow("not the first clip") << QStringList{"tall.png"} << true << 0 << QSize();
        QTest::newRow("opened only") << QStringList{"tall.png"} << true << -1 << QSize();
    }
    void matchOffer()
    {
        QFETCH(QStringList, media);
        QFETCH(bool, timelineHasClip);
        QFETCH(int, add);
        QFETCH(QSize, offered);
        QTemporaryDir dir;
        QVERIFY(QImage(1080, 1920, QImage::Format_RGB32).save(dir.filePath("tall.png")));
        writeAll(dir.filePath("voice.wav"), QByteArray("RIFF"));
        KvProjectData data;
        for (const QString &name : media)
            data.mediaPaths << dir.filePath(name);
        if (timelineHasClip)
            data.clips << KvTimelineClip{0, 0, 0, 0, 1000};
        manager()->createProject(data);
        ModuleScene s;
        if (add >= 0)
            QVERIFY(manager()->timeline()->addMediaAtPlayhead(add) >= 0);
        struct Catcher : KvUIView
        {
            using KvUIView::KvUIView;
            bool dispatchMessage(KvMessage *message) override
            {
                if (message->code() == KvEditingMessageId::MatchProjectToMedia)
                    received << static_cast<KvDataMessage *>(message)->data().toMap();
                return false;
            }
            QList<QVariantMap> received;
        };
        QWidget catcherWidget;
        Catcher catcher(&catcherWidget);
        s.scene.addView(&catcher);
        // Never in the middle of the edit: the question is modal.
        QVERIFY(catcher.received.isEmpty());
        QTest::qWait(20);
        s.scene.removeView(&catcher);
        if (offered.isEmpty()) {
            QVERIFY(catcher.received.isEmpty());
            return;
        }
        QCOMPARE(catcher.received.size(), 1);
        QCOMPARE(catcher.received.first().value("width").toInt(), offered.width());
        QCOMPARE(catcher.received.first().value("height").toInt(), offered.height());
        QCOMPARE(catcher.received.first().value("aspectRatioType").toInt(),
                 KvClipVideoInfo::aspectRatioTypeOf(offered.width(), offered.height()));
    }

    // The messages the modules handle, one row each: what the scene answers
    // and what changed.
    void messages_data()
    {
        QTest::addColumn<Check>("check");
        QTest::newRow("3020 import files") << Check([](ModuleScene &s, const QString &dir) {
            KvMediaImportMessage message({dir + "/a.mp4", dir + "/missing.mp4", dir + "/a.mp4"});
            QVERIFY(s.scene.sendMessage(&message));
            QCOMPARE(message.answer().toInt(), 1);
            QCOMPARE(message.importedIds(), QVector<int>{1});
            QVERIFY(s.recorder.codes.contains(KvEditingMessageId::MediaImported));
            QCOMPARE(s.library->visibleItemIds(), (QList<int>{0, 1}));
        });
        QTest::newRow("3020 import a folder") << Check([](ModuleScene &s, const QString &dir) {
            KvMediaImportMessage message({dir}, KvMediaImportMessage::ModeFolder, KvMediaImportMessage::SourceDrop);
            QVERIFY(s.scene.sendMessage(&message));
            QCOMPARE(message.answer().toInt(), 1);
            // a.mp4, b.png and voice.wav beside the old one.
            QTRY_COMPARE(manager()->mediaLibrary()->count(), 4);
            QTRY_COMPARE(s.library->visibleItemIds().size(), 4);
        });
        QTest::newRow("1012 shows the project's media") << Check([](ModuleScene &s, const QString &) {
            s.library->libraryPresenter()->setCurrentCategoryType(KvMediaLibraryPresenter::CategoryDownloads);
            KvMessage message(KvEditingMessageId::MediaLibraryShowProject);
            QVERIFY(s.library->dispatchMessage(&message));
            QCOMPARE(s.library->libraryPresenter()->currentCategoryType(), KvMediaLibraryPresenter::CategoryProjectMedia);
        });
        QTest::newRow("3028 and 3029 locate the guide's targets") << Check([](ModuleScene &s, const QString &) {
            KvMessage button(KvEditingMessageId::GuideImportButtonRect);
            KvMessage tracks(KvEditingMessageId::GuideTimelineRect);
            QVERIFY(s.scene.sendMessage(&button));
            QVERIFY(s.scene.sendMessage(&tracks));
            QVERIFY(!button.answer().toRect().isEmpty());
            QVERIFY(!tracks.answer().toRect().isEmpty());
        });
        QTest::newRow("7009, 3030, 7011 play, ask, stop") << Check([](ModuleScene &s, const QString &) {
            KvMessage play(KvEditingMessageId::PlayerPlay);
            QVERIFY(s.scene.sendMessage(&play));
            KvMessage ask(KvEditingMessageId::IsPlayerPlaying);
            QVERIFY(s.scene.sendMessage(&ask));
            QCOMPARE(ask.answer().toBool(), true);
            KvMessage stop(KvEditingMessageId::PlayerStop);
            QVERIFY(s.scene.sendMessage(&stop));
            QVERIFY(!manager()->player()->isPlaying());
        });
        QTest::newRow("7008 redraws the player") << Check([](ModuleScene &s, const QString &) {
            QSignalSpy refresh(s.player->playerPresenter(), &FMainPlayerPresenter::sigRefresh);
            KvMessage message(KvEditingMessageId::PlayerRefresh);
            QVERIFY(s.scene.sendMessage(&message));
            QCOMPARE(refresh.count(), 1);
        });
        QTest::newRow("9015 ends color matching") << Check([](ModuleScene &s, const QString &) {
            FColorMatchPresenter *match = s.player->playerPresenter()->colorMatchPresenter();
            match->startMatching();
            KvMessage message(KvEditingMessageId::EndColorMatch);
            QVERIFY(s.scene.sendMessage(&message));
            QVERIFY(!match->isMatching());
        });
        QTest::newRow("7005 and 7020 voice-over on the timeline") << Check([](ModuleScene &s, const QString &dir) {
            IKvTimeline *timeline = manager()->timeline();
            timeline->setCurrentPosition(2000);
            KvDataMessage prepare(KvEditingMessageId::TimelineRecordingPrepare,
                                  QVariant::fromValue<QObject *>(timeline));
            QVERIFY(s.scene.sendMessage(&prepare));
            KvTimelineRecordingMessage start(KvTimelineRecordingMessage::Start);
            QVERIFY(s.scene.sendMessage(&start));
            QVERIFY(s.timelinePresenter->isRecording());
            KvTimelineRecordingMessage progress(KvTimelineRecordingMessage::Progress, 1500);
            QVERIFY(s.scene.sendMessage(&progress));
            QCOMPARE(timeline->currentPosition(), qint64(3500));
            const int item = manager()->mediaLibrary()->importFiles({dir + "/voice.wav"}).ids.value(0, -1);
            KvTimelineRecordingMessage finish(KvTimelineRecordingMessage::Finish, 0, item);
            QVERIFY(s.scene.sendMessage(&finish));
            QVERIFY(!s.timelinePresenter->isRecording());
            const KvTimelineClip placed = timeline->clipAt(timeline->clipCount() - 1);
            QCOMPARE(placed.mediaIndex, item);
            QCOMPARE(placed.startMs, qint64(2000));
            QCOMPARE(placed.track, IKvTimeline::kMinTracks - 1);
        });
        QTest::newRow("selection asks for the property panel: 9005, 9006") << Check([](ModuleScene &s, const QString &) {
            manager()->timeline()->setSelectedClips({0});
            manager()->timeline()->clearSelection();
            QCOMPARE(s.recorder.codes,
                     (QList<int>{KvEditingMessageId::ShowPropertyPanel, KvEditingMessageId::HidePropertyPanel}));
            QCOMPARE(s.panel->shownClip(), -1);
        });
    }

    void messages()
    {
        QFETCH(Check, check);
        QTemporaryDir dir;
        writeAll(dir.filePath("a.mp4"), "video");
        QVERIFY(QImage(32, 18, QImage::Format_RGB32).save(dir.filePath("b.png")));
        KvProjectData data;
        data.mediaPaths << dir.filePath("old/old.mp4");
        data.clips << KvTimelineClip{0, 0, 0, 0, 5000};
        manager()->createProject(data);
        ModuleScene scene;
        writeAll(dir.filePath("voice.wav"), "RIFF");
        KvTestLog log;
        check(scene, dir.path());
        QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
    }

    // The panel edits the clip the media editor holds; each change is one
    // undo step, and what the model refuses snaps back.
    void propertyPanelEdits()
    {
        manager()->createProject(projectOf({"a.mp4", "b.mp4"}, {{0, 0, 1000, 0, 4000}, {1, 1, 0, 0, 2000}}));
        FPropertyPanelModuleWidget panel;
        manager()->timeline()->setSelectedClips({0});
        manager()->mediaEditor()->setCurrentClip(0);
        QCOMPARE(panel.shownClip(), 0);
        auto *track = panel.findChild<QSpinBox *>("FPropertyPanelModuleWidget_Track");
        auto *start = panel.findChild<QDoubleSpinBox *>("FPropertyPanelModuleWidget_Start");
        auto *in = panel.findChild<QDoubleSpinBox *>("FPropertyPanelModuleWidget_In");
        auto *volume = panel.findChild<QSpinBox *>("FPropertyPanelModuleWidget_Volume");
        QCOMPARE(track->value(), 1);
        QCOMPARE(start->value(), 1.0);
        track->setValue(3);
        start->setValue(2.5);
        volume->setValue(40);
        const KvTimelineClip edited = manager()->timeline()->clipAt(0);
        QCOMPARE(edited.track, 2);
        QCOMPARE(edited.startMs, qint64(2500));
        QCOMPARE(edited.volume, 40);
        QCOMPARE(manager()->undoRedoService()->count(), 3);
        // An in point after the out point is refused.
        in->setValue(9.0);
        QCOMPARE(manager()->timeline()->clipAt(0).inMs, qint64(0));
        QCOMPARE(in->value(), 0.0);
        QVERIFY(manager()->undoRedoService()->undo());
        QCOMPARE(volume->value(), 100);
    }

    // The screen shows the image under the playhead, or a black frame with
    // the name of a clip whose picture is not drawn here.
    void playerScreen()
    {
        QTemporaryDir dir;
        QVERIFY(QImage(64, 36, QImage::Format_RGB32).save(dir.filePath("still.png")));
        writeAll(dir.filePath("talk.srt"), "1\n00:00:01,000 --> 00:00:02,000\nHello\n");
        KvProjectData data;
        data.mediaPaths = QStringList{dir.filePath("still.png"), dir.filePath("film.mp4"), dir.filePath("song.mp3"),
                                      dir.filePath("talk.srt")};
        // The subtitle clip starts at 0.5 s from its 0.5 s point: its cue shows from 1 s to 2 s.
        data.clips = {KvTimelineClip{0, 0, 0, 0, 1000}, KvTimelineClip{1, 0, 1000, 0, 1000},
                      KvTimelineClip{2, 2, 0, 0, 5000}, KvTimelineClip{3, 1, 500, 500, 3000}};
        manager()->createProject(data);
        FMediaPlayerModuleWidget player;
        QCOMPARE(player.shownMediaPath(), dir.filePath("still.png"));
        QVERIFY(!player.findChild<QLabel *>("FMediaPlayerModuleWidget_Screen")->pixmap()->isNull());
        QCOMPARE(player.subtitleText(), QString());
        manager()->player()->playhead()->setPosition(1500);
        QCOMPARE(player.shownCaption(), QStringLiteral("film.mp4"));
        QCOMPARE(player.subtitleText(), QStringLiteral("Hello"));
        // Past the pictures only sound plays: black without a name.
        manager()->player()->playhead()->setPosition(3000);
        QCOMPARE(player.shownMediaPath(), QString());
        QCOMPARE(player.subtitleText(), QString());
        QCOMPARE(player.timecodeText(), QStringLiteral("00:00:03:00 / 00:00:05:00"));
    }

    // Mouse and keys on the tracks: a click selects, a drag moves (one undo
    // step), Delete removes, a click on the ruler moves the playhead.
    void trackInteraction()
    {
        manager()->createProject(projectOf({"a.mp4"}, {{0, 0, 0, 0, 4000}}));
        FTimelineModuleWidget module;
        module.resize(800, 300);
        module.show();
        QVERIFY(QTest::qWaitForWindowExposed(&module));
        FTimelineTrackView *tracks = module.trackView();
        QWidget *viewport = tracks->viewport();
        const QPoint inClip = tracks->clipRect(0).center();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, inClip);
        QCOMPARE(manager()->timeline()->selectedClips(), QVector<int>{0});

        const int dx = tracks->xOfTime(2000) - tracks->xOfTime(0);
        QTest::mousePress(viewport, Qt::LeftButton, {}, inClip);
        dragTo(viewport, inClip + QPoint(dx / 2, 0));
        dragTo(viewport, inClip + QPoint(dx, FTimelineTrackView::kTrackHeight));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, inClip + QPoint(dx, FTimelineTrackView::kTrackHeight));
        const KvTimelineClip moved = manager()->timeline()->clipAt(0);
        QCOMPARE(moved.track, 1);
        QVERIFY(qAbs(moved.startMs - 2000) < 100);
        QCOMPARE(manager()->undoRedoService()->count(), 1);

        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(tracks->xOfTime(1000), 5));
        QVERIFY(qAbs(manager()->timeline()->currentPosition() - 1000) < 100);
        QTest::keyClick(tracks, Qt::Key_Delete);
        QCOMPARE(manager()->timeline()->clipCount(), 0);
        module.findChild<QAbstractButton *>("FTimelineModuleWidget_Undo")->click();
        QCOMPARE(manager()->timeline()->clipCount(), 1);

        // Media dragged from the library line up where they are dropped.
        QMimeData mime;
        mime.setData(FTimelineTrackView::mediaIdsMimeType(), "0,0,x");
        const QPoint at(tracks->xOfTime(6000), FTimelineTrackView::kRulerHeight + 2 * FTimelineTrackView::kTrackHeight + 5);
        // The application hands a drop to the widget that took the drag's entry.
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
        QCOMPARE(manager()->timeline()->clipCount(), 3);
        const KvTimelineClip first = manager()->timeline()->clipAt(1);
        const KvTimelineClip second = manager()->timeline()->clipAt(2);
        QCOMPARE(first.track, 2);
        QVERIFY(qAbs(first.startMs - 6000) < 100);
        QCOMPARE(second.track, 2);
        QCOMPARE(second.startMs, first.endMs());
    }

    // Facts and thumbnails are read off the GUI thread for the rows shown: an
    // image gets its picture, a file whose content is no medium says so, a
    // medium gone from the disk says it is missing.
    void mediaFacts()
    {
        QTemporaryDir dir;
        QVERIFY(QImage(320, 180, QImage::Format_RGB32).save(dir.filePath("still.png")));
        writeAll(dir.filePath("fake.mp4"), "this is text, not a film");
        KvProjectData data;
        data.mediaPaths = QStringList{dir.filePath("still.png"), dir.filePath("fake.mp4"), dir.filePath("gone.mp3")};
        manager()->createProject(data);
        FMediaLibraryView library;
        library.resize(300, 400);
        library.show();
        QVERIFY(QTest::qWaitForWindowExposed(&library));
        QAbstractItemModel *model = library.findChild<QListView *>("FMediaLibraryView_List")->model();
        const QModelIndex still = model->index(0, 0);
        QTRY_VERIFY(model->data(still, Qt::DecorationRole).userType() == QMetaType::QPixmap);
        QCOMPARE(model->data(still, Qt::DecorationRole).value<QPixmap>().size(), QSize(64, 36));
        QTRY_COMPARE(model->data(model->index(1, 0), Qt::UserRole + 1).toInt(), int(KvMediaType::Unknown));
        QTRY_VERIFY(model->data(model->index(2, 0), Qt::DisplayRole).toString().contains(QStringLiteral("missing")));
        QCOMPARE(model->data(model->index(0, 0), Qt::UserRole + 2).toLongLong(), QFileInfo(dir.filePath("still.png")).size());
    }

    // A folder import that finds nothing, or a path that is no folder, tells
    // the user and changes nothing.
    void folderImportRefused_data()
    {
        QTest::addColumn<QString>("path"); // below a temporary folder
        QTest::addColumn<int>("started");
        QTest::newRow("no media inside") << "empty" << 1;
        QTest::newRow("only other files") << "texts" << 1;
        QTest::newRow("a file, not a folder") << "texts/notes.txt" << 0;
        QTest::newRow("missing") << "nowhere" << 0;
    }

    void folderImportRefused()
    {
        QFETCH(QString, path);
        QFETCH(int, started);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("empty"));
        writeAll(dir.filePath("texts/notes.txt"), "x");
        manager()->createProject(projectOf({"a.mp4"}));
        ModuleScene scene;
        QSignalSpy refused(scene.library->libraryPresenter(), &KvMediaLibraryPresenter::sigImportRefused);
        KvTestLog log;
        KvMediaImportMessage message({dir.filePath(path)}, KvMediaImportMessage::ModeFolder);
        QVERIFY(scene.scene.sendMessage(&message));
        QCOMPARE(message.answer().toInt(), started);
        QTRY_COMPARE(refused.count(), 1);
        QTRY_VERIFY(!scene.library->libraryPresenter()->isImporting());
        QCOMPARE(manager()->mediaLibrary()->count(), 1);
        // The user's choice, not a fault of the editor.
        QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
    }

    // Removing the chosen medium from the list takes its clip off the
    // timeline; the timeline's undo button brings both back.
    void removeFromLibrary()
    {
        manager()->createProject(projectOf({"a.mp4", "b.mp4"}, {{1, 0, 0, 0, 1000}}));
        FMediaLibraryView library;
        FTimelineModuleWidget timeline;
        KvMediaLibraryGoToMsg goTo(KvMediaLibraryPresenter::CategoryProjectMedia, 1);
        QVERIFY(library.dispatchMessage(&goTo));
        library.findChild<QAction *>("FMediaLibraryView_Remove")->trigger();
        QCOMPARE(library.visibleItemIds(), QList<int>{0});
        QCOMPARE(manager()->timeline()->clipCount(), 0);
        timeline.findChild<QAbstractButton *>("FTimelineModuleWidget_Undo")->click();
        QCOMPARE(library.visibleItemIds(), (QList<int>{0, 1}));
        QCOMPARE(manager()->timeline()->clipCount(), 1);
    }

    // Downloads mark their folders until the user looks at the downloads.
    void downloadRedDots()
    {
        manager()->createProject(projectOf({"a.mp4"}));
        FMediaLibraryView library;
        KvMediaLibraryPresenter *presenter = library.libraryPresenter();
        QSignalSpy dots(presenter, &KvMediaLibraryPresenter::sigRedDotsChanged);
        presenter->downloadResult("effect", "/d/b", {"b.fx", "2", "7"});
        presenter->downloadResult("effect", "/d/a", {"a.fx", "2", "8"});
        presenter->downloadResult("effect", "", {});
        presenter->refreshFolderRedDots();
        QCOMPARE(dots.last().first().toStringList(), (QStringList{"/d/a", "/d/b"}));
        QVERIFY(library.findChild<QLabel *>("FMediaLibraryView_Category")->property("hasNewMessage").toBool());
        presenter->setCurrentCategoryType(KvMediaLibraryPresenter::CategoryDownloads);
        QVERIFY(presenter->redDotFolders().isEmpty());
        QVERIFY(!library.findChild<QLabel *>("FMediaLibraryView_Category")->property("hasNewMessage").toBool());
        // Seen while looking at the downloads: no mark.
        presenter->downloadResult("effect", "/d/c", {});
        QVERIFY(presenter->redDotFolders().isEmpty());
    }

    // Every control a user can operate in the modules has a name a screen
    // reader can say.
    void accessibleNames()
    {
        manager()->createProject(projectOf({"a.mp4"}));
        ModuleScene scene;
        QStringList unnamed;
        for (QWidget *widget : scene.hostWidget.findChildren<QWidget *>()) {
            const bool operable = qobject_cast<QAbstractButton *>(widget) || qobject_cast<QAbstractSlider *>(widget)
                || qobject_cast<QAbstractSpinBox *>(widget) || qobject_cast<QLineEdit *>(widget)
                || qobject_cast<QAbstractItemView *>(widget) || qobject_cast<QAbstractScrollArea *>(widget);
            // Scroll bars of a view are named by the view.
            if (operable && !qobject_cast<QScrollBar *>(widget) && widget->accessibleName().isEmpty()
                && !widget->objectName().startsWith(QLatin1String("qt_")))
                unnamed << widget->metaObject()->className() + QStringLiteral(" ") + widget->objectName();
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join('\n')));
    }
};

QTEST_MAIN(TestFEditingModules)
#include "tst_feditingmodules.moc"
