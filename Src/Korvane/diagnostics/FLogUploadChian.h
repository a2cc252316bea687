#pragma once

#include "FBaseLogChain.h"

#include <QJsonArray>

class KvOssClient;

// Step 4: zips the recent logs, uploads the archive to the storage bucket
// with the temporary credentials and reports each upload to the web service.
class FLogUploadChian : public FBaseLogChain
{
    Q_OBJECT

public:
    explicit FLogUploadChian(FLogRetrieval *owner);
    ~FLogUploadChian() override;
    void ChianRequest() override;

private:
    // True when the file was stored.
    // `md5`: the file's digest when known, else it is computed.
    bool uploadFile(const KvOssClient &client, const QString &path, const QByteArray &md5);
    void logDataReport();
    void endFlashback();

    QJsonArray m_files;
};
