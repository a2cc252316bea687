#include "KvOssPutObjectRequest.h"

KvOssPutObjectRequest::KvOssPutObjectRequest(const QString &bucket, const QString &key,
                                             std::shared_ptr<QIODevice> content)
    : m_bucket(bucket)
    , m_key(key)
    , m_content(std::move(content))
{
}
