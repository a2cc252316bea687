// The main form's part in editing: timeline events, the floating widgets
// over the player, the match-project question and the speech jobs.
#include "KorvaneMainForm.h"

#include "FGeneralSettings.h"
#include "FMainPlayerPresenter.h"
#include "FMatchProjectDialog.h"
#include "IKvBaseLog.h"
#include "IKvClip.h"
#include "IKvProject.h"
#include "IKvProjectManager.h"
#include "IKvTimeline.h"
#include "KorvaneMainFormPresenter.h"
#include "KvAppSettings.h"
#include "KvDataMessage.h"
#include "KvEditingMessageId.h"
#include "KvEditingViewType.h"
#include "KvMainFormMessageId.h"
#include "KvMainWindowTracking.h"
#include "KvMediaImportMessage.h"
#include "KvSpeechServiceDialog.h"
#include "KvSpeechServicePresenter.h"
#include "KvSpeechToTextParamDialog.h"
#include "KvSplitScreenFloatingWidget.h"
#include "KvTextFloatingAdjustWidget.h"
#include "KvTextToSpeechParamDialog.h"
#include "KvTimelineEvent.h"

#include <QFileInfo>
#include <QScopeGuard>

namespace {

constexpr int kSplitScreenSelection = 12;

FGeneralSettings &general()
{
    return KvAppSettings::GetInstance()->GetSettings().GetGeneralSetting();
}

} // namespace

void KorvaneMainForm::onTimelineEvents(const KvTimelineEventList &events)
{
    for (const KvTimelineEventPair &event : events) {
        if (event == KvTimelineEventPair(4, 4)) {
            if (KvUIView *player = view(KvEditingViewType::Player)) {
                KvMessage refresh(KvEditingMessageId::PlayerRefresh);
                player->dispatchMessage(&refresh);
            }
        } else if (event == KvTimelineEvent::ProjectClosing) {
            stopRenderService();
            if (m_splitScreenWidget)
                m_splitScreenWidget->clear();
        } else if (event == KvTimelineEvent::ProjectLoaded) {
            startRenderService();
        } else if (event == KvTimelineEventPair(9, 2)) {
            updateTextFloatingWidget();
        }
        if ((event.second == 9 || event.second == 4) && m_textFloatingWidget && m_textFloatingWidget->isVisible())
            updateTextFloatingWidget();
    }
}

void KorvaneMainForm::onTimelineReleased(IKvTimeline *timeline)
{
    if (m_observedTimeline == timeline)
        m_observedTimeline = nullptr;
}

void KorvaneMainForm::slotMediaPlayerEditingModeChanged()
{
    updateTextFloatingWidget();
}

void KorvaneMainForm::updateTextFloatingWidget()
{
    IKvTimeline *timeline = m_presenter->timeline();
    IKvClip *clip = nullptr;
    if (timeline && m_playerPresenter && m_playerPresenter->isEditingMode()) {
        const QVector<int> selected = timeline->selectedClips();
        if (selected.size() == 1)
            clip = timeline->clip(selected.first());
    }
    if (!clip || !clip->isTextClip()) {
        if (m_textFloatingWidget && m_textFloatingWidget->isVisible()) {
            m_textFloatingWidget->hide();
            m_textFloatingWidget->detach();
        }
        return;
    }
    if (!m_textFloatingWidget) {
        m_textFloatingWidget = new KvTextFloatingAdjustWidget(m_playerView);
        m_textFloatingWidget->move(QPoint(10, 40));
    }
    m_textFloatingWidget->attach();
    m_textFloatingWidget->setFewerThanTwoTextItems(clip->textItemCount() < 2);
    if (m_textFloatingWidget->isHidden())
        m_textFloatingWidget->show();
}

void KorvaneMainForm::slotShowFloatingEditWidget(QPoint pos)
{
    Q_UNUSED(pos)
    IKvTimeline *timeline = m_presenter->timeline();
    if (!timeline || timeline->selectionKind() != kSplitScreenSelection)
        return;
    if (!m_splitScreenWidget)
        m_splitScreenWidget = new KvSplitScreenFloatingWidget(m_playerView);
    m_splitScreenWidget->showFor(m_splitScreenWidget->currentLayout());
}

void KorvaneMainForm::slotOpenAdvanceSplitScreenEditDialog()
{
    slotShowFloatingEditWidget(QPoint());
}

void KorvaneMainForm::popupMatchProjDlg(KvMessage *message)
{
    auto *data = dynamic_cast<KvDataMessage *>(message);
    const QVariantMap info = data ? data->data().toMap() : QVariantMap();
    IKvProject *project = IKvProjectManager::getInstance()->currentProject();
    if (info.isEmpty()) {
        KV_LOG_ERROR("VideoInfo is nullptr");
        return;
    }
    if (!project)
        return;
    KvProjectSettings media;
    media.width = info.value(QStringLiteral("width"), 1920).toInt();
    media.height = info.value(QStringLiteral("height"), 1080).toInt();
    if (media.width <= 0 || media.height <= 0) {
        media.width = 1920;
        media.height = 1080;
    }
    media.frameRate = info.value(QStringLiteral("frameRate"), 30.0).toDouble();
    const int mediaAspect = info.value(QStringLiteral("aspectRatioType"),
                                       KvClipVideoInfo::aspectRatioTypeOf(media.width, media.height)).toInt();
    const int mediaRate =
        info.value(QStringLiteral("frameRateType"), KvFrameRateType::typeOf(media.frameRate)).toInt();
    const KvProjectSettings current = project->settings();
    if (media.width == current.width && media.height == current.height
        && mediaAspect == KvClipVideoInfo::aspectRatioTypeOf(current.width, current.height)
        && mediaRate == KvFrameRateType::typeOf(current.frameRate))
        return;
    if (!general().GetMediaMatchProjShow())
        return;
    FMatchProjectDialog dialog(media, current, this);
    connect(&dialog, &FMatchProjectDialog::s_match, this, [project, media] {
        if (!project->setSettings(media))
            KV_LOG_ERROR("the media's settings could not be applied to the project");
    });
    dialog.DoModal();
    if (dialog.isStopAsking())
        general().SetMediaMatchProjShow(false);
}

