#pragma once

#include "KvOssCallback.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <memory>

// One object to store: bucket, key and the content as an open, seekable
// device (a QFile), which is read twice (digest, then upload) and never held
// in memory whole.
class KvOssPutObjectRequest
{
public:
    KvOssPutObjectRequest(const QString &bucket, const QString &key, std::shared_ptr<QIODevice> content);

    const QString &bucket() const { return m_bucket; }
    const QString &key() const { return m_key; }
    QIODevice *content() const { return m_content.get(); }

    // The 16 digest bytes of the content when the caller has them (it wrote
    // the file); empty: the client reads the content once more for them.
    void setContentMd5(const QByteArray &md5) { m_contentMd5 = md5; }
    const QByteArray &contentMd5() const { return m_contentMd5; }
    void setContentType(const QByteArray &type) { m_contentType = type; }
    const QByteArray &contentType() const { return m_contentType; }
    void setCallback(const KvOssCallback &callback) { m_callback = callback; }
    const KvOssCallback &callback() const { return m_callback; }
    void setCallbackVariables(const KvOssCallbackVariables &variables) { m_variables = variables; }
    const KvOssCallbackVariables &callbackVariables() const { return m_variables; }

private:
    QString m_bucket;
    QString m_key;
    std::shared_ptr<QIODevice> m_content;
    QByteArray m_contentMd5;
    QByteArray m_contentType = "application/octet-stream";
    KvOssCallback m_callback;
    KvOssCallbackVariables m_variables;
};
