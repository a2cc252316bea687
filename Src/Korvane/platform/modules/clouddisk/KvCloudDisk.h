#pragma once

#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class KvCloudDiskView;
class KvCloudDiskViewPresenter;

// The cloud storage service. The maker's storage back end is not reachable
// from this platform: the service keeps its configuration and the user it
// was told about, reports that no storage is available, and its view says so.
// configure() and the queries of the configuration may run on any thread;
// the view and its presenter belong to the GUI thread.
class KvCloudDisk : public QObject
{
    Q_OBJECT

public:
    KvCloudDisk();
    ~KvCloudDisk() override;

    void configure(int productId, const QString &clientId, const QString &clientKey, const QString &logFile);
    bool isConfigured() const;
    bool isAvailable() const { return false; }
    QString logFile() const;

    // The storage window, over `parent` (a top-level window when null).
    void openView(QWidget *parent);
    bool isViewOpen() const;
    void closeView();

    // True while a transfer runs; user information is not changed then.
    bool isBusy() const;
    // Reads the user's storage again (after a sign-in or sign-out).
    void reload();
    void setUserInfo(const QString &appName, const QString &version, const QString &language, const QString &userName);
    QString userName() const;
    int reloadCount() const;

    KvCloudDiskViewPresenter *viewPresenter();

    // Test seam.
    void setBusyForTest(bool busy);

private:
    mutable QMutex m_mutex;
    bool m_configured = false;
    bool m_busy = false;
    int m_reloadCount = 0;
    QString m_logFile;
    QString m_userName;
    std::unique_ptr<KvCloudDiskViewPresenter> m_presenter;
    QPointer<KvCloudDiskView> m_view;
};

KvCloudDisk *getCloudDisk();
