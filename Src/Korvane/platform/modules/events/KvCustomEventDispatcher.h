#pragma once

#include <QString>
#include <QVariantList>

#include <functional>

class QObject;

// Named custom events for objects that live on other threads. dispatch()
// posts an event to the target, so the handler runs on the target's thread,
// in order with the target's other events; an event filter installed on the
// target picks it up. A target's handlers are forgotten when it is destroyed.
// Every function may be called from any thread.
class KvCustomEventDispatcher
{
public:
    using Handler = std::function<void(const QVariantList &)>;

    // A second handler under the same name replaces the first.
    static void registerListener(QObject *target, const QString &eventName, Handler handler);
    // False (logged) when the target has no handler of that name.
    static bool dispatch(const QString &eventName, QObject *target, const QVariantList &args = {});
};
