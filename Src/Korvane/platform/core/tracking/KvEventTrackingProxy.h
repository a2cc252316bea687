#pragma once

#include <QMutex>
#include <QObject>
#include <QStringList>

class KvTrackEvent;

// The editor's end of event tracking. The tracker process is not started on
// this platform; events are appended as JSON lines to "tracking.jsonl" in the
// log folder, so they can be inspected, and commands for the tracker are
// recorded there as well.
class KvEventTrackingProxy : public QObject
{
    Q_OBJECT

public:
    // `server` is the communicator server the tracker would talk to, `path`
    // the tracker executable.
    void init(QObject *server, const QString &path);
    bool isInitialized() const;

    void sendEvent(const KvTrackEvent &event);
    void command(const QString &command, const QStringList &contents);
    // The tracker process's own command channel; same record as command().
    void sendMsgToProcess(const QString &command, const QStringList &contents) { this->command(command, contents); }
    void release();

    QString eventFile() const;

private:
    void append(const QByteArray &line);

    mutable QMutex m_mutex;
    bool m_initialized = false;
    QString m_path;
};

KvEventTrackingProxy *getEventTrackingProxy();
