#pragma once

#include "KvIPCEvent.h"

#include <QObject>

// One task of the web helper: a page the helper renders in its own window.
// Events the helper sends for the task arrive by sigEvent on the GUI thread,
// in order. The task belongs to the IPC server; close() ends it.
class IKvIPCTask : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual quint32 id() const = 0;
    virtual int kind() const = 0;
    // Time since the task was created.
    virtual qint64 elapsedMs() const = 0;
    // False when the helper is gone.
    virtual bool sendEvent(const KvIPCEvent &event) = 0;
    // Tells the helper to close the page and forgets the task (deleted later).
    virtual void close() = 0;
    // The helper's native window of the page, 0 until it is known or when
    // the helper has none.
    virtual quintptr windowId() const = 0;

signals:
    void sigEvent(const KvIPCEventPtr &event);
};
