#include "KvOpenProjectEvent.h"

bool KvOpenProjectEvent::isAfterLaunch = true;

KvOpenProjectEvent::KvOpenProjectEvent(const QString &path, bool success)
    : m_path(path)
    , m_success(success)
    , m_afterLaunch(isAfterLaunch)
{
}

QString KvOpenProjectEvent::toString() const
{
    return QStringLiteral("open project \"%1\": %2, %3")
        .arg(m_path, m_success ? QStringLiteral("success") : QStringLiteral("failed"),
             m_afterLaunch ? QStringLiteral("after launch") : QStringLiteral("at launch"));
}
