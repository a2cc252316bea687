#include "KvCustomEventDispatcher.h"

#include "KvLazySingleton.h"

#include "IKvBaseLog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QMutex>
#include <QObject>
#include <QThread>

namespace {

QEvent::Type eventType()
{
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

class NamedEvent : public QEvent
{
public:
    NamedEvent(const QString &name, const QVariantList &args)
        : QEvent(eventType())
        , name(name)
        , args(args)
    {
    }
    const QString name;
    const QVariantList args;
};

struct Registry
{
    QMutex mutex;
    QHash<QObject *, QHash<QString, KvCustomEventDispatcher::Handler>> handlers;
};

Registry &registry()
{
    // Released with the other singletons at shutdown; a target that posts
    // after that finds an empty registry and its event is dropped.
    return *KvLazySingleton<Registry>::instance();
}

// Lives as a child of its target, so it follows the target to other threads
// (moveToThread) and is deleted with it.
class EventFilter : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != eventType())
            return false;
        const auto *named = static_cast<NamedEvent *>(event);
        KvCustomEventDispatcher::Handler handler;
        {
            Registry &reg = registry();
            QMutexLocker locker(&reg.mutex);
            handler = reg.handlers.value(watched).value(named->name);
        }
        if (handler)
            handler(named->args);
        else
            KV_LOG_ERROR("custom event \"%s\": its handler is gone", KV_CSTR(named->name));
        return true;
    }
};

void installFilter(QObject *target)
{
    auto *filter = new EventFilter(target);
    target->installEventFilter(filter);
}

} // namespace

void KvCustomEventDispatcher::registerListener(QObject *target, const QString &eventName, Handler handler)
{
    if (!target || eventName.isEmpty() || !handler) {
        KV_LOG_ERROR("custom event \"%s\": listener without %s", KV_CSTR(eventName),
                     !target ? "target" : (eventName.isEmpty() ? "name" : "handler"));
        return;
    }
    bool firstForTarget = false;
    {
        Registry &reg = registry();
        QMutexLocker locker(&reg.mutex);
        firstForTarget = !reg.handlers.contains(target);
        reg.handlers[target].insert(eventName, std::move(handler));
    }
    if (!firstForTarget)
        return;
    QObject::connect(target, &QObject::destroyed, [](QObject *gone) {
        // A target that dies after shutdown released the registry has
        // nothing left to unregister; do not make a new registry for it.
        if (!KvLazySingleton<Registry>::exists())
            return;
        Registry &reg = registry();
        QMutexLocker locker(&reg.mutex);
        reg.handlers.remove(gone);
    });
    // The filter must be made on the target's thread; events posted before
    // it is installed queue up behind this call and still find it.
    if (target->thread() == QThread::currentThread())
        installFilter(target);
    else
        QMetaObject::invokeMethod(target, [target] { installFilter(target); }, Qt::QueuedConnection);
}

bool KvCustomEventDispatcher::dispatch(const QString &eventName, QObject *target, const QVariantList &args)
{
    if (!target) {
        KV_LOG_ERROR("custom event \"%s\": no target", KV_CSTR(eventName));
        return false;
    }
    {
        Registry &reg = registry();
        QMutexLocker locker(&reg.mutex);
        if (!reg.handlers.value(target).contains(eventName)) {
            KV_LOG_ERROR("custom event \"%s\": no listener on the target", KV_CSTR(eventName));
            return false;
        }
    }
    QCoreApplication::postEvent(target, new NamedEvent(eventName, args));
    return true;
}
