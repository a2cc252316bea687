#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

// A loopback HTTP server for download tests. Every request is answered the
// way `mode` says: "ok" (200 with `body`, as is any other mode), "missing" (404), "error" (500),
// "silent" (never answers), "stall" (200 announcing the whole `body`, then
// only its first half, and the connection held open), "redirect" (302 to
// `redirectTo`, except for a request of `redirectTo`'s own path, which is
// answered as "ok"). The request paths are recorded in `requests`.
class KvTestHttpServer : public QTcpServer
{
public:
    QString mode = QStringLiteral("ok");
    QByteArray body = QByteArray(300000, 'k');
    QByteArray redirectTo;
    QStringList requests;

    KvTestHttpServer()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    const QByteArray request = socket->readAll();
                    if (!request.contains("\r\n\r\n"))
                        return;
                    requests << QString::fromLatin1(request.split(' ').value(1));
                    if (mode == "silent")
                        return;
                    if (mode == "stall") {
                        socket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size())
                                      + "\r\n\r\n" + body.left(body.size() / 2));
                        return;
                    }
                    if (mode == "redirect" && request.split(' ').value(1) != QUrl(QString::fromLatin1(redirectTo)).path().toLatin1()) {
                        socket->write("HTTP/1.1 302 Found\r\nLocation: " + redirectTo
                                      + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
                        socket->disconnectFromHost();
                        return;
                    }
                    const QByteArray status = mode == "missing" ? "404 Not Found"
                                              : mode == "error" ? "500 Internal Server Error"
                                                                : "200 OK";
                    const QByteArray payload = mode == "missing" || mode == "error" ? QByteArray("nope") : body;
                    socket->write("HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(payload.size())
                                  + "\r\nConnection: close\r\n\r\n" + payload);
                    socket->disconnectFromHost();
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    QString address() const { return QStringLiteral("http://127.0.0.1:%1").arg(serverPort()); }
};
