#include "StartupTimingTracker.h"

#include "KvLazySingleton.h"

StartupTimingTracker *StartupTimingTracker::instance()
{
    return KvLazySingleton<StartupTimingTracker>::instance();
}

void StartupTimingTracker::start(const QString &name)
{
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    QWriteLocker locker(&m_lock);
    m_running.insert(name, timer);
}

void StartupTimingTracker::stop(const QString &name, qint64 userTimeMs)
{
    QWriteLocker locker(&m_lock);
    const auto it = m_running.find(name);
    if (it == m_running.end())
        return;
    m_results.insert(name, it.value()->elapsed() - userTimeMs);
    m_running.erase(it);
}

QString StartupTimingTracker::summary() const
{
    QReadLocker locker(&m_lock);
    QString text = QStringLiteral("{");
    for (auto it = m_results.cbegin(); it != m_results.cend(); ++it)
        text += QLatin1Char('"') + it.key() + QStringLiteral("\":") + QString::number(it.value()) + QLatin1Char(',');
    text += QLatin1Char('}');
    return text;
}

bool StartupTimingTracker::hasResult(const QString &name) const
{
    QReadLocker locker(&m_lock);
    return m_results.contains(name);
}

qint64 StartupTimingTracker::result(const QString &name) const
{
    QReadLocker locker(&m_lock);
    return m_results.value(name, 0);
}

bool StartupTimingTracker::isRunning(const QString &name) const
{
    QReadLocker locker(&m_lock);
    return m_running.contains(name);
}

StartupTimingSection::StartupTimingSection(const QString &name, qint64 userTimeMs)
    : m_name(name)
    , m_userTimeMs(userTimeMs)
{
    StartupTimingTracker::instance()->start(m_name);
}

StartupTimingSection::~StartupTimingSection()
{
    StartupTimingTracker::instance()->stop(m_name, m_userTimeMs);
}
