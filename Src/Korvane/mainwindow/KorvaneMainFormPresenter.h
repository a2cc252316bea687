#pragma once

#include "KvPresenter.h"

#include <QPoint>
#include <QStringList>

#include <memory>

class FMainPlayerPresenter;
class FTimelineModulePresenter;
class IKvTimeline;
class KorvaneMainFormPresenterPrivate;
class KvMediaLibraryPresenter;
class KvProjectPlayer;

// The presenter of the main form. It receives the messages that the editing
// modules send upward, turns some into signals for the form, and runs the
// recording features (the screen recorder in a helper process, webcam and
// voice-over recording), the project manager's auto-backup settings and the
// clean-up of render files. Its state lives in KorvaneMainFormPresenterPrivate.
class KorvaneMainFormPresenter : public KvPresenter
{
    Q_OBJECT

public:

    explicit KorvaneMainFormPresenter(QObject *parent = nullptr);
    ~KorvaneMainFormPresenter() override;

    // The screen recorder: "<application folder>/Quenfel.exe".
    static QString screenRecorderPath();
    static bool isScreenRecorderRunning();

    // Called by the form once its modules exist: the module presenters it
    // built, then the playhead and clip selector connectors.
    void setModulePresenters(FTimelineModulePresenter *timeline, KvMediaLibraryPresenter *mediaLibrary,
                             FMainPlayerPresenter *player);
    void initServices();
    IKvTimeline *timeline() const;
    KvProjectPlayer *player() const;

    bool dispatchMessage(KvMessage *message) override;

    // What the form asks of the modules through the presenter.
    bool isColorMatching() const;
    void stopMainPlayer();
    bool isPlayerPlaying() const;
    bool selectionKeepsOwnPanel() const;
    // Sends an import of files to the media library; the library item of
    // the first file, -1 when nothing was imported.
    int importMedia(const QStringList &paths, int source);
    void handleDownloadResult(const QStringList &contents);
    void handleDownloadFolderChanged();
    bool isPlayerMuted() const;
    void setPlayerMuted(bool muted);
    void pausePlayer();
    void setPlayheadConnectorEnabled(bool enabled);
    bool isPlayheadConnectorEnabled() const;
    // A timeline recording message: phase 0 starts at the playhead, 1 moves
    // to `position`, 2 places the imported clip.
    void sendRecordingPhase(int phase, qint64 position, int mediaItem = -1);
    // Before a voice-over starts inside the timeline: the position goes to
    // the modules (7005) and playback starts from it (7009).
    void prepareRecordingAtPlayhead();
    void deleteRenderFiles();
    // The player's mixer state, on while the audio mixer runs.
    void setPlayerMixerState(bool mixing);

    KorvaneMainFormPresenterPrivate *d_func() const { return d.get(); }

signals:
    void sigShowPropertyPanel(bool show);
    void sigShowLoginDialog();
    void sigShowPreferencesDialog(int tabIndex);
    void sigShowFloatingEditWidget(QPoint pos);
    void sigMainwndMinimized(int delayMs);
    void sigReceveMsgFrom(QString Msg);
    void sigHideTextController();

private:
    friend class KorvaneMainFormPresenterPrivate;
    std::unique_ptr<KorvaneMainFormPresenterPrivate> d;
};
