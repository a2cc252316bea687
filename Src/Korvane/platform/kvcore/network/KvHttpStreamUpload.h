#pragma once

#include "KvHttpClient.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QUrl>

class QIODevice;

// Sends one request with a large body read from a device, straight from the
// calling thread's socket: the body is read in blocks as the socket drains,
// never held whole and never handed between threads, so a 100 MB file goes
// out about as fast as the connection takes it. Blocking like KvHttpClient
// (the same limits, and QThread::exit() cancels); no redirect is followed
// and no proxy is used. For worker threads only.
class KvHttpStreamUpload
{
public:
    using HeaderList = QList<QPair<QByteArray, QByteArray>>;

    // `headers` go out as given, after Host and Content-Length (the device's
    // bytes from its position on).
    static KvHttpResponse send(const QByteArray &verb, const QUrl &url, const HeaderList &headers, QIODevice *body,
                               int timeoutMs, int idleTimeoutMs);
};
