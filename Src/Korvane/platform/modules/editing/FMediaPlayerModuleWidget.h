#pragma once

#include "IKvTimeline.h"
#include "FEditingModuleWidget.h"

#include "KvSubtitleFile.h"

#include <QHash>
#include <QPixmap>
#include <QPointer>

class FMainPlayerPresenter;
class QLabel;
class QSlider;
class QToolButton;

// The player module: a screen with what lies under the playhead (the
// clip's image, or black with the clip's name; what the media editor has
// chosen when the player is in editing mode), the timecode "hh:mm:ss:ff"
// with the duration, the transport buttons, mute and volume. The timecode
// runs while the project player plays; nothing ticks while it does not.
class FMediaPlayerModuleWidget : public FEditingModuleWidget
{
    Q_OBJECT

public:
    // On the project manager's player and media editor, with a presenter of its own.
    explicit FMediaPlayerModuleWidget(QWidget *parent = nullptr);
    FMediaPlayerModuleWidget(FMainPlayerPresenter *presenter, QWidget *parent);

    FMainPlayerPresenter *playerPresenter() const { return m_presenter; }
    QString timecodeText() const;
    // What the screen shows: the medium's path, or empty for black.
    QString shownMediaPath() const { return m_shownPath; }
    QString shownCaption() const;
    // The subtitle cue at the playhead, empty for none.
    QString subtitleText() const;

    // "m:ss", or "h:mm:ss" from an hour on; negative counts as 0.
    static QString formatDuration(qint64 ms);

    // Saves what the screen shows as a PNG in the snapshot folder and tells
    // the user where; the file's path, empty when it could not be written.
    QString takeSnapshot();

    // Takes the Snapshot action (KvActionManager) itself: it needs the screen.
    bool dispatchMessage(KvMessage *message) override;

protected:
    void showProject(IKvProject *project) override;

private:
    void build();
    void updateScreen();
    void updateTimecode();
    void updateTransport();
    // The clip on top under the playhead with a picture (or, with
    // `subtitles`, a subtitle clip), -1 for none.
    int clipUnderPlayhead(bool subtitles = false) const;
    void updateSubtitle();

    FMainPlayerPresenter *m_presenter;
    QPointer<IKvTimeline> m_timeline;
    QLabel *m_screen = nullptr;
    QLabel *m_timecode = nullptr;
    QLabel *m_subtitle = nullptr;
    // Cues of the subtitle files shown so far, read once each.
    QHash<QString, QVector<KvSubtitleFile::Cue>> m_cues;
    QToolButton *m_previous = nullptr;
    QToolButton *m_play = nullptr;
    QToolButton *m_stop = nullptr;
    QToolButton *m_next = nullptr;
    QToolButton *m_mute = nullptr;
    QToolButton *m_editMode = nullptr;
    QSlider *m_volume = nullptr;
    QString m_shownPath;
    QPixmap m_picture;
};
