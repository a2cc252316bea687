#include "FForwardedOpenHandler.h"

#include "FProjectDocProxy.h"
#include "FProjectOpenProblem.h"
#include "IKvBaseLog.h"
#include "KvBoolGuards.h"
#include "KvCommunicatorCommands.h"
#include "KvCommunicatorMsg.h"

FForwardedOpenHandler::FForwardedOpenHandler(Hooks hooks)
    : m_hooks(std::move(hooks))
{
}

int FForwardedOpenHandler::handle(const QString &message)
{
    if (!message.contains(KvCommand::OpenProject))
        return 0;
    if (m_inProgress) {
        KV_LOG_INFO("forwarded open ignored: another one is in progress");
        return 0;
    }
    KvBoolGuards guard(m_inProgress);
    if (m_hooks.mayOpen && !m_hooks.mayOpen())
        return 0;
    int opened = 0;
    for (const KvCommunicatorMsg &msg : KvCommunicatorMsg::buildListFromString(message)) {
        if (!msg.contains(KvCommand::OpenProject))
            continue;
        KV_LOG_INFO("forwarded open: %s", KV_CSTR(msg.firstContent()));
        // A second start forwards its whole argument, key included.
        const QString path = FProjectDocProxy::projectPathFromArgument(msg.firstContent());
        const FProjectOpenProblem problem = FProjectOpenProblem::probe(path);
        if (problem.isProblem()) {
            if (m_hooks.reportProblem)
                m_hooks.reportProblem(problem);
            else
                KV_LOG_ERROR("forwarded project: %s", KV_CSTR(problem.logText()));
            break;
        }
        if (m_hooks.raiseEditor)
            m_hooks.raiseEditor();
        KV_LOG_INFO("openProject");
        if (m_hooks.openProject)
            m_hooks.openProject(path);
        ++opened;
    }
    return opened;
}
