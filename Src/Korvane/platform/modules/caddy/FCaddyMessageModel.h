#pragma once

#include <QObject>
#include <QVariantList>

template <class T>
class KvLazySingleton;

// The messages of the title bar's message caddy (news, offers, notices from
// the maker's message service). The service is not reachable from this
// platform, so every load logs and finds no messages; the load is still
// asynchronous, finishing on the next event-loop turn, as the real one does.
// GUI thread only.
class FCaddyMessageModel : public QObject
{
    Q_OBJECT

public:
    static FCaddyMessageModel *instance();
    static void releaseInstance();

    // Starts the first load; later calls only log.
    void init(bool loggedIn);
    bool isInitialized() const { return m_initialized; }
    bool isInitLoadFinished() const { return m_initLoadFinished; }
    // Loads the messages again; ignored before the first load has finished.
    void updateMessages();

    QVariantList messages() const { return m_messages; }

signals:
    void sigInitFinished();
    void sigUpdateFinished();

private:
    friend class KvLazySingleton<FCaddyMessageModel>;
    FCaddyMessageModel() = default;

    void load(bool first);

    bool m_initialized = false;
    bool m_initLoadFinished = false;
    bool m_loggedIn = false;
    QVariantList m_messages;
};
