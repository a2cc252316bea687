#pragma once

#include "IKvTimeline.h"
#include "KvMediaEditor.h"
#include "KvPresenter.h"

#include <QPointer>
#include <QVariant>

class FTimelineModuleWidget;
class IKvClip;
class KvTimelineRecordingMessage;
class KvUIView;

// Presenter of the timeline module (view type 4). It makes the module's
// view, runs the edits its buttons ask for through the timeline, and
// handles the recording messages: TimelineRecordingPrepare and
// KvTimelineRecordingMessage (a voice-over placed where it started), and
// the guided tour's GuideTimelineRect query.
class FTimelineModulePresenter : public KvPresenter
{
    Q_OBJECT

public:
    // `parentView` is the view that registers the module (its scene carries
    // the messages); `timeline` the project's timeline.
    FTimelineModulePresenter(KvUIView *parentView, IKvTimeline *timeline, QObject *parent = nullptr);

    IKvTimeline *timeline() const { return m_timeline; }
    KvUIView *parentView() const { return m_parentView; }
    // Where the medium to add comes from (the library's choice); may be null.
    void setMediaEditor(KvMediaEditor *editor) { m_editor = editor; }
    KvMediaEditor *mediaEditor() const { return m_editor; }

    // The module's view, made once, with this as its presenter.
    FTimelineModuleWidget *createView(QWidget *parent);
    FTimelineModuleWidget *moduleView() const { return m_view; }

    // The medium last chosen in the library, at the playhead; -1 when none.
    int addChosenMedia();
    bool splitAtPlayhead();
    bool deleteSelection();
    bool undo();
    bool redo();
    bool canUndo() const;
    bool canRedo() const;

    // True while a recording writes on the timeline.
    bool isRecording() const { return m_recordStart >= 0; }

    // --- What the menus ask (enabling queries and operations) -------------
    bool hasSelectedClips() const;
    int selectedClipCount() const;
    // A project is open and the timeline has clips.
    bool canBuildCustomProjectTemplate() const;
    // Writes the timeline as a project file into the user's template folder
    // (named after the project, numbered when taken) and tells the user
    // where it went; false when it could not (the user is told why).
    bool buildCustomProjectTemplate();
    // Exactly one clip selected with the playhead inside it.
    bool canFreezeFrame() const;
    bool selectAll();
    // Copy keeps the selected clips for paste; paste places them at the
    // playhead, keeping their tracks and distances (one undo step per clip).
    bool copySelection();
    bool cutSelection();
    bool pasteAtPlayhead();
    bool hasClipboard() const { return !m_clipboard.isEmpty(); }
    // Mutes the selected clips, or gives them full sound when all are mute.
    bool toggleMute();
    // Moves each selected clip back to the end of the clip before it on its
    // track (or the start of the timeline).
    bool closeGapBeforeSelection();
    // Ends the selected clips that the playhead crosses at the playhead.
    bool trimEndToPlayhead();
    // Runs a self-running action of the timeline (KvActionManager); false
    // for an action the timeline does not run.
    bool runAction(int actionId);

    bool dispatchMessage(KvMessage *message) override;

signals:
    // Undo or redo availability may have changed.
    void sigUndoStateChanged();

private:
    void recording(const KvTimelineRecordingMessage &message);
    // Selection changes ask the main window for the property panel.
    void selectionChanged();
    // An empty timeline that gets its first picture offers that picture's
    // size to the project.
    void clipsChanged();
    void offerMatchFor(IKvClip *clip);

    // The answers of the menus' queries and the selected-clip tools.
    bool dispatchToolMessage(KvMessage *message);
    bool askFreezePlacement(KvMessage *message);
    // The freeze frame itself (FTimelineModuleFreeze.cpp): the new clip, -1.
    int freezeFrame(bool inPlace);
    // The player's picture as a medium of the project; -1 (told) without one.
    int importFrozenPicture();
    // The selected clips as a QVariantList; tells the user when there are none.
    QVariantList selectionForTool(const QString &tool);

    QPointer<IKvTimeline> m_timeline;
    QVector<KvTimelineClip> m_clipboard;
    KvUIView *m_parentView;
    QPointer<KvMediaEditor> m_editor;
    QPointer<FTimelineModuleWidget> m_view;
    qint64 m_recordStart = -1;
    bool m_hadSelection = false;
    int m_clipCount = 0;
};
