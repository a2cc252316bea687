#include "IKvClip.h"
#include "IKvMediaLibrary.h"
#include "IKvProject.h"
#include "IKvProjectManager.h"
#include "IKvTimeline.h"
#include "KvMediaEditor.h"
#include "KvPlayhead.h"
#include "KvPlayheadConnector.h"
#include "KvProjectFile.h"
#include "KvProjectPlayer.h"
#include "KvRenderService.h"
#include "KvSubtitleFile.h"
#include "KvTestFiles.h"
#include "KvTestLog.h"
#include "KvTimecode.h"
#include "KvTimelineEvent.h"
#include "KvUndoRedoService.h"

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
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

class RecordingObserver : public IKvTimelineEventObserver
{
public:
    void onTimelineEvents(const KvTimelineEventList &list) override { events += list; }
    KvTimelineEventList events;
};

// Three media; clips: a.mp4 on track 0 at 0-4 s, b.png on track 1 at 2-7 s.
KvProjectData smallProject()
{
    KvProjectData data;
    data.mediaPaths = QStringList{"/m/a.mp4", "/m/b.png", "/m/c.wav"};
    data.clips = {KvTimelineClip{0, 0, 0, 0, 4000}, KvTimelineClip{1, 1, 2000, 0, 5000}};
    return data;
}

// A silent 16-bit mono WAV of `ms` at 8 kHz.
QByteArray silentWav(int ms)
{
    const quint32 rate = 8000;
    const quint32 dataBytes = rate * 2 * ms / 1000;
    QByteArray bytes("RIFF");
    auto le32 = [&bytes](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        bytes.append(b, 4);
    };
    auto le16 = [&bytes](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        bytes.append(b, 2);
    };
    le32(36 + dataBytes);
    bytes += "WAVEfmt ";
    le32(16);
    le16(1);
    le16(1);
    le32(rate);
    le32(rate * 2);
    le16(2);
    le16(16);
    bytes += "data";
    le32(dataBytes);
    bytes += QByteArray(int(dataBytes), '\0');
    return bytes;
}

using Edit = std::function<bool()>;

} // namespace

Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(KvTimelineClip)

class TestKvTimeline : public QObject
{
    Q_OBJECT

private slots:
    void init() { manager()->closeProject(); }
    void cleanupTestCase() { IKvProjectManager::releaseInstance(); }

    void timecode_data()
    {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<double>("rate");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << 30.0 << "00:00:00:00";
        QTest::newRow("negative is zero") << qint64(-5) << 30.0 << "00:00:00:00";
        QTest::newRow("last frame of a second") << qint64(999) << 30.0 << "00:00:00:29";
        QTest::newRow("25 fps") << qint64(61040) << 25.0 << "00:01:01:01";
        QTest::newRow("29.97 counts 30") << qint64(500) << 29.97 << "00:00:00:15";
        QTest::newRow("hours") << qint64(3600000LL * 12 + 59000) << 30.0 << "12:00:59:00";
        QTest::newRow("past 99 hours") << qint64(3600000LL * 100) << 30.0 << "100:00:00:00";
        QTest::newRow("rate below 1") << qint64(1500) << 0.0 << "00:00:01:00";
    }

    void timecode()
    {
        QFETCH(qint64, ms);
        QFETCH(double, rate);
        QFETCH(QString, text);
        QCOMPARE(KvTimecode::format(ms, rate), text);
        // The frame's first millisecond shows the same frame.
        QCOMPARE(KvTimecode::format(KvTimecode::frameStart(ms, rate), rate), text);
        // A frame on and back is the frame's start again.
        QCOMPARE(KvTimecode::stepFrames(KvTimecode::stepFrames(ms, 1, rate), -1, rate), KvTimecode::frameStart(ms, rate));
    }

