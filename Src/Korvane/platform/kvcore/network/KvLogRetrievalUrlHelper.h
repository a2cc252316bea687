#pragma once

#include <QString>

// The maker's web addresses for log retrieval, from the [CBSUrl] section of
// CBSUrls.ini (KvConfig::GetCBSUrl), one key each:
//   LogRetrievalToken           access token (POST)
//   LogRetrievalWhitelistCheck  is this client on the retrieval whitelist (GET)
//   LogRetrievalWhitelistAdd    put it on the whitelist (POST)
//   LogRetrievalUploadToken     temporary storage credentials (GET)
//   LogRetrievalReport          report of an uploaded archive (POST)
// Each answers the full address, or an empty string when the key is absent,
// empty or not an absolute http(s) address.
class KvLogRetrievalUrlHelper
{
public:
    static QString getUserLoginTokenUrl();
    static QString getWhilteListCheckUrl();
    static QString getWhilteListAddUrl();
    static QString getUploadFileTokenUrl();
    static QString getLogDataReportUrl();

    // The key behind each address, for log lines.
    static constexpr const char *kTokenKey = "LogRetrievalToken";
    static constexpr const char *kWhitelistCheckKey = "LogRetrievalWhitelistCheck";
    static constexpr const char *kWhitelistAddKey = "LogRetrievalWhitelistAdd";
    static constexpr const char *kUploadTokenKey = "LogRetrievalUploadToken";
    static constexpr const char *kReportKey = "LogRetrievalReport";
};
