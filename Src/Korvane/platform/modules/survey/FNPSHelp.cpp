#include "FNPSHelp.h"

#include "IKvAppInfo.h"
#include "IKvBaseLog.h"
#include "KvAppInfoId.h"
#include "KvCommunicatorCommands.h"
#include "KvCommunicatorMsg.h"
#include "KvCommunicatorServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>
#include <QWidget>

namespace {
// While the survey is open: how often to notice a window that died without a word.
constexpr int kAliveCheckMs = 500;
} // namespace

FNPSHelp::FNPSHelp(QObject *parent)
    : QObject(parent)
    , m_program(defaultProgram())
{
}

QString FNPSHelp::defaultProgram()
{
    return QDir::fromNativeSeparators(QStringLiteral("%1/Veskel.exe").arg(QCoreApplication::applicationDirPath()));
}

void FNPSHelp::doNPS(QWidget *parent)
{
    ++m_surveyCount;
    m_lastScore = -1;
    const QFileInfo program(m_program);
    if (!program.isFile() || !program.isExecutable()) {
        KV_LOG_INFO("survey over %s: no survey window on this installation, nothing shown",
                    parent ? KV_CSTR(parent->objectName()) : "no window");
        return;
    }
    KvCommunicatorServer *server = KvCommunicatorServer::GetInstance();
    if (!server->IsProcessStarted(m_program) && !server->StartProcess(m_program, {}, true, true))
        return;

    QEventLoop loop;
    const QMetaObject::Connection received =
        connect(server, &KvCommunicatorServer::sigReceveMsgFrom, &loop, [this, &loop](const QString &text) {
            if (!text.contains(KvCommand::NpsengineActived) && !text.contains(KvCommand::NpsengineLoaded)
                && !text.contains(KvCommand::NpsengineClose))
                return;
            for (const KvCommunicatorMsg &message : KvCommunicatorMsg::buildListFromString(text)) {
                if (message.contains(KvCommand::NpsengineActived)) {
                    KV_LOG_INFO("survey window active");
                } else if (message.contains(KvCommand::NpsengineLoaded)) {
                    KV_LOG_INFO("survey loaded");
                } else if (message.contains(KvCommand::NpsengineClose)) {
                    bool ok = false;
                    const int score = message.firstContent().toInt(&ok);
                    m_lastScore = ok ? score : -1;
                    KV_LOG_INFO("survey closed: %d", m_lastScore);
                    loop.quit();
                }
            }
        });
    QTimer alive;
    connect(&alive, &QTimer::timeout, &loop, [this, server, &loop] {
        if (!server->IsProcessStarted(m_program)) {
            KV_LOG_INFO("survey window ended without an answer");
            loop.quit();
        }
    });
    alive.start(kAliveCheckMs);

    const IKvAppInfo *info = IKvAppInfo::getInstance();
    server->SendMsgToProcess(KvCommand::NpsengineActive,
                             {info->getString(KvAppInfoId::ProductVersion), QLocale().name(),
                              info->getString(KvAppInfoId::ClientId)},
                             m_program);
    loop.exec();
    disconnect(received);
}
