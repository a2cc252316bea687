#pragma once

#include <QObject>
#include <QString>

class KvNetwork;

// The cloud storage view's link to the editor: what the view asks the editor
// to do (open a project, locate a template) and what it reports.
//
// Shared projects are fetched over HTTP from the share server, the web
// address of the page key "ShareServer", as "<server>/share/<share id>".
// A download goes to "<target>.part" and becomes the target only when it is
// complete; a transfer that does not end within the time-out is given up.
// One share download runs at a time.
class KvCloudDiskViewPresenter : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *kShareServerKey = "ShareServer";

    explicit KvCloudDiskViewPresenter(QObject *parent = nullptr);
    ~KvCloudDiskViewPresenter() override;

    // True while a share download runs.
    bool downloadShareTask() const { return m_kind != None; }
    // Each returns whether the download started; when it did not, or when it
    // fails later, sigShareDownloadFailed tells why.
    bool downloadShareProject(const QString &shareId, const QString &targetPath);
    bool downloadShareProjectArchive(const QString &shareId, const QString &targetPath);
    bool downloadShareProjectTemplate(const QString &shareId, const QString &fileName, const QString &folder);

    // The whole transfer must end within this time (tests shorten it).
    static void setDownloadTimeout(int milliseconds);
    static int downloadTimeout();
    // `path` itself when free, else "<base> (n).<suffix>" beside it.
    static QString freePath(const QString &path);

signals:
    void sigOpenProject(QString path);
    void sigLocationProjectTemplate(QString name);
    void sigRefreshToken();
    void uploadVideoFinished();
    void downloadShareFinished();
    // A share download could not start or failed; `message` is for the user.
    void sigShareDownloadFailed(QString message);

private:
    enum Kind { None, Project, Archive, Template };
    bool start(Kind kind, const QString &shareId, const QString &target);
    void finished(bool complete, const QString &partFile);
    bool refuse(const QString &message);

    KvNetwork *m_network;
    Kind m_kind = None;
    QString m_target;
};
