#include "KvStockyardUrlHelper.h"

#include "KvConfig.h"

QString KvStockyardUrlHelper::downloadPage()
{
    return KvConfig::Instance()->GetCBSUrl(QStringLiteral("StockMediaDownloadPage"));
}
