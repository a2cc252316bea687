#include "FCreativeHelperLink.h"

#include "FPageNotices.h"
#include "IKvAppInfo.h"
#include "IKvBaseLog.h"
#include "KvAppInfoId.h"
#include "KvCommunicatorCommands.h"
#include "KvCommunicatorServer.h"
#include "KvConfig.h"
#include "KvEventTrackingProxy.h"
#include "KvTrackEvents.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>

QString FCreativeHelperLink::decorate(const QString &link, const QString &deviceId, const QString &productId,
                                      const QString &productVersion)
{
    if (!link.startsWith(QLatin1String("http")) || link.contains(QLatin1String("did")))
        return link;
    const QString pattern = link.contains(QLatin1Char('?')) ? QStringLiteral("%1&did=%2&pid=%3&pver=%4")
                                                             : QStringLiteral("%1?did=%2&pid=%3&pver=%4");
    return pattern.arg(link, deviceId, productId, productVersion);
}

QString FCreativeHelperLink::helperPath()
{
    return QDir::fromNativeSeparators(QStringLiteral("%1/Orvala.exe").arg(QCoreApplication::applicationDirPath()));
}

bool FCreativeHelperLink::open(const QString &linkUrl, QWidget *parent)
{
    return open(linkUrl, parent, helperPath());
}

bool FCreativeHelperLink::open(const QString &linkUrl, QWidget *parent, const QString &path)
{
    KV_LOG_INFO("linkUrl: %s", KV_CSTR(linkUrl));
    if (!FPageNotices::ensureOnline(parent))
        return false;
    const IKvAppInfo *info = IKvAppInfo::getInstance();
    const QString link = decorate(linkUrl, info->getString(KvAppInfoId::ClientId),
                                  info->getString(KvAppInfoId::ProductId),
                                  info->getString(KvAppInfoId::ProductVersion));
    KvCommunicatorServer *server = KvCommunicatorServer::GetInstance();
    if (!server->IsProcessStarted(path)) {
        server->StartProcess(path, {link}, true, false);
        getEventTrackingProxy()->sendEvent(FEmbedWindowPopupEvent(QStringLiteral("Korvane Orvala")));
    } else {
        server->SendMsgToProcess(KvCommand::OrvalaReopen, {link}, path);
    }
    KvConfig *config = KvConfig::Instance();
    config->SetCreativeHintShowed(true);
    config->SetCreativeUpdated(true);
    config->SetCreativeUpdateTime(QDateTime::currentSecsSinceEpoch());
    config->SetCreativeHintFirstTimeShowed(true);
    return true;
}
