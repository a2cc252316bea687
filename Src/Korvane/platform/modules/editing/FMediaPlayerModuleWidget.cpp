#include "FMediaPlayerModuleWidget.h"

#include "FMainPlayerPresenter.h"
#include "FMessageDialog.h"
#include "IKvAppInfo.h"
#include "IKvBaseLog.h"
#include "IKvMediaLibrary.h"
#include "IKvProject.h"
#include "IKvProjectManager.h"
#include "IKvTimeline.h"
#include "KvActionManager.h"
#include "KvAppInfoId.h"
#include "KvDataMessage.h"
#include "KvEditingMessageId.h"
#include "KvMediaEditor.h"
#include "KvMediaType.h"
#include "KvPlayhead.h"
#include "KvProjectPlayer.h"
#include "KvSkin.h"
#include "KvTimecode.h"
#include "KvToast.h"
#include "KvToolButtonFactory.h"

#include <QDateTime>
#include <QDir>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QSaveFile>
#include <QSlider>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

FMediaPlayerModuleWidget::FMediaPlayerModuleWidget(QWidget *parent)
    : FMediaPlayerModuleWidget(new FMainPlayerPresenter(IKvProjectManager::getInstance()->player(),
                                                        IKvProjectManager::getInstance()->mediaEditor()),
                               parent)
{
    m_presenter->setParent(this);
}

FMediaPlayerModuleWidget::FMediaPlayerModuleWidget(FMainPlayerPresenter *presenter, QWidget *parent)
    : FEditingModuleWidget(parent)
    , m_presenter(presenter)
    , m_timeline(IKvProjectManager::getInstance()->timeline())
{
    setObjectName(QStringLiteral("FMediaPlayerModuleWidget"));
    setMinimumSize(361, 200);
    setPresenter(presenter);
    build();
    refresh();
}

