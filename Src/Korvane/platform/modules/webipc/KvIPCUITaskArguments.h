#pragma once

#include <QSize>
#include <QString>

// What a page task (kind 1) opens: the page's size and its start address.
class KvIPCUITaskArguments
{
public:
    explicit KvIPCUITaskArguments(const QSize &size = QSize())
        : m_size(size)
    {
    }

    QSize size() const { return m_size; }
    QString startUrl() const { return m_startUrl; }
    void setStartUrl(const QString &url) { m_startUrl = url; }

private:
    QSize m_size;
    QString m_startUrl;
};
