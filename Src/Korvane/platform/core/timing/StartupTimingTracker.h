#pragma once

#include <QElapsedTimer>
#include <QMap>
#include <QReadWriteLock>
#include <QString>

#include <memory>

template <class T>
class KvLazySingleton;

// Named start-up timers shared by every thread. A section's result is its
// elapsed time minus the time the user spent in dialogs meanwhile.
class StartupTimingTracker
{
public:
    static StartupTimingTracker *instance();

    // Starts (or restarts) the timer of `name`.
    void start(const QString &name);
    // Stores elapsed - userTimeMs as the result of `name` and drops its timer;
    // nothing happens when no timer runs under `name`.
    void stop(const QString &name, qint64 userTimeMs = 0);

    // {"A":5,"B":7,} — every result in name order, each followed by a comma.
    QString summary() const;
    bool hasResult(const QString &name) const;
    qint64 result(const QString &name) const;
    bool isRunning(const QString &name) const;

private:
    friend class KvLazySingleton<StartupTimingTracker>;
    StartupTimingTracker() = default;

    mutable QReadWriteLock m_lock;
    QMap<QString, std::shared_ptr<QElapsedTimer>> m_running;
    QMap<QString, qint64> m_results;
};

// Times one scope: starts `name` now and stops it at the end of the scope
// with the user time set meanwhile.
class StartupTimingSection
{
public:
    explicit StartupTimingSection(const QString &name, qint64 userTimeMs = 0);
    ~StartupTimingSection();

    StartupTimingSection(const StartupTimingSection &) = delete;
    StartupTimingSection &operator=(const StartupTimingSection &) = delete;

    void setUserTime(qint64 userTimeMs) { m_userTimeMs = userTimeMs; }

private:
    QString m_name;
    qint64 m_userTimeMs;
};