void FMediaPlayerModuleWidget::build()
{
    m_screen = new QLabel(this);
    m_screen->setObjectName(QStringLiteral("FMediaPlayerModuleWidget_Screen"));
    m_screen->setAccessibleName(tr("Player screen"));
    m_screen->setAlignment(Qt::AlignCenter);
    m_screen->setMinimumSize(160, 90);
    m_screen->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    // A player screen is black whatever the skin; its colours come from the
    // skin's palette, so they follow a palette change.
    auto styleScreen = [this]() {
        m_screen->setStyleSheet(KvSkin::instance()->resolve(
            QStringLiteral("#FMediaPlayerModuleWidget_Screen { background: @videoBg; color: @textBright; }")));
    };
    styleScreen();
    connect(KvSkin::instance(), &KvSkin::sigPaletteChanged, m_screen, styleScreen);

    m_subtitle = new QLabel(this);
    m_subtitle->setObjectName(QStringLiteral("FMediaPlayerModuleWidget_Subtitle"));
    m_subtitle->setAlignment(Qt::AlignCenter);
    m_subtitle->setWordWrap(true);
    m_subtitle->hide();

    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("FMediaPlayerModuleWidget_Transport"));
    m_previous = KvToolButtonFactory::create(bar, QStringLiteral("FMediaPlayerModuleWidget_Previous"),
                                             tr("Previous Frame"), QStringLiteral("previous"));
    m_play = KvToolButtonFactory::create(bar, QStringLiteral("FMediaPlayerModuleWidget_Play"), tr("Play"),
                                         QStringLiteral("play"));
    m_stop = KvToolButtonFactory::create(bar, QStringLiteral("FMediaPlayerModuleWidget_Stop"), tr("Stop"),
                                         QStringLiteral("stop"));
    m_next = KvToolButtonFactory::create(bar, QStringLiteral("FMediaPlayerModuleWidget_Next"), tr("Next Frame"),
                                         QStringLiteral("next"));
    m_timecode = new QLabel(bar);
    m_timecode->setObjectName(QStringLiteral("FMediaPlayerModuleWidget_Timecode"));
    m_timecode->setAccessibleName(tr("Timecode"));
    m_editMode = KvToolButtonFactory::create(bar, QStringLiteral("FMediaPlayerModuleWidget_EditMode"),
                                             tr("Editing Mode"));
    m_editMode->setText(tr("Edit"));
    m_editMode->setCheckable(true);
    m_editMode->setFixedWidth(40);
    m_mute = KvToolButtonFactory::create(bar, QStringLiteral("FMediaPlayerModuleWidget_Mute"), tr("Mute"),
                                         QStringLiteral("volume"));
    m_mute->setCheckable(true);
    m_volume = new QSlider(Qt::Horizontal, bar);
    m_volume->setObjectName(QStringLiteral("FMediaPlayerModuleWidget_Volume"));
    m_volume->setAccessibleName(tr("Volume"));
    m_volume->setRange(0, 100);
    m_volume->setFixedWidth(80);

    auto *barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(8, 4, 8, 4);
    barLayout->setSpacing(4);
    barLayout->addWidget(m_timecode);
    barLayout->addStretch(1);
    for (QToolButton *button : {m_previous, m_play, m_stop, m_next})
        barLayout->addWidget(button);
    barLayout->addStretch(1);
    barLayout->addWidget(m_editMode);
    barLayout->addWidget(m_mute);
    barLayout->addWidget(m_volume);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_screen, 1);
    layout->addWidget(m_subtitle);
    layout->addWidget(bar);

    connect(m_play, &QToolButton::clicked, this, [this]() {
        if (m_presenter->isPlaying())
            m_presenter->pause();
        else
            m_presenter->play();
    });
    connect(m_stop, &QToolButton::clicked, m_presenter, &FMainPlayerPresenter::stop);
    connect(m_mute, &QToolButton::toggled, m_presenter, &FMainPlayerPresenter::setMute);
    connect(m_volume, &QSlider::valueChanged, m_presenter, &FMainPlayerPresenter::setVolume);
    connect(m_editMode, &QToolButton::toggled, m_presenter, &FMainPlayerPresenter::setEditingMode);
    connect(m_presenter, &FMainPlayerPresenter::sigEditingModeChanged, this, [this](bool editing) {
        const QSignalBlocker blocker(m_editMode);
        m_editMode->setChecked(editing);
        updateScreen();
    });
    connect(m_presenter, &FMainPlayerPresenter::sigRefresh, this, &FMediaPlayerModuleWidget::updateScreen);
    if (KvProjectPlayer *player = m_presenter->player()) {
        connect(m_previous, &QToolButton::clicked, player, [player]() { player->stepFrames(-1); });
        connect(m_next, &QToolButton::clicked, player, [player]() { player->stepFrames(1); });
        connect(player, &KvProjectPlayer::sigPlayingChanged, this, &FMediaPlayerModuleWidget::updateTransport);
        connect(player, &KvProjectPlayer::sigMuteChanged, this, &FMediaPlayerModuleWidget::updateTransport);
        connect(player, &KvProjectPlayer::sigVolumeChanged, this, &FMediaPlayerModuleWidget::updateTransport);
        connect(player->playhead(), &KvPlayhead::sigPositionChanged, this, [this]() {
            updateTimecode();
            updateScreen();
        });
    }
    if (KvMediaEditor *editor = m_presenter->mediaEditor())
        connect(editor, &KvMediaEditor::sigCurrentChanged, this, &FMediaPlayerModuleWidget::updateScreen);
    if (m_timeline) {
        connect(m_timeline, &IKvTimeline::sigClipsChanged, this, &FMediaPlayerModuleWidget::refresh);
        connect(m_timeline, &IKvTimeline::sigProjectChanged, this, &FMediaPlayerModuleWidget::refresh);
    }
    updateTransport();
}

