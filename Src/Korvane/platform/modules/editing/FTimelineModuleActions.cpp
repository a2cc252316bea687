// What the menus and the numbered actions ask of the timeline: the enabling
// queries, clipboard and selection edits, the selected-clip tools, the
// freeze-frame questions and the custom project template.
#include "FTimelineModulePresenter.h"

#include "FMessageDialog.h"
#include "FTimelineModuleWidget.h"
#include "IKvAppInfo.h"
#include "IKvBaseLog.h"
#include "IKvProject.h"
#include "IKvProjectManager.h"
#include "KvActionManager.h"
#include "KvAppInfoId.h"
#include "KvDataMessage.h"
#include "KvEditingMessageId.h"
#include "KvProjectFile.h"
#include "KvProjectSuffixHelper.h"
#include "KvToast.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <numeric>

namespace {

// A project name as a file name: characters no file system takes become "_".
QString fileNameFor(const QString &name)
{
    static const QRegularExpression forbidden(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    QString base = name.trimmed();
    base.replace(forbidden, QStringLiteral("_"));
    while (base.startsWith(QLatin1Char('.')))
        base.remove(0, 1);
    return base.left(120);
}

QString freePath(const QDir &folder, const QString &base, const QString &dottedSuffix)
{
    QString path = folder.filePath(base + dottedSuffix);
    for (int number = 2; QFileInfo::exists(path); ++number)
        path = folder.filePath(QStringLiteral("%1 (%2)%3").arg(base).arg(number).arg(dottedSuffix));
    return path;
}

} // namespace

bool FTimelineModulePresenter::hasSelectedClips() const
{
    return selectedClipCount() > 0;
}

int FTimelineModulePresenter::selectedClipCount() const
{
    return m_timeline ? m_timeline->selectedClips().size() : 0;
}

bool FTimelineModulePresenter::canBuildCustomProjectTemplate() const
{
    return m_timeline && m_timeline->hasProject() && m_timeline->clipCount() > 0
           && IKvProjectManager::getInstance()->currentProject();
}

bool FTimelineModulePresenter::buildCustomProjectTemplate()
{
    const QString title = tr("Custom Project Template");
    IKvProject *project = IKvProjectManager::getInstance()->currentProject();
    if (!canBuildCustomProjectTemplate() || !project) {
        KV_LOG_INFO("no clips on the timeline; no template built");
        FMessageDialog::alert(m_view, title, tr("Place clips on the timeline before saving it as a template."),
                              QStringLiteral("FTimelineModule_TemplateEmpty"));
        return false;
    }
    const QString folder = IKvAppInfo::getInstance()->getString(KvAppInfoId::ProjectTemplateDir);
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        KV_LOG_ERROR("the project template folder \"%s\" cannot be used", KV_CSTR(folder));
        FMessageDialog::alert(m_view, title,
                              tr("The template folder %1 cannot be created.").arg(QDir::toNativeSeparators(folder)),
                              QStringLiteral("FTimelineModule_TemplateFailed"));
        return false;
    }
    QString base = fileNameFor(project->name());
    if (base.isEmpty())
        base = tr("Custom Template");
    const QString path = freePath(QDir(folder), base, KvProjectSuffixHelper::projectFileDottedSuffix());
    KvProjectData data = project->data();
    data.name = QFileInfo(path).completeBaseName();
    QString error;
    if (!KvProjectFile::write(path, data, &error)) {
        KV_LOG_ERROR("the template could not be written to \"%s\": %s", KV_CSTR(path), KV_CSTR(error));
        FMessageDialog::alert(m_view, title,
                              tr("The template could not be saved to %1.\n%2").arg(QDir::toNativeSeparators(path), error),
                              QStringLiteral("FTimelineModule_TemplateFailed"));
        return false;
    }
    KV_LOG_INFO("custom project template written to \"%s\"", KV_CSTR(path));
    FMessageDialog::information(m_view, title, tr("The template was saved to %1.").arg(QDir::toNativeSeparators(path)),
                                QStringLiteral("FTimelineModule_TemplateSaved"));
    return true;
}

