#pragma once

#include <QByteArray>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>

// A loopback HTTP server for download tests. Every request is answered the
// way `mode` says: "ok" (200 with `body`), "missing" (404), "silent" (never
// answers).
class KvTestHttpServer : public QTcpServer
{
public:
    QString mode = QStringLiteral("ok");
    QByteArray body = QByteArray(300000, 'k');

    KvTestHttpServer()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    if (!socket->readAll().contains("\r\n\r\n") || mode == "silent")
                        return;
                    QByteArray status = mode == "missing" ? "404 Not Found" : "200 OK";
                    const QByteArray payload = mode == "missing" ? QByteArray("nope") : body;
                    socket->write("HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(payload.size())
                                  + "\r\nConnection: close\r\n\r\n" + payload);
                    socket->disconnectFromHost();
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
};
