#include "KvUnmonitoredEventHelper.h"

#include "IKvBaseLog.h"
#include "KvAppStuckMonitoring.h"
#include "KvLazySingleton.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>

namespace {

const int kSuspendEventType = QEvent::registerEventType();
const int kContinueEventType = QEvent::registerEventType();

void sendToApplication(int type)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    if (QThread::currentThread() == app->thread()) {
        QEvent event{QEvent::Type(type)};
        QCoreApplication::sendEvent(app, &event);
    } else {
        QCoreApplication::postEvent(app, new QEvent(QEvent::Type(type)));
    }
}

} // namespace

KvUnmonitoredEventHelper::KvUnmonitoredEventHelper()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        moveToThread(app->thread());
}

KvUnmonitoredEventHelper *KvUnmonitoredEventHelper::instance()
{
    return KvLazySingleton<KvUnmonitoredEventHelper>::instance();
}

int KvUnmonitoredEventHelper::suspendEventType()
{
    return kSuspendEventType;
}

int KvUnmonitoredEventHelper::continueEventType()
{
    return kContinueEventType;
}

void KvUnmonitoredEventHelper::suspendMonitoring()
{
    sendToApplication(kSuspendEventType);
}

void KvUnmonitoredEventHelper::continueMonitoring()
{
    sendToApplication(kContinueEventType);
}

void KvUnmonitoredEventHelper::updateMonitoringState(int eventType)
{
    KvAppStuckMonitoring::setPendingEventType(eventType);
    if (eventType == kSuspendEventType) {
        if (++m_suspensions == 1)
            emit sigSuspendMonitoring();
    } else if (eventType == kContinueEventType) {
        if (m_suspensions == 0) {
            KV_LOG_ERROR("monitoring continued without a suspension");
            return;
        }
        if (--m_suspensions == 0)
            emit sigContinueMonitoring();
    }
}
