#pragma once

#include <QByteArray>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QTcpSocket>

// The loopback web service and storage bucket of tests/common/kv_storage_server.py
// (see its header for the addresses, the checks and the scriptable faults),
// run as a child process for as long as this object lives.
class KvTestStorageServer
{
public:
    KvTestStorageServer()
    {
        // The system's interpreter when there is one: version-manager shims
        // cost a second per start.
        const QString system = QStringLiteral("/usr/bin/python3");
        m_process.setProgram(QFileInfo(system).isExecutable() ? system : QStringLiteral("python3"));
        m_process.setArguments({QStringLiteral(KORVANE_SOURCE_DIR "/tests/common/kv_storage_server.py")});
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        if (m_process.waitForStarted(5000) && m_process.waitForReadyRead(10000)) {
            const QByteArray line = m_process.readLine().trimmed();
            if (line.startsWith("PORT "))
                m_port = line.mid(5).toInt();
        }
    }
    ~KvTestStorageServer()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    bool isRunning() const { return m_port > 0; }
    int port() const { return m_port; }
    QString address(const QString &path = QString()) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path);
    }

    // Merges `settings` into the server's ("faults", "whitelisted", ...).
    bool control(const QJsonObject &settings) { return !request("POST", "/control", toJson(settings)).isNull(); }
    bool reset() { return !request("POST", "/reset", "{}").isNull(); }
    // What the server recorded: "requests", "tokens", "uploads", "callbacks",
    // "reports", "rejections".
    QJsonObject state() { return QJsonDocument::fromJson(request("GET", "/state", QByteArray())).object(); }

    // The body of the answer; a null array when there was none.
    QByteArray request(const QByteArray &verb, const QByteArray &path, const QByteArray &body)
    {
        QTcpSocket socket;
        socket.connectToHost(QStringLiteral("127.0.0.1"), quint16(m_port));
        if (!socket.waitForConnected(3000))
            return QByteArray();
        socket.write(verb + ' ' + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\nContent-Length: "
                     + QByteArray::number(body.size()) + "\r\n\r\n" + body);
        QByteArray answer;
        while (socket.state() == QAbstractSocket::ConnectedState && socket.waitForReadyRead(3000))
            answer += socket.readAll();
        answer += socket.readAll();
        const int split = answer.indexOf("\r\n\r\n");
        return split < 0 ? QByteArray() : answer.mid(split + 4);
    }

private:
    static QByteArray toJson(const QJsonObject &object) { return QJsonDocument(object).toJson(QJsonDocument::Compact); }

    QProcess m_process;
    int m_port = 0;
};