QString FMediaPlayerModuleWidget::formatDuration(qint64 ms)
{
    const qint64 seconds = qMax<qint64>(ms, 0) / 1000;
    const qint64 hours = seconds / 3600;
    const qint64 minutes = seconds / 60 % 60;
    const QString secondsText = QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (hours > 0)
        return QStringLiteral("%1:%2:%3").arg(hours).arg(minutes, 2, 10, QLatin1Char('0')).arg(secondsText);
    return QStringLiteral("%1:%2").arg(minutes).arg(secondsText);
}

QString FMediaPlayerModuleWidget::timecodeText() const
{
    return m_timecode->text();
}

QString FMediaPlayerModuleWidget::shownCaption() const
{
    return m_screen->text();
}

void FMediaPlayerModuleWidget::showProject(IKvProject *project)
{
    Q_UNUSED(project)
    // A subtitle file may have been edited since it was read.
    m_cues.clear();
    updateTimecode();
    updateScreen();
}

int FMediaPlayerModuleWidget::clipUnderPlayhead(bool subtitles) const
{
    if (!m_timeline)
        return -1;
    const KvProjectPlayer *player = m_presenter->player();
    const qint64 at = player ? player->playhead()->position() : m_timeline->currentPosition();
    // The lowest track is drawn on top; among equals the later clip.
    int found = -1;
    int foundTrack = 0;
    const QVector<KvTimelineClip> clips = m_timeline->clips();
    for (int i = 0; i < clips.size(); ++i) {
        const KvTimelineClip &clip = clips.at(i);
        if (clip.startMs > at || at >= clip.endMs() || (found >= 0 && clip.track > foundTrack))
            continue;
        const KvMediaType type = KvMediaProbe::typeBySuffix(m_timeline->mediaPathOf(i));
        if (subtitles ? type == KvMediaType::Subtitle : (type != KvMediaType::Audio && type != KvMediaType::Subtitle)) {
            found = i;
            foundTrack = clip.track;
        }
    }
    return found;
}

QString FMediaPlayerModuleWidget::subtitleText() const
{
    return m_subtitle->isVisibleTo(this) ? m_subtitle->text() : QString();
}

void FMediaPlayerModuleWidget::updateSubtitle()
{
    const int clip = clipUnderPlayhead(true);
    QString text;
    if (clip >= 0) {
        const QString path = m_timeline->mediaPathOf(clip);
        auto cues = m_cues.find(path);
        if (cues == m_cues.end())
            cues = m_cues.insert(path, KvSubtitleFile::read(path));
        const KvTimelineClip data = m_timeline->clipAt(clip);
        const qint64 at = m_presenter->player() ? m_presenter->player()->playhead()->position() : m_timeline->currentPosition();
        // Cue times are times in the file: the clip's in point is where it starts.
        text = KvSubtitleFile::textAt(*cues, at - data.startMs + data.inMs);
    }
    m_subtitle->setText(text);
    m_subtitle->setVisible(!text.isEmpty());
}

