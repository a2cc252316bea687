#include "KvEventTrackingProxy.h"

#include "IKvBaseLog.h"
#include "KvCommunicatorServer.h"
#include "KvLazySingleton.h"
#include "KvPaths.h"
#include "KvTrackEvent.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

KvEventTrackingProxy *getEventTrackingProxy()
{
    return KvLazySingleton<KvEventTrackingProxy>::instance();
}

void KvEventTrackingProxy::init(KvCommunicatorServer *server, const QString &path)
{
    {
        QMutexLocker locker(&m_mutex);
        m_initialized = server != nullptr;
        m_path = path;
        m_server = server;
    }
    KV_LOG_INFO("event tracking: tracker %s, server %s", KV_CSTR(path), server ? "set" : "missing");
    if (!server || server->IsProcessStarted(path))
        return;
    const QFileInfo tracker(path);
    if (!tracker.isFile() || !tracker.isExecutable()) {
        KV_LOG_INFO("event tracker %s is not there; tracker commands are only recorded", KV_CSTR(path));
        return;
    }
    // It outlives the server: the exit request at shutdown ends it.
    server->StartProcess(path, {}, true, false);
}

bool KvEventTrackingProxy::isTrackerRunning() const
{
    QMutexLocker locker(&m_mutex);
    return m_server && m_server->IsProcessStarted(m_path);
}

bool KvEventTrackingProxy::isInitialized() const
{
    QMutexLocker locker(&m_mutex);
    return m_initialized;
}

QString KvEventTrackingProxy::eventFile() const
{
    return KvPaths::logDir() + QStringLiteral("/tracking.jsonl");
}

void KvTrackEvent::sendEvent() const
{
    getEventTrackingProxy()->sendEvent(*this);
}

void KvEventTrackingProxy::sendEvent(const KvTrackEvent &event)
{
    QJsonObject object;
    object.insert(QStringLiteral("time"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    object.insert(QStringLiteral("event"), event.name());
    object.insert(QStringLiteral("fields"), QJsonObject::fromVariantMap(event.fields()));
    append(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

void KvEventTrackingProxy::command(const QString &command, const QStringList &contents)
{
    KV_LOG_INFO("tracker command %s", KV_CSTR(command));
    QJsonObject object;
    object.insert(QStringLiteral("time"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    object.insert(QStringLiteral("command"), command);
    object.insert(QStringLiteral("contents"), QJsonValue::fromVariant(contents));
    append(QJsonDocument(object).toJson(QJsonDocument::Compact));
    QCoreApplication *application = QCoreApplication::instance();
    if (!application)
        return;
    if (QThread::currentThread() == application->thread())
        sendToTracker(command, contents);
    else
        QMetaObject::invokeMethod(
            application,
            [self = QPointer<KvEventTrackingProxy>(this), command, contents] {
                if (self)
                    self->sendToTracker(command, contents);
            },
            Qt::QueuedConnection);
}

void KvEventTrackingProxy::sendToTracker(const QString &command, const QStringList &contents)
{
    QString path;
    KvCommunicatorServer *server = nullptr;
    {
        QMutexLocker locker(&m_mutex);
        path = m_path;
        server = m_server;
    }
    if (!server || !server->IsProcessStarted(path)) {
        KV_LOG_INFO("tracker command %s dropped: the tracker is not running", KV_CSTR(command));
        return;
    }
    server->SendMsgToProcess(command, contents, path);
}

void KvEventTrackingProxy::release()
{
    QMutexLocker locker(&m_mutex);
    m_initialized = false;
}

void KvEventTrackingProxy::append(const QByteArray &line)
{
    QMutexLocker locker(&m_mutex);
    QDir().mkpath(QFileInfo(eventFile()).absolutePath());
    QFile file(eventFile());
    if (!file.open(QIODevice::Append | QIODevice::WriteOnly)) {
        KV_LOG_ERROR("cannot write %s", KV_CSTR(eventFile()));
        return;
    }
    file.write(line + '\n');
}
