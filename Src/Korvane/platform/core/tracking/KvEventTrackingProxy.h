#pragma once

#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QStringList>

class KvTrackEvent;

class KvCommunicatorServer;

// The editor's end of event tracking. Events are appended as JSON lines to
// "tracking.jsonl" in the log folder, so they can be inspected. Commands go
// to the tracker process, which init() starts through the communicator server
// (it keeps running past the server and ends on GACMD_EXIT_REQUEST or when
// its channel is lost); they are recorded in the same file. A command while
// the tracker does not run is dropped with an information line. Any thread:
// commands are sent from the GUI thread, in the order they were given.
class KvEventTrackingProxy : public QObject
{
    Q_OBJECT

public:
    // `server` is the communicator server the tracker talks to, `path` the
    // tracker executable. GUI thread.
    void init(KvCommunicatorServer *server, const QString &path);
    bool isInitialized() const;
    bool isTrackerRunning() const;

    void sendEvent(const KvTrackEvent &event);
    void command(const QString &command, const QStringList &contents);
    // The tracker process's own command channel; same record as command().
    void sendMsgToProcess(const QString &command, const QStringList &contents) { this->command(command, contents); }
    void release();

    QString eventFile() const;

private:
    void append(const QByteArray &line);
    void sendToTracker(const QString &command, const QStringList &contents);

    mutable QMutex m_mutex;
    bool m_initialized = false;
    QString m_path;
    QPointer<KvCommunicatorServer> m_server;
};

KvEventTrackingProxy *getEventTrackingProxy();
