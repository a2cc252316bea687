#include "FForwardCommand.h"

#include "FCommandLineMap.h"
#include "KvCommunicatorCommands.h"
#include "KvVelloqHelper.h"

const QString FForwardCommand::ServerName = QStringLiteral("NEW_SERVER_KORVANE_COMMUNICATOR_NAME");

FForwardCommand FForwardCommand::forStartArguments(const QMap<QString, QString> &map, const KvVelloqHelper &velloq)
{
    const QString openEntry = map.value(FCommandLineMap::kOpenKey);
    const QString shareEntry = map.value(FCommandLineMap::kShareKey);
    if (!openEntry.isEmpty())
        return {QString(KvCommand::OpenProject), {openEntry}};
    const QVariantMap templateMap = velloq.getPrjTemplateMap();
    if (!templateMap.isEmpty())
        return {QString(KvCommand::OrvalaDownload),
                {templateMap.value(QStringLiteral("url")).toString(),
                 templateMap.value(QStringLiteral("name")).toString()}};
    if (!shareEntry.isEmpty())
        return {QString(KvCommand::ClouddiskShareinfo), {shareEntry}};
    return {QString(KvCommand::ReopenApp), {QStringLiteral(" ")}};
}
