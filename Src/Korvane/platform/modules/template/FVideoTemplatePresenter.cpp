#include "FVideoTemplatePresenter.h"

#include "FProjectDocProxy.h"
#include "FTemplateUseMessage.h"
#include "IKvBaseLog.h"
#include "IKvProjectManager.h"
#include "KvProjectAspectRatioType.h"
#include "KvUndoRedoService.h"

namespace {

constexpr int kFirstAspect = KvProjectAspectRatio_16_9;
constexpr int kLastAspect = KvProjectAspectRatio_3_4;

// Settings are applied to whichever project is current when an undo runs;
// the history is cleared whenever that changes.
void applySettings(const KvProjectSettings &settings)
{
    if (IKvProject *project = IKvProjectManager::getInstance()->currentProject())
        project->setSettings(settings);
}

} // namespace

FVideoTemplatePresenter::FVideoTemplatePresenter(KvUndoRedoService *undoRedo, QObject *parent)
    : KvPresenter(parent)
    , m_undoRedo(undoRedo)
{
    FProjectDocProxy *docs = FProjectDocProxy::instance();
    connect(docs, &FProjectDocProxy::sigCurrentProjectChanged, this, &FVideoTemplatePresenter::sigProjectChanged);
    connect(docs, &FProjectDocProxy::sigProjectModifiedChanged, this, &FVideoTemplatePresenter::sigProjectChanged);
    if (undoRedo)
        connect(undoRedo, &KvUndoRedoService::sigChanged, this, &FVideoTemplatePresenter::sigProjectChanged);
}

IKvProject *FVideoTemplatePresenter::project() const
{
    return IKvProjectManager::getInstance()->currentProject();
}

bool FVideoTemplatePresenter::setAspect(int aspect)
{
    IKvProject *current = project();
    KvProjectSettings wanted;
    if (!current || !KvProjectAspectRatio::settingsFor(aspect, &wanted)) {
        KV_LOG_ERROR("frame shape %d not applied: %s", aspect, current ? "unknown kind" : "no project");
        return false;
    }
    const KvProjectSettings before = current->settings();
    wanted.frameRate = before.frameRate;
    if (wanted == before)
        return true;
    if (!m_undoRedo) {
        applySettings(wanted);
    } else {
        m_undoRedo->push(tr("Frame Shape"), [before]() { applySettings(before); },
                         [wanted]() { applySettings(wanted); });
    }
    emit sigProjectChanged();
    return true;
}

int FVideoTemplatePresenter::aspect() const
{
    const IKvProject *current = project();
    if (!current)
        return 0;
    const KvProjectSettings settings = current->settings();
    for (int aspect = kFirstAspect; aspect <= kLastAspect; ++aspect) {
        KvProjectSettings candidate;
        if (KvProjectAspectRatio::settingsFor(aspect, &candidate) && candidate.width == settings.width
            && candidate.height == settings.height)
            return aspect;
    }
    return 0;
}

bool FVideoTemplatePresenter::backHomepage()
{
    return FProjectDocProxy::instance()->exit();
}

bool FVideoTemplatePresenter::prepareExitForUpgrade()
{
    return FProjectDocProxy::instance()->exit();
}

bool FVideoTemplatePresenter::dispatchMessage(KvMessage *message)
{
    if (!message || message->code() != KvMessageId::TemplateUse)
        return false;
    const auto *use = dynamic_cast<FTemplateUseMessage *>(message);
    if (!use) {
        KV_LOG_ERROR("message %d is not a template request; ignored", message->code());
        return false;
    }
    if (use->templatePath().isEmpty()) {
        KV_LOG_ERROR("template request without a template file");
        message->setAnswer(false);
        return true;
    }
    const bool ok = FProjectDocProxy::instance()->openProjectTemplate(use->templatePath(), use->projectName());
    KV_LOG_INFO("use template \"%s\" as \"%s\": %d", KV_CSTR(use->templatePath()), KV_CSTR(use->projectName()),
                int(ok));
    message->setAnswer(ok);
    emit sigProjectChanged();
    return true;
}
