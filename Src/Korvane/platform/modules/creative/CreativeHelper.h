#pragma once

#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <memory>

class QFile;
class QTimer;

// Fetches a project template that the creative-content helper offers, into
// the template download folder under the template's name. The body goes to
// "<file>.part" and is renamed only when complete, so a failed or stalled
// transfer never leaves something that looks like a template. A link to a
// file on this machine needs no transfer: that file is the result.
//
// One download at a time per helper; DownloadFinished() ends each one,
// downloadedFile() then tells the file (empty on failure). GUI thread only.
class CreativeHelper : public QObject
{
    Q_OBJECT

public:
    explicit CreativeHelper(QObject *parent = nullptr);
    ~CreativeHelper() override;

    void download(const QUrl &url, const QString &name);
    QString downloadedFile() const { return m_downloadedFile; }
    // Ends the running download as failed (DownloadFinished() follows).
    void cancel();
    bool isRunning() const { return m_reply != nullptr; }

    // Where templates are downloaded: the set folder, else the template
    // folder of the application information, else the application data.
    static QString downloadFolder();
    static void setDownloadFolder(const QString &folder);
    // A transfer that receives nothing for this long is given up.
    static void setStallTimeout(int milliseconds);
    static int stallTimeout();

    // "<folder>/<name><suffix of the link's file>", with characters a file
    // name cannot hold replaced; empty when `name` leaves nothing usable.
    static QString targetPath(const QString &folder, const QUrl &url, const QString &name);

signals:
    void sigProgress(qint64 received, qint64 total);
    void DownloadFinished();

private:
    void onReadyRead();
    void onFinished();
    void fail(const QString &why);
    void finishLater();

    QPointer<QNetworkReply> m_reply;
    std::unique_ptr<QFile> m_part;
    QTimer *m_stallTimer = nullptr;
    QString m_target;
    QString m_downloadedFile;
    bool m_writeFailed = false;
    bool m_stalled = false;
};
