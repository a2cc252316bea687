#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

class QFile;
class QNetworkAccessManager;
class QNetworkReply;

// The process's network access and a small download client.
//
// GetNetManager() gives the calling thread's QNetworkAccessManager (a manager
// must only be used on the thread that made it): the GUI thread's lives until
// ReleaseManeger(), any other thread's until that thread ends.
//
// A KvNetwork object downloads files over HTTP(S) with its thread's manager;
// each download ends with exactly one sigDownloadFinished.
class KvNetwork : public QObject
{
    Q_OBJECT

public:
    // The first call turns Qt's bearer polling off (see KvNetwork.cpp) unless
    // the environment already sets kBearerPollVariable.
    static QNetworkAccessManager *GetNetManager();
    static constexpr const char *kBearerPollVariable = "QT_BEARER_POLL_TIMEOUT";
    // GUI thread, at shutdown; a later GetNetManager() makes a new one.
    static void ReleaseManeger();
    // True when an interface other than loopback is up with an address.
    static bool IsNetworkDeviceValid();

    explicit KvNetwork(QObject *parent = nullptr);
    ~KvNetwork() override;

    // Starts a GET of `url` into `fileName` (created or truncated). After
    // `timeoutMs` (0: none) sigTimeout is emitted and the download aborted.
    // False, with nothing emitted, when it cannot start.
    bool downloadFile(const QUrl &url, const QString &fileName, int timeoutMs);
    // Aborts every download in progress; each reports failure.
    void cancelAll();
    int pendingCount() const { return m_downloads.size(); }

signals:
    // `finished` is true when the whole body of a 2xx answer is in the file.
    void sigDownloadFinished(bool finished, QString fileName);
    void sigTimeout();

private:
    struct Download;
    void finish(QNetworkReply *reply);

    QList<Download *> m_downloads;
};
