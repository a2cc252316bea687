#pragma once

#include <QString>

// Addresses of the stock-media and effect store pages that do not come from
// the web-address service's answers.
class KvStockyardUrlHelper
{
public:
    // The stock-media download page: the page key "StockMediaDownloadPage"
    // of the configured web addresses; empty when none is configured.
    static QString downloadPage();
};
