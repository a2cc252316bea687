#include "FForwardingStart.h"

#include "IKvBaseLog.h"
#include "KvCommunicatorClient.h"
#include "KvCommunicatorCommands.h"
#include "KvCommunicatorProtocol.h"

#include <QEventLoop>
#include <QTimer>

#include <memory>

namespace {

// Runs an event loop rather than sleeping, so the socket keeps writing while
// this process waits to end.
void pauseWithEvents(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

bool FForwardingStart::forward(const FForwardCommand &request, const QString &serverName, int budgetMs,
                               std::FILE *err)
{
    auto client = std::make_unique<KvCommunicatorClient>();
    // A failed connect is retried by the send, within the same budget: the
    // running editor may not be listening yet.
    client->ConnectToServer(serverName);
    const int result = client->sendWithRetry(request.command, request.contents, budgetMs);
    if (result == KvCommunicator::SendOk) {
        pauseWithEvents(kPauseMs);
        return true;
    }
    const QString subject = subjectOf(request);
    const QString reason = reasonOf(result);
    KV_LOG_ERROR("%s was not handed to the running editor: %s", KV_CSTR(subject), KV_CSTR(reason));
    if (err) {
        const QByteArray line =
            tr("korvane: %1 could not be handed to the running editor (%2). Please try again.")
                .arg(subject, reason)
                .toLocal8Bit()
            + '\n';
        std::fwrite(line.constData(), 1, size_t(line.size()), err);
        std::fflush(err);
    }
    return false;
}

QString FForwardingStart::subjectOf(const FForwardCommand &request)
{
    const QString first = request.contents.value(0);
    if (request.command == KvCommand::OpenProject)
        return tr("the project \"%1\"").arg(first);
    if (request.command == KvCommand::OrvalaDownload)
        return tr("the template \"%1\" (%2)").arg(request.contents.value(1), first);
    if (request.command == KvCommand::ClouddiskShareinfo)
        return tr("the shared project \"%1\"").arg(first);
    if (request.command == KvCommand::ReopenApp)
        return tr("the request to bring the editor to the front");
    return tr("the request %1").arg(request.command);
}

QString FForwardingStart::reasonOf(int sendResult)
{
    switch (sendResult) {
    case KvCommunicator::SendNotConnected:
        return tr("the editor is not reachable");
    case KvCommunicator::SendRefused:
        return tr("the editor does not take requests now");
    case KvCommunicator::SendTimedOut:
        return tr("the editor did not answer in time");
    case KvCommunicator::SendInvalid:
        return tr("the request is too large");
    default:
        return tr("error %1").arg(sendResult);
    }
}