bool FTimelineModulePresenter::canFreezeFrame() const
{
    if (!m_timeline)
        return false;
    const QVector<int> selected = m_timeline->selectedClips();
    if (selected.size() != 1)
        return false;
    const KvTimelineClip clip = m_timeline->clipAt(selected.first());
    const qint64 at = m_timeline->currentPosition();
    return clip.startMs < at && at < clip.endMs();
}

bool FTimelineModulePresenter::selectAll()
{
    if (!m_timeline || m_timeline->clipCount() == 0)
        return false;
    QVector<int> all(m_timeline->clipCount());
    std::iota(all.begin(), all.end(), 0);
    m_timeline->setSelectedClips(all);
    return true;
}

bool FTimelineModulePresenter::copySelection()
{
    if (!m_timeline || m_timeline->selectedClips().isEmpty())
        return false;
    m_clipboard.clear();
    for (int index : m_timeline->selectedClips())
        m_clipboard << m_timeline->clipAt(index);
    return true;
}

bool FTimelineModulePresenter::cutSelection()
{
    return copySelection() && deleteSelection();
}

bool FTimelineModulePresenter::pasteAtPlayhead()
{
    if (!m_timeline || m_clipboard.isEmpty())
        return false;
    const auto earliest = std::min_element(m_clipboard.cbegin(), m_clipboard.cend(),
                                           [](const KvTimelineClip &a, const KvTimelineClip &b) {
                                               return a.startMs < b.startMs;
                                           });
    const qint64 shift = m_timeline->currentPosition() - earliest->startMs;
    QVector<int> pasted;
    for (KvTimelineClip clip : qAsConst(m_clipboard)) {
        clip.startMs += shift;
        const int index = m_timeline->addClip(clip);
        if (index >= 0)
            pasted << index;
    }
    if (!pasted.isEmpty())
        m_timeline->setSelectedClips(pasted);
    return !pasted.isEmpty();
}

bool FTimelineModulePresenter::toggleMute()
{
    if (!m_timeline || m_timeline->selectedClips().isEmpty())
        return false;
    const QVector<int> selected = m_timeline->selectedClips();
    // Mute mutes; a selection that is all silent gets its sound back.
    const bool allSilent = std::all_of(selected.cbegin(), selected.cend(),
                                       [this](int index) { return m_timeline->clipAt(index).volume == 0; });
    bool changed = false;
    for (int index : selected)
        changed = m_timeline->setClipVolume(index, allSilent ? 100 : 0) || changed;
    return changed;
}

bool FTimelineModulePresenter::closeGapBeforeSelection()
{
    if (!m_timeline)
        return false;
    QVector<int> selected = m_timeline->selectedClips();
    // Earliest first: a clip that moves up may close the way for the next.
    std::sort(selected.begin(), selected.end(), [this](int a, int b) {
        return m_timeline->clipAt(a).startMs < m_timeline->clipAt(b).startMs;
    });
    bool changed = false;
    for (int index : qAsConst(selected)) {
        const KvTimelineClip clip = m_timeline->clipAt(index);
        qint64 previousEnd = 0;
        for (int other = 0; other < m_timeline->clipCount(); ++other) {
            const KvTimelineClip before = m_timeline->clipAt(other);
            if (other != index && before.track == clip.track && before.startMs < clip.startMs)
                previousEnd = qMax(previousEnd, before.endMs());
        }
        if (previousEnd < clip.startMs)
            changed = m_timeline->moveClip(index, clip.track, previousEnd) || changed;
    }
    return changed;
}

bool FTimelineModulePresenter::trimEndToPlayhead()
{
    if (!m_timeline)
        return false;
    const qint64 at = m_timeline->currentPosition();
    bool changed = false;
    for (int index : m_timeline->selectedClips()) {
        const KvTimelineClip clip = m_timeline->clipAt(index);
        if (clip.startMs < at && at < clip.endMs())
            changed = m_timeline->setClipRange(index, clip.inMs, clip.inMs + (at - clip.startMs)) || changed;
    }
    return changed;
}