void KorvaneMainForm::initSpeechServiceDialog()
{
    if (m_speechDialog)
        return;
    KV_LOG_INFO("initSpeechServiceDialog");
    m_speechDialog = std::make_unique<KvSpeechServiceDialog>();
    KvSpeechServiceDialog *dialog = m_speechDialog.get();
    connect(dialog, &KvSpeechServiceDialog::sigSrtFileGenerate, this, &KorvaneMainForm::slotSrtFileGenerate);
    connect(dialog, &KvSpeechServiceDialog::sigAudioFileGenerate, this, &KorvaneMainForm::slotAudioFileGenerate);
    connect(dialog, &KvSpeechServiceDialog::sigSrtProductFileGenerate, this,
            &KorvaneMainForm::slotSrtProductFileGenerate);
    connect(dialog, &KvSpeechServiceDialog::sigFindMatterLocation, this, &KorvaneMainForm::slotFindMatterLocation);
    connect(dialog, &KvSpeechServiceDialog::sigTaskFinish, this, &KorvaneMainForm::slotTaskFinisted);
    dialog->hide();
}

void KorvaneMainForm::openSpeechParameters(KvMessage *message, bool textToSpeech)
{
    Q_UNUSED(message)
    initSpeechServiceDialog();
    IKvTimeline *timeline = m_presenter->timeline();
    if (!timeline) {
        KV_LOG_ERROR("speech parameters asked for without a timeline");
        return;
    }
    KvSpeechTaskParams params;
    QList<IKvClip *> clips;
    const QVector<int> selected = timeline->selectedClips();
    for (int index : selected) {
        if (IKvClip *clip = timeline->clip(index))
            clips << clip;
    }
    m_modalParameter = true;
    const auto clearFlag = qScopeGuard([this] { m_modalParameter = false; });
    show();
    // Docked to the speech window when that one is up.
    QWidget *parent = m_speechDialog->isVisible() || m_speechDialog->isMinimized()
                          ? static_cast<QWidget *>(m_speechDialog.get())
                          : static_cast<QWidget *>(this);
    if (textToSpeech) {
        KvTextToSpeechParamDialog dialog(parent);
        if (dialog.DoModal() != 1)
            return;
        params = dialog.params();
        QStringList kinds;
        for (IKvClip *clip : qAsConst(clips)) {
            const QString kind = clip->type() == KvClipType::Title ? QStringLiteral("title")
                                 : clip->type() == KvClipType::Srt ? QStringLiteral("srt")
                                                                   : QString();
            if (!kind.isEmpty() && !kinds.contains(kind))
                kinds << kind;
        }
        KvMainWindowTracking::sendFields(KvTrackEventKind::TtsParamsSetting,
                                         {{QStringLiteral("TTS_language"), params.language},
                                          {QStringLiteral("voice_name"), params.voiceName},
                                          {QStringLiteral("is_use_check"), params.useCheck},
                                          {QStringLiteral("clip_type"), kinds.join(QLatin1Char(','))}});
    } else {
        KvSpeechToTextParamDialog dialog(parent);
        const bool hasRange = timeline->clipCount() > 0;
        dialog.setTargetChoice(clips.isEmpty() ? KvSpeechTargetChoice::TimelineOnly
                               : hasRange      ? KvSpeechTargetChoice::Both
                                               : KvSpeechTargetChoice::ClipsOnly);
        if (dialog.DoModal() != 1)
            return;
        params = dialog.params();
    }
    if (params.target == KvSpeechTarget::Timeline) {
        params.timeline = timeline;
        params.rangeBeginMs = 0;
        params.rangeEndMs = timeline->durationMs();
    } else {
        params.clips = clips;
        for (IKvClip *clip : qAsConst(clips)) {
            params.texts << clip->name();
            params.durationsMs << clip->data().durationMs();
        }
    }
    if (m_speechDialog->presenter()->startTask(params) < 0)
        return;
    m_speechDialog->show();
    m_speechDialog->raiseOnFirstTab();
}

void KorvaneMainForm::slotSrtFileGenerate(const QString &filepath, IKvClip *clip, IKvTimeline *timeline)
{
    Q_UNUSED(clip)
    Q_UNUSED(timeline)
    m_presenter->importMedia({filepath}, KvMediaImportMessage::SourceUser);
}

void KorvaneMainForm::slotAudioFileGenerate(const QString &filepath, IKvClip *clip)
{
    Q_UNUSED(clip)
    m_presenter->importMedia({filepath}, KvMediaImportMessage::SourceUser);
}

void KorvaneMainForm::slotSrtProductFileGenerate(const QString &filepath, const QString &folderName, IKvClip *clip,
                                                 qint64 beginPos, bool isStart)
{
    Q_UNUSED(folderName)
    Q_UNUSED(clip)
    Q_UNUSED(beginPos)
    Q_UNUSED(isStart)
    m_presenter->importMedia({filepath}, KvMediaImportMessage::SourceUser);
}

void KorvaneMainForm::slotFindMatterLocation(const QString &filepath)
{
    if (!QFileInfo::exists(filepath)) {
        KV_LOG_INFO("the speech file %s is gone", KV_CSTR(filepath));
        return;
    }
    slotShowPropertyPanel(false);
}

void KorvaneMainForm::slotTaskFinisted()
{
    KV_LOG_INFO("speech task finished");
}
