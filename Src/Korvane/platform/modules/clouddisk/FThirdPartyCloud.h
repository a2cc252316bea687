#pragma once

#include "KvLazySingleton.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QUrl>

class KvNetwork;

// The cloud import library: media shared from third-party cloud drives are
// fetched by their download link into the download folder and handed to the
// editing window (sigDownloadFinished). Its manage dialog must be closed
// before the editor quits. GUI thread only.
class FThirdPartyCloud : public QObject, public KvLazySingleton<FThirdPartyCloud>
{
    Q_OBJECT

public:
    // True when no manage dialog is open or it closed; false when it refused
    // (an import in progress).
    static bool closeCloudDiskManageDialog();
    // Test seam: the answer of the next calls.
    static void setCloseResultForTest(bool result);

    // Where fetched files land; made when the first download starts.
    void setDownloadFolder(const QString &folder);
    // The same for the process's importer (the preferences' folder for
    // downloads from other apps).
    static void setDownloadFileStorePath(const QString &folder);
    QString downloadFolder() const { return m_folder; }

    // Starts fetching `url` (http or https) into the download folder under
    // the link's file name, numbered when that name is taken. False, with a
    // log line and sigDownloadFailed, when it cannot start.
    bool download(const QUrl &url);
    int pendingCount() const { return m_pending.size(); }

    // The name a link's file gets: the last path part without characters a
    // file name cannot hold, "download" when nothing is left.
    static QString fileNameFor(const QUrl &url);

signals:
    // A whole file is in the download folder.
    void sigDownloadFinished(const QString &path);
    // Nothing is left behind; `reason` is for the user.
    void sigDownloadFailed(const QUrl &url, const QString &reason);

private:
    friend class KvLazySingleton<FThirdPartyCloud>;
    FThirdPartyCloud();
    ~FThirdPartyCloud() override;

    void finished(bool complete, const QString &path);
    QString freePath(const QString &name) const;

    KvNetwork *m_network;
    QString m_folder;
    // Path being written -> its link.
    QHash<QString, QUrl> m_pending;
};