    // Each edit is one undo step: undo restores the clips exactly, redo
    // brings the edit back.
    void editUndoRedo_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QVector<KvTimelineClip>>("after");
        const KvTimelineClip a{0, 0, 0, 0, 4000};
        const KvTimelineClip b{1, 1, 2000, 0, 5000};
        QTest::newRow("add at playhead") << Edit([] {
            timeline()->setCurrentPosition(9000);
            return timeline()->addMediaAtPlayhead(1) == 2;
        }) << QVector<KvTimelineClip>{a, b, {1, 0, 9000, 0, 5000}};
        QTest::newRow("add over a clip goes to a free track") << Edit([] {
            timeline()->setCurrentPosition(1000);
            return timeline()->addMediaAtPlayhead(0) == 2;
        }) << QVector<KvTimelineClip>{a, b, {0, 2, 1000, 0, 10000}};
        QTest::newRow("move") << Edit([] { return timeline()->moveClip(0, 3, 12000); })
                              << QVector<KvTimelineClip>{{0, 3, 12000, 0, 4000}, b};
        QTest::newRow("split") << Edit([] { return timeline()->splitClip(1, 3000); })
                               << QVector<KvTimelineClip>{a, {1, 1, 2000, 0, 1000}, {1, 1, 3000, 1000, 5000}};
        QTest::newRow("delete two") << Edit([] { return timeline()->deleteClips({1, 0, 1}); })
                                    << QVector<KvTimelineClip>{};
        QTest::newRow("delete selected") << Edit([] {
            timeline()->setSelectedClips({0});
            return timeline()->deleteSelectedClips();
        }) << QVector<KvTimelineClip>{b};
        KvTimelineClip louder = b;
        louder.volume = 150;
        QTest::newRow("volume") << Edit([] { return timeline()->setClipVolume(1, 150); })
                                << QVector<KvTimelineClip>{a, louder};
        QTest::newRow("trim") << Edit([] { return timeline()->setClipRange(0, 500, 1500); })
                              << QVector<KvTimelineClip>{{0, 0, 0, 500, 1500}, b};
    }

    void editUndoRedo()
    {
        QFETCH(Edit, edit);
        QFETCH(QVector<KvTimelineClip>, after);
        manager()->createProject(smallProject());
        const QVector<KvTimelineClip> before = timeline()->clips();
        KvUndoRedoService *undo = manager()->undoRedoService();
        QVERIFY(edit());
        QCOMPARE(timeline()->clips(), after);
        QCOMPARE(undo->count(), 1);
        QVERIFY(manager()->currentProject()->isModified());
        QVERIFY(undo->undo());
        QCOMPARE(timeline()->clips(), before);
        QVERIFY(undo->redo());
        QCOMPARE(timeline()->clips(), after);
    }

    // Edits the model cannot hold change nothing and leave no undo step.
    void refusedEdits_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::newRow("no such medium") << Edit([] { return timeline()->addMediaAtPlayhead(3) >= 0; });
        QTest::newRow("negative medium") << Edit([] { return timeline()->addMedia(-1, 0, 0) >= 0; });
        QTest::newRow("track below 0") << Edit([] { return timeline()->moveClip(0, -1, 0); });
        QTest::newRow("start below 0") << Edit([] { return timeline()->moveClip(0, 0, -1); });
        QTest::newRow("move of no clip") << Edit([] { return timeline()->moveClip(7, 0, 0); });
        QTest::newRow("out before in") << Edit([] { return timeline()->setClipRange(0, 2000, 1000); });
        QTest::newRow("volume too loud") << Edit([] { return timeline()->setClipVolume(0, 201); });
        QTest::newRow("split at its start") << Edit([] { return timeline()->splitClip(0, 0); });
        QTest::newRow("split past its end") << Edit([] { return timeline()->splitClip(0, 4000); });
        QTest::newRow("delete nothing") << Edit([] { return timeline()->deleteClips({-1, 9}); });
    }

    void refusedEdits()
    {
        QFETCH(Edit, edit);
        manager()->createProject(smallProject());
        const QVector<KvTimelineClip> before = timeline()->clips();
        QVERIFY(!edit());
        QCOMPARE(timeline()->clips(), before);
        QCOMPARE(manager()->undoRedoService()->count(), 0);
        QVERIFY(!manager()->currentProject()->isModified());
    }

    // What observers hear, in order, for a project's life on the timeline.
    void observerEvents()
    {
        RecordingObserver observer;
        timeline()->addObserver(&observer);
        manager()->createProject(smallProject());
        timeline()->setSelectedClips({1});
        timeline()->setSelectedClips({1}); // unchanged: nothing to tell
        timeline()->setClipVolume(1, 80);
        timeline()->moveClip(1, 0, 5000);
        manager()->closeProject();
        timeline()->removeObserver(&observer);
        manager()->createProject(smallProject());
        QCOMPARE(observer.events,
                 (KvTimelineEventList{KvTimelineEvent::ProjectLoaded, KvTimelineEvent::SelectionChanged,
                                      KvTimelineEvent::ClipPropertyChanged, KvTimelineEvent::ClipsChanged,
                                      KvTimelineEvent::ProjectClosing}));
    }

    // The selection keeps valid indices once each; the media editor follows
    // a single selection only through the connector, not by itself.
    void selection()
    {
        manager()->createProject(smallProject());
        timeline()->setSelectedClips({1, 5, -1, 1, 0});
        QCOMPARE(timeline()->selectedClips(), (QVector<int>{0, 1}));
        QCOMPARE(timeline()->selectionKind(), int(IKvTimeline::SelectionClips));
        timeline()->setSelectedClips({1});
        QCOMPARE(timeline()->selectionKind(), int(IKvTimeline::SelectionClip));
        QVERIFY(!timeline()->selectionKeepsOwnPanel());
        // Another project starts without a selection.
        manager()->createProject(smallProject());
        QVERIFY(timeline()->selectedClips().isEmpty());
    }

    void subtitleParse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cues");
        QTest::addColumn<qint64>("lastEnd");
        QTest::addColumn<QString>("textAt1500");
        QTest::newRow("two cues") << "1\n00:00:01,000 --> 00:00:02,000\nHello\nthere\n\n2\n00:00:03,000 --> 00:00:04,500\nBye\n"
                                  << 2 << qint64(4500) << "Hello\nthere";
        QTest::newRow("CRLF and dots") << "1\r\n00:00:01.000 --> 00:00:02.000\r\nHi\r\n" << 1 << qint64(2000) << "Hi";
        QTest::newRow("short fraction") << "00:00:01,5 --> 00:00:02,25\nx\n" << 1 << qint64(2250) << "x";
        QTest::newRow("end before start skipped") << "00:00:05,000 --> 00:00:04,000\nno\n" << 0 << qint64(0) << "";
        QTest::newRow("no time lines") << "just some text\nand more" << 0 << qint64(0) << "";
        QTest::newRow("hours") << "10:00:00,000 --> 10:00:01,000\nlate\n" << 1 << qint64(36001000) << "";
        QTest::newRow("absurd hours ignored") << "99999999999999999999:00:00,000 --> 99999999999999999999:00:01,000\nx\n"
                                              << 0 << qint64(0) << "";
    }

    void subtitleParse()
    {
        QFETCH(QString, text);
        QFETCH(int, cues);
        QFETCH(qint64, lastEnd);
        QFETCH(QString, textAt1500);
        const QVector<KvSubtitleFile::Cue> parsed = KvSubtitleFile::parse(text);
        QCOMPARE(parsed.size(), cues);
        if (cues > 0)
            QCOMPARE(parsed.last().endMs, lastEnd);
        QCOMPARE(KvSubtitleFile::textAt(parsed, 1500), textAt1500);
    }

    // A clip handle describes the clip as it was and survives later edits.
    void clipHandles()
    {
        QTemporaryDir dir;
        const QString image = dir.filePath("still.png");
        QVERIFY(QImage(1280, 720, QImage::Format_RGB32).save(image));
        KvProjectData data;
        const QString subtitles = dir.filePath("talk.srt");
        writeAll(subtitles, "1\n00:00:00,500 --> 00:00:01,000\nA\n\n2\n00:00:02,000 --> 00:00:03,000\nB\n");
        data.mediaPaths = QStringList{image, "/m/voice.wav", "/m/square.mp4", subtitles};
        data.clips = {KvTimelineClip{0, 0, 0, 0, 5000}, KvTimelineClip{1, 2, 0, 0, 3000},
                      KvTimelineClip{2, 1, 0, 0, 3000}};
        manager()->createProject(data);
        IKvClip *still = timeline()->clip(0);
        QVERIFY(still);
        QCOMPARE(still->type(), KvClipType::Image);
        QVERIFY(still->videoInfo());
        QCOMPARE(still->videoInfo()->width, 1280);
        QCOMPARE(still->videoInfo()->aspectRatioType, int(KvProjectAspectRatio_16_9));
        QCOMPARE(still->videoInfo()->frameRateType, KvFrameRateType::Fps30);
        QCOMPARE(timeline()->clip(1)->type(), KvClipType::Audio);
        QVERIFY(!timeline()->clip(1)->videoInfo());
        QVERIFY(!timeline()->clip(2)->isTextClip());
        QVERIFY(!timeline()->clip(3));
        // A subtitle file placed whole lasts to its last cue and is a text clip.
        const int text = timeline()->addMedia(3, 4, 0);
        QCOMPARE(timeline()->clipAt(text).durationMs(), qint64(3000));
        QCOMPARE(timeline()->clip(text)->type(), KvClipType::Srt);
        QVERIFY(timeline()->clip(text)->isTextClip());
        QCOMPARE(timeline()->clip(text)->textItemCount(), 2);
        QVERIFY(manager()->undoRedoService()->undo());
        QVERIFY(timeline()->moveClip(0, 0, 9000));
        QCOMPARE(still->data().startMs, qint64(0));
        QCOMPARE(timeline()->clip(0)->data().startMs, qint64(9000));
    }

    void mediaImport_data()
    {
        QTest::addColumn<QStringList>("files"); // relative to a folder holding the fixtures
        QTest::addColumn<int>("added");
        QTest::addColumn<int>("duplicates");
        QTest::addColumn<int>("refused");
        QTest::newRow("good files") << QStringList{"a.mp4", "b.png"} << 2 << 0 << 0;
        QTest::newRow("same file twice") << QStringList{"a.mp4", "a.mp4", "./a.mp4"} << 1 << 2 << 0;
        QTest::newRow("already in the project") << QStringList{"old.mp4"} << 0 << 1 << 0;
        QTest::newRow("missing") << QStringList{"gone.mp4"} << 0 << 0 << 1;
        QTest::newRow("a folder") << QStringList{"sub"} << 0 << 0 << 1;
        QTest::newRow("unsupported suffix") << QStringList{"notes.txt"} << 0 << 0 << 1;
        QTest::newRow("no suffix") << QStringList{"README"} << 0 << 0 << 1;
        QTest::newRow("empty file") << QStringList{"empty.mov"} << 0 << 0 << 1;
        QTest::newRow("mixed") << QStringList{"notes.txt", "b.png", "gone.mp4", "old.mp4"} << 1 << 1 << 2;
    }

    void mediaImport()
    {
        QFETCH(QStringList, files);
        QFETCH(int, added);
        QFETCH(int, duplicates);
        QFETCH(int, refused);
        QTemporaryDir dir;
        for (const char *name : {"a.mp4", "b.png", "old.mp4", "notes.txt", "README", "sub/c.mp3"})
            writeAll(dir.filePath(name), "x");
        writeAll(dir.filePath("empty.mov"), QByteArray());
        KvProjectData data;
        data.mediaPaths << dir.filePath("old.mp4");
        manager()->createProject(data);
        IKvMediaLibrary *library = manager()->mediaLibrary();
        QSignalSpy addedSpy(library, &IKvMediaLibrary::sigMediaAdded);
        QStringList paths;
        for (const QString &file : files)
            paths << dir.filePath(file);

        KvTestLog log;
        const KvMediaImportResult result = library->importFiles(paths);
        QCOMPARE(result.added.size(), added);
        QCOMPARE(result.duplicates, duplicates);
        QCOMPARE(result.refused.size(), refused);
        QCOMPARE(library->count(), 1 + added);
        QCOMPARE(addedSpy.count(), added > 0 ? 1 : 0);
        // A file the user picked that cannot be imported is reported to the
        // user, not an error of the editor.
        QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
    }

    // Removing media takes their clips along and renumbers the rest; one
    // undo brings media, clips and their numbers back.
    void removeMedia_data()
    {
        QTest::addColumn<QVector<int>>("ids");
        QTest::addColumn<QStringList>("media");
        QTest::addColumn<QVector<KvTimelineClip>>("clips");
        const KvTimelineClip a{0, 0, 0, 0, 4000};
        QTest::newRow("used by a clip") << QVector<int>{1} << QStringList{"/m/a.mp4", "/m/c.wav"}
                                        << QVector<KvTimelineClip>{a};
        QTest::newRow("unused, renumbers none before it") << QVector<int>{2} << QStringList{"/m/a.mp4", "/m/b.png"}
                                                          << QVector<KvTimelineClip>{a, {1, 1, 2000, 0, 5000}};
        QTest::newRow("first, renumbers the rest") << QVector<int>{0, 0, 9} << QStringList{"/m/b.png", "/m/c.wav"}
                                                   << QVector<KvTimelineClip>{{0, 1, 2000, 0, 5000}};
    }

    void removeMedia()
    {
        QFETCH(QVector<int>, ids);
        QFETCH(QStringList, media);
        QFETCH(QVector<KvTimelineClip>, clips);
        manager()->createProject(smallProject());
        timeline()->setSelectedClips({0});
        const KvProjectData before = manager()->currentProject()->data();
        QSignalSpy reset(manager()->mediaLibrary(), &IKvMediaLibrary::sigMediaReset);
        QVERIFY(manager()->mediaLibrary()->removeMedia(ids));
        QCOMPARE(manager()->mediaLibrary()->paths(), media);
        QCOMPARE(timeline()->clips(), clips);
        QVERIFY(timeline()->selectedClips().isEmpty());
        QVERIFY(manager()->undoRedoService()->undo());
        QCOMPARE(manager()->currentProject()->data(), before);
        QCOMPARE(reset.count(), 2);
        // Still one entry per path: importing a restored medium finds it.
        QCOMPARE(manager()->mediaLibrary()->importFiles({}).ids.size(), 0);
        QCOMPARE(manager()->currentProject()->addMedia("/m/a.mp4"), 0);
        QVERIFY(!manager()->mediaLibrary()->removeMedia({-1, 3}));
    }

    // A folder gives its importable files, subfolders included, sorted;
    // a link to another folder is not followed.
    void folderImport()
    {
        QTemporaryDir dir;
        QTemporaryDir outside;
        writeAll(outside.filePath("far.mp4"), "x");
        for (const char *name : {"z.mp4", "a/b.wav", "a/deep/c.jpg", "skip.txt", "a/empty.png"})
            writeAll(dir.filePath(name), QByteArray(name).endsWith("empty.png") ? QByteArray() : "x");
        QVERIFY(QFile::link(outside.path(), dir.filePath("link")));
        int skipped = 0;
        const QStringList files = IKvMediaLibrary::importableFilesIn(dir.path(), &skipped);
        QCOMPARE(files, (QStringList{dir.filePath("a/b.wav"), dir.filePath("a/deep/c.jpg"), dir.filePath("z.mp4")}));
        QCOMPARE(skipped, 2);
    }

    void wavLength()
    {
        QTemporaryDir dir;
        writeAll(dir.filePath("voice.wav"), silentWav(2500));
        writeAll(dir.filePath("broken.wav"), "RIFF....WAVEjunk");
        KvProjectData data;
        data.mediaPaths = QStringList{dir.filePath("voice.wav"), dir.filePath("broken.wav")};
        manager()->createProject(data);
        QCOMPARE(timeline()->addMedia(0, -1, 0), 0);
        QCOMPARE(timeline()->clipAt(0).durationMs(), qint64(2500));
        // Sound goes to the sound track.
        QCOMPARE(timeline()->clipAt(0).track, IKvTimeline::kMinTracks - 1);
        QCOMPARE(timeline()->addMedia(1, -1, 0), 1);
        QCOMPARE(timeline()->clipAt(1).durationMs(), KvMediaProbe::kDefaultMs);
    }

    // Clips with their volume come back from the file; a file written
    // before clips had a volume opens with 100.
    void saveAndReopen()
    {
        QTemporaryDir dir;
        manager()->createProject(smallProject());
        QVERIFY(timeline()->setClipVolume(0, 30));
        timeline()->setCurrentPosition(1000);
        QVERIFY(timeline()->addMediaAtPlayhead(2) >= 0);
        const QVector<KvTimelineClip> clips = timeline()->clips();
        const QString path = dir.filePath("round.kvproj");
        QVERIFY(manager()->saveProject(path));
        manager()->closeProject();
        QCOMPARE(manager()->openProject(path), KvProjectFile::ReadResult::Ok);
        QCOMPARE(timeline()->clips(), clips);
        QCOMPARE(timeline()->clipAt(0).volume, 30);

        writeAll(dir.filePath("old.kvproj"),
                 R"({"format":"korvane-project","version":1,"settings":{"width":1920,"height":1080,"frameRate":30},
                     "media":[{"path":"/m/a.mp4"}],"clips":[{"media":0,"track":0,"start":0,"in":0,"out":1000}]})");
        QCOMPARE(manager()->openProject(dir.filePath("old.kvproj")), KvProjectFile::ReadResult::Ok);
        QCOMPARE(timeline()->clipAt(0).volume, 100);
        writeAll(dir.filePath("bad.kvproj"),
                 R"({"format":"korvane-project","version":1,"settings":{"width":1920,"height":1080,"frameRate":30},
                     "media":[{"path":"/m/a.mp4"}],"clips":[{"media":0,"track":0,"start":0,"in":0,"out":1000,"volume":900}]})");
        KvTestLog log;
        QCOMPARE(manager()->openProject(dir.filePath("bad.kvproj")), KvProjectFile::ReadResult::WrongShape);
    }

    void aspectAndRate_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("aspect");
        QTest::addColumn<double>("rate");
        QTest::addColumn<int>("rateType");
        QTest::newRow("1080p") << 1920 << 1080 << int(KvProjectAspectRatio_16_9) << 30.0 << KvFrameRateType::Fps30;
        QTest::newRow("720p is 16:9 too") << 1280 << 720 << int(KvProjectAspectRatio_16_9) << 25.0 << KvFrameRateType::Fps25;
        QTest::newRow("portrait") << 1080 << 1920 << int(KvProjectAspectRatio_9_16) << 29.97 << KvFrameRateType::Fps29_97;
        QTest::newRow("square") << 500 << 500 << int(KvProjectAspectRatio_1_1) << 23.976 << KvFrameRateType::Fps23_976;
        QTest::newRow("odd size") << 1000 << 999 << 0 << 59.94 << KvFrameRateType::Fps59_94;
        QTest::newRow("no size") << 0 << 1080 << 0 << 29.5 << KvFrameRateType::Unknown;
        QTest::newRow("within a hundredth") << 640 << 480 << int(KvProjectAspectRatio_4_3) << 29.971 << KvFrameRateType::Fps29_97;
    }

    void aspectAndRate()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, aspect);
        QFETCH(double, rate);
        QFETCH(int, rateType);
        QCOMPARE(KvClipVideoInfo::aspectRatioTypeOf(width, height), aspect);
        QCOMPARE(KvFrameRateType::typeOf(rate), rateType);
    }

    // The medium chosen last stays the one to add while clips are chosen;
    // a new project forgets it.
    void mediaEditorChoice()
    {
        manager()->createProject(smallProject());
        KvMediaEditor *editor = manager()->mediaEditor();
        QSignalSpy changed(editor, &KvMediaEditor::sigCurrentChanged);
        editor->setCurrentMedia(2);
        editor->setCurrentClip(1);
        QCOMPARE(editor->currentMedia(), -1);
        QCOMPARE(editor->currentClip(), 1);
        QCOMPARE(editor->lastMedia(), 2);
        editor->setCurrentClip(1);
        QCOMPARE(changed.count(), 2);
        manager()->createProject(smallProject());
        QCOMPARE(editor->lastMedia(), -1);
        QCOMPARE(editor->currentClip(), -1);
    }

    // Frame steps land on frame starts and stay within the timeline; mute
    // and volume are announced once per change, volume kept within 0-100.
    void playerControls()
    {
        manager()->createProject(smallProject()); // 7 s at 30 fps
        KvProjectPlayer *player = manager()->player();
        player->playhead()->setPosition(0);
        player->stepFrames(-1);
        QCOMPARE(player->playhead()->position(), qint64(0));
        player->stepFrames(3);
        QCOMPARE(KvTimecode::format(player->playhead()->position(), 30.0), QStringLiteral("00:00:00:03"));
        player->stepFrames(100000);
        QCOMPARE(player->playhead()->position(), qint64(7000));
        QSignalSpy mute(player, &KvProjectPlayer::sigMuteChanged);
        QSignalSpy volume(player, &KvProjectPlayer::sigVolumeChanged);
        player->setMute(true);
        player->setMute(true);
        QVERIFY(player->property("mute").toBool());
        player->setVolume(150);
        QCOMPARE(player->volume(), 100);
        player->setVolume(-3);
        QCOMPARE(player->volume(), 0);
        QCOMPARE(mute.count(), 1);
        QCOMPARE(volume.count(), 1);
        player->setMute(false);
        player->setVolume(100);
        // The mixer holds the player still.
        player->playhead()->setPosition(0);
        QVERIFY(player->play());
        player->setMixerState(true);
        QVERIFY(!player->isPlaying());
        QVERIFY(player->isInMixerState());
        player->setMixerState(false);
    }

    void playheadConnector()
    {
        KvPlayhead a;
        KvPlayhead b;
        KvPlayheadConnector connector;
        connector.addPlayhead(&a, KvPlayheadConnector::KindTimeline);
        connector.addPlayhead(&b, KvPlayheadConnector::KindPlayer);
        connector.addPlayhead(&b, KvPlayheadConnector::KindPlayer);
        QCOMPARE(connector.count(), 2);
        a.setPosition(500);
        QCOMPARE(b.position(), qint64(500));
        b.setPosition(700);
        QCOMPARE(a.position(), qint64(700));
        connector.setEnabled(false);
        a.setPosition(900);
        QCOMPARE(b.position(), qint64(700));
        // Enabled again, the player comes to the timeline.
        connector.setEnabled(true);
        QCOMPARE(b.position(), qint64(900));
        {
            KvPlayhead gone;
            connector.addPlayhead(&gone, 3);
        }
        QCOMPARE(connector.count(), 2);
        a.setPosition(100);
        connector.clear();
        a.setPosition(200);
        QCOMPARE(b.position(), qint64(100));
    }

    // The player runs the playhead to the timeline's end and stops there;
    // idle, it has no timer running.
    void playerRunsToTheEnd()
    {
        KvProjectPlayer *player = manager()->player();
        QVERIFY(!player->play()); // no project, nothing to play
        KvProjectData data;
        data.mediaPaths << "/m/a.mp4";
        data.clips << KvTimelineClip{0, 0, 0, 0, 300};
        manager()->createProject(data);
        QSignalSpy playing(player, &KvProjectPlayer::sigPlayingChanged);
        QVERIFY(player->play());
        QVERIFY(player->isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(!player->isPlaying(), 5000);
        QCOMPARE(player->playhead()->position(), qint64(300));
        QCOMPARE(playing.count(), 2);
        QVERIFY(player->findChildren<QTimer *>().first()->isActive() == false);
        // At the end, play starts again from the beginning.
        QVERIFY(player->play());
        QVERIFY(player->playhead()->position() < 300);
        // Opening another project stops it.
        manager()->createProject(data);
        QVERIFY(!player->isPlaying());
    }

    void renderService()
    {
        QTemporaryDir dir;
        manager()->createProject(smallProject());
        KvRenderService *render = timeline()->renderService();
        render->reset();
        render->setOutputFolder(dir.filePath("render"));
        render->setAutoRenderDelay(0);
        render->setAutoRender(true);
        // Not started: edits render nothing.
        timeline()->moveClip(0, 0, 100);
        QVERIFY(!render->isRenderPending());
        render->start();
        timeline()->moveClip(0, 0, 200);
        QVERIFY(render->isRenderPending());
        QTRY_COMPARE(render->renderFiles().size(), 1);
        const QByteArray preview = readAll(render->renderFiles().first());
        QVERIFY(preview.contains("\"clips\":2"));
        // A second render replaces the first.
        timeline()->moveClip(0, 0, 300);
        QTRY_VERIFY(!render->isRenderPending());
        QCOMPARE(render->renderFiles().size(), 1);
        QVERIFY(render->deleteRenderFiles(true));
        QVERIFY(render->renderFiles().isEmpty());
        QVERIFY(!render->isRunning());
        render->reset();
    }

    // A project of 10,000 clips on 10 tracks: the timeline answers from the
    // project as it stands, and the edits near the end touch one clip.
    void largeTimeline()
    {
        constexpr int kCount = 10000;
        KvProjectData data;
        for (int i = 0; i < kCount; ++i) {
            data.mediaPaths << QStringLiteral("/m/take%1.mp4").arg(i);
            data.clips << KvTimelineClip{i, i % 10, qint64(kCount - i) * 1000, 0, 1000};
        }
        manager()->createProject(data);
        QCOMPARE(timeline()->clipCount(), kCount);
        QCOMPARE(timeline()->trackCount(), 11);
        QCOMPARE(timeline()->durationMs(), qint64(kCount) * 1000 + 1000);
        QCOMPARE(timeline()->durationText(), QStringLiteral("02:46:41:00"));
        const int added = timeline()->addMedia(0, 12, 0);
        QCOMPARE(added, kCount);
        QCOMPARE(timeline()->trackCount(), 14);
        QVERIFY(manager()->undoRedoService()->undo());
        QCOMPARE(timeline()->clipCount(), kCount);
        QCOMPARE(timeline()->trackCount(), 11);
    }
};

QTEST_MAIN(TestKvTimeline)
#include "tst_kvtimeline.moc"
