#include "FForwardCommand.h"

#include "FCommandLineMap.h"
#include "KvVelloqHelper.h"

const QString FForwardCommand::ServerName = QStringLiteral("NEW_SERVER_KORVANE_COMMUNICATOR_NAME");

FForwardCommand FForwardCommand::forStartArguments(const QMap<QString, QString> &map, const KvVelloqHelper &velloq)
{
    const QString openEntry = map.value(FCommandLineMap::kOpenKey);
    const QString shareEntry = map.value(FCommandLineMap::kShareKey);
    if (!openEntry.isEmpty())
        return {QStringLiteral("CMD_OPEN_PROJECT"), {openEntry}};
    const QVariantMap templateMap = velloq.getPrjTemplateMap();
    if (!templateMap.isEmpty())
        return {QStringLiteral("CMD_ORVALA_DOWNLOAD"),
                {templateMap.value(QStringLiteral("url")).toString(),
                 templateMap.value(QStringLiteral("name")).toString()}};
    if (!shareEntry.isEmpty())
        return {QStringLiteral("CMD_CLOUDDISK_SHAREINFO"), {shareEntry}};
    return {QStringLiteral("CMD_REOPEN_APP"), {QStringLiteral(" ")}};
}