void FMediaPlayerModuleWidget::updateScreen()
{
    updateSubtitle();
    QString path;
    KvMediaEditor *editor = m_presenter->mediaEditor();
    IKvMediaLibrary *library = IKvProjectManager::getInstance()->mediaLibrary();
    if (m_presenter->isEditingMode() && editor && editor->currentClip() >= 0 && m_timeline)
        path = m_timeline->mediaPathOf(editor->currentClip());
    else if (!m_presenter->isPlaying() && editor && editor->currentMedia() >= 0 && library)
        path = library->pathAt(editor->currentMedia());
    else if (m_timeline && m_timeline->hasProject()) {
        const int clip = clipUnderPlayhead();
        if (clip >= 0)
            path = m_timeline->mediaPathOf(clip);
    }
    if (path == m_shownPath)
        return;
    m_shownPath = path;
    m_picture = QPixmap();
    if (KvMediaProbe::typeBySuffix(path) == KvMediaType::Image) {
        // One image of screen size is read at a time, on a change of clip.
        QImageReader reader(path);
        const QSize size = reader.size();
        if (size.isValid())
            reader.setScaledSize(size.scaled(QSize(1280, 720).boundedTo(size), Qt::KeepAspectRatio));
        m_picture = QPixmap::fromImage(reader.read());
    }
    if (!m_picture.isNull()) {
        m_screen->setText(QString());
        m_screen->setPixmap(m_picture.scaled(m_screen->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    } else {
        m_screen->setPixmap(QPixmap());
        m_screen->setText(path.isEmpty() ? QString() : IKvMediaLibrary::fileNameOf(path));
    }
}

void FMediaPlayerModuleWidget::updateTimecode()
{
    if (!m_timeline) {
        m_timecode->clear();
        return;
    }
    const KvProjectPlayer *player = m_presenter->player();
    const qint64 position = player ? player->playhead()->position() : m_timeline->currentPosition();
    m_timecode->setText(QStringLiteral("%1 / %2").arg(KvTimecode::format(position, m_timeline->frameRate()),
                                                     m_timeline->durationText()));
}

void FMediaPlayerModuleWidget::updateTransport()
{
    const bool playing = m_presenter->isPlaying();
    KvToolButtonFactory::setToolTip(m_play, playing ? tr("Pause") : tr("Play"));
    m_play->setIcon(KvSkin::instance()->icon(playing ? QStringLiteral("pause") : QStringLiteral("play")));
    const QSignalBlocker muteBlocker(m_mute);
    m_mute->setChecked(m_presenter->isMute());
    m_mute->setIcon(KvSkin::instance()->icon(m_presenter->isMute() ? QStringLiteral("mute") : QStringLiteral("volume")));
    KvToolButtonFactory::setToolTip(m_mute, m_presenter->isMute() ? tr("Unmute") : tr("Mute"));
    const QSignalBlocker volumeBlocker(m_volume);
    m_volume->setValue(m_presenter->volume());
}

QString FMediaPlayerModuleWidget::takeSnapshot()
{
    QString folder = IKvAppInfo::getInstance()->getString(KvAppInfoId::SnapshotDir);
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString path = QDir(folder).filePath(
        QStringLiteral("Snapshot_%1.png").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_hhmmss_zzz"))));
    QSaveFile file(path);
    const bool written = QDir().mkpath(folder) && file.open(QIODevice::WriteOnly)
                         && m_screen->grab().save(&file, "PNG") && file.commit();
    if (!written) {
        KV_LOG_ERROR("the snapshot could not be written to \"%s\": %s", KV_CSTR(path), KV_CSTR(file.errorString()));
        FMessageDialog::alert(this, tr("Snapshot"),
                              tr("The snapshot could not be saved to %1.").arg(QDir::toNativeSeparators(folder)),
                              QStringLiteral("FMediaPlayerModuleWidget_SnapshotFailed"));
        return QString();
    }
    KV_LOG_INFO("snapshot saved to \"%s\"", KV_CSTR(path));
    KvToast::showSuccess(this, tr("Snapshot saved to %1").arg(QDir::toNativeSeparators(path)));
    return path;
}

bool FMediaPlayerModuleWidget::dispatchMessage(KvMessage *message)
{
    const auto *run = message && message->code() == KvActionManager::kRunActionMessage
                          ? dynamic_cast<KvDataMessage *>(message)
                          : nullptr;
    if (message && message->code() == KvEditingMessageId::PlayerGrabPicture) {
        message->setAnswer(m_screen->grab().toImage());
        message->setHandled(true);
        return true;
    }
    if (run && run->data().toInt() == KvActionId::Snapshot) {
        KV_LOG_INFO("Player: Snapshot (action %d)", KvActionId::Snapshot);
        message->setAnswer(takeSnapshot());
        message->setHandled(true);
        return true;
    }
    return FEditingModuleWidget::dispatchMessage(message);
}
