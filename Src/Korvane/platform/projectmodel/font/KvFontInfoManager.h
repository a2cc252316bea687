#pragma once

#include <QMutex>
#include <QStringList>

// The font families the text tools offer: the font files the environment
// found, by file name. Built once on first use.
class KvFontInfoManager
{
public:
    static KvFontInfoManager *instance();
    QStringList fontNames() const;

private:
    KvFontInfoManager();
    mutable QMutex m_mutex;
    QStringList m_names;
};