bool FTimelineModulePresenter::runAction(int actionId)
{
    KvActionManager *actions = KvActionManager::instance();
    if (actions->targetOf(actionId) != KvActionTarget::Timeline)
        return false;
    const QString text = actions->getSourceText(actionId);
    KV_LOG_INFO("Timeline: %s (action %d)", KV_CSTR(text), actionId);
    bool done = false;
    switch (actionId) {
    case KvActionId::Undo:
        done = undo();
        break;
    case KvActionId::Redo:
        done = redo();
        break;
    case KvActionId::Cut:
        done = cutSelection();
        break;
    case KvActionId::Copy:
        done = copySelection();
        break;
    case KvActionId::Paste:
        done = pasteAtPlayhead();
        break;
    case KvActionId::Delete:
        done = deleteSelection();
        break;
    case KvActionId::RippleDelete:
        // The timeline has no ripple edit: the clips go, the gap stays.
        done = deleteSelection();
        if (done)
            KV_LOG_INFO("Timeline: the selected clips were deleted; the gap they leave is kept");
        break;
    case KvActionId::SelectAll:
        done = selectAll();
        break;
    case KvActionId::Split:
        done = splitAtPlayhead();
        break;
    case KvActionId::CloseGap:
        done = closeGapBeforeSelection();
        break;
    case KvActionId::Mute:
        done = toggleMute();
        break;
    case KvActionId::TrimEndToPlayhead:
        done = trimEndToPlayhead();
        break;
    default:
        KV_LOG_INFO("Timeline: \"%s\" is an effect of the editing engine; the timeline is left as it is",
                    KV_CSTR(text));
        return true;
    }
    if (!done)
        KV_LOG_INFO("Timeline: %s changed nothing", KV_CSTR(text));
    return true;
}

QVariantList FTimelineModulePresenter::selectionForTool(const QString &tool)
{
    QVariantList clips;
    if (m_timeline) {
        for (int index : m_timeline->selectedClips())
            clips << index;
    }
    if (clips.isEmpty()) {
        KV_LOG_INFO("Timeline: %s asked with no clip selected", KV_CSTR(tool));
        KvToast::show(m_view, tr("Select a clip on the timeline first."), QString());
    }
    return clips;
}

bool FTimelineModulePresenter::askFreezePlacement(KvMessage *message)
{
    if (!canFreezeFrame()) {
        KV_LOG_INFO("Timeline: freeze frame asked without one selected clip under the playhead");
        message->setAnswer(0);
        return true;
    }
    FMessageDialog dialog(m_view);
    dialog.setObjectName(QStringLiteral("FTimelineModule_FreezeAsk"));
    dialog.setTitle(tr("Freeze Frame"));
    dialog.setKind(FMessageDialog::Question);
    dialog.setText(tr("Where should the frozen picture go?"));
    dialog.addButton(tr("In Place"), 1);
    dialog.addButton(tr("On a New Track"), 2);
    const int answer = dialog.DoModal();
    message->setAnswer(answer == 1 || answer == 2 ? answer : 0);
    KV_LOG_INFO("Timeline: freeze frame placement answered %d", message->answer().toInt());
    return true;
}

bool FTimelineModulePresenter::dispatchToolMessage(KvMessage *message)
{
    switch (message->code()) {
    case KvActionManager::kRunActionMessage: {
        const auto *run = dynamic_cast<KvDataMessage *>(message);
        return run && runAction(run->data().toInt());
    }
    case KvEditingMessageId::TimelineCanFreeze:
        message->setAnswer(canFreezeFrame());
        return true;
    case KvEditingMessageId::TimelineFreezeAsk:
        return askFreezePlacement(message);
    case KvEditingMessageId::TimelineFreezeToNew:
        message->setAnswer(freezeFrame(false));
        return true;
    case KvEditingMessageId::TimelineFreezeInPlace:
        message->setAnswer(freezeFrame(true));
        return true;
    case KvEditingMessageId::TimelineSpeechToText: {
        const QVariantList clips = selectionForTool(QStringLiteral("speech to text"));
        if (!clips.isEmpty())
            KV_LOG_INFO("Timeline: speech to text for %d clips", int(clips.size()));
        message->setAnswer(clips);
        return true;
    }
    case KvEditingMessageId::TimelineSilenceDetection: {
        QVariantList clips = selectionForTool(QStringLiteral("silence detection"));
        // Silence detection looks at one clip: the first selected.
        if (clips.size() > 1)
            clips = clips.mid(0, 1);
        if (!clips.isEmpty())
            KV_LOG_INFO("Timeline: silence detection for clip %d", clips.first().toInt());
        message->setAnswer(clips);
        return true;
    }
    default:
        return false;
    }
}
