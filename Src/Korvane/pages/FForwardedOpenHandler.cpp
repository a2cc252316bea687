#include "FForwardedOpenHandler.h"

#include "FProjectDocProxy.h"
#include "FProjectOpenProblem.h"
#include "IKvBaseLog.h"
#include "IKvProjectManager.h"
#include "KvBoolGuards.h"
#include "KvCommunicatorCommands.h"
#include "KvCommunicatorMsg.h"

#include <QTimer>

FForwardedOpenHandler::FForwardedOpenHandler(Hooks hooks)
    : m_hooks(std::move(hooks))
{
    // Queued: the operation that ends is still on the stack when it says so.
    QObject::connect(FProjectDocProxy::instance(), &FProjectDocProxy::sigOperationEnded, &m_context,
                     [this] { scheduleNext(); }, Qt::QueuedConnection);
}

bool FForwardedOpenHandler::projectServicesBusy()
{
    return (IKvProjectManager::hasInstance() && IKvProjectManager::getInstance()->isBusy())
        || FProjectDocProxy::instance()->isBusy();
}

bool FForwardedOpenHandler::busy() const
{
    return m_inProgress || (m_hooks.isBusy ? m_hooks.isBusy() : projectServicesBusy());
}

int FForwardedOpenHandler::handle(const QString &message)
{
    if (!message.contains(KvCommand::OpenProject))
        return 0;
    QStringList arguments;
    for (const KvCommunicatorMsg &msg : KvCommunicatorMsg::buildListFromString(message)) {
        if (msg.contains(KvCommand::OpenProject))
            arguments << msg.firstContent();
    }
    if (!busy())
        return openNow(arguments);
    for (const QString &argument : arguments)
        queue(argument);
    return 0;
}

void FForwardedOpenHandler::queue(const QString &path)
{
    KV_LOG_INFO("open of \"%s\" waits for the running project operation", KV_CSTR(path));
    m_waiting << path;
    scheduleNext();
}

int FForwardedOpenHandler::openNow(const QStringList &arguments)
{
    int opened = 0;
    {
        KvBoolGuards guard(m_inProgress);
        if (m_hooks.mayOpen && !m_hooks.mayOpen()) {
            KV_LOG_INFO("forwarded open refused: the page cannot open a project now");
            return 0;
        }
        for (const QString &argument : arguments) {
            KV_LOG_INFO("forwarded open: %s", KV_CSTR(argument));
            // A second start forwards its whole argument, key included.
            const QString path = FProjectDocProxy::projectPathFromArgument(argument);
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
    }
    // Forwards that came in meanwhile.
    scheduleNext();
    return opened;
}

void FForwardedOpenHandler::scheduleNext()
{
    if (m_waiting.isEmpty() || m_nextScheduled)
        return;
    m_nextScheduled = true;
    QTimer::singleShot(0, &m_context, [this] { openNext(); });
}

void FForwardedOpenHandler::openNext()
{
    m_nextScheduled = false;
    if (m_waiting.isEmpty())
        return;
    if (busy()) {
        // The end of the running operation normally wakes us; a busy spell
        // that ends without one (a page change, a nested loop unwinding)
        // must not strand the waiting projects, so look again shortly.
        // Only while something waits: an idle editor arms nothing.
        m_nextScheduled = true;
        QTimer::singleShot(kRetryMs, &m_context, [this] { openNext(); });
        return;
    }
    const QString argument = m_waiting.takeFirst();
    KV_LOG_INFO("opening \"%s\", which waited", KV_CSTR(argument));
    openNow({argument});
}
