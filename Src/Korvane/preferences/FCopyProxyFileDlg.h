#pragma once

#include "KvFramelessDialog.h"

#include <QStringList>

class QLabel;
class QProgressBar;

// Shows the proxy service copying the proxy files of the previous proxy
// folder into the new one, after the user moved the folder. It has no
// buttons and cannot be cancelled: it closes (result 1) when the service
// reports the end; files that failed stay listed until then.
class FCopyProxyFileDlg : public KvFramelessDialog
{
    Q_OBJECT

public:
    enum Result {
        Finished = 1,
    };

    // Makes sure `newFolder` exists; the copy starts when the dialog is shown.
    FCopyProxyFileDlg(const QString &oldFolder, const QString &newFolder, QWidget *parent = nullptr);
    ~FCopyProxyFileDlg() override;

    QString oldFolder() const { return m_oldFolder; }
    QString newFolder() const { return m_newFolder; }
    QStringList failedFiles() const { return m_failedFiles; }

    QLabel *statusLabel() const { return m_status; }
    QProgressBar *progressBar() const { return m_progress; }
    QLabel *failureLabel() const { return m_failure; }

public slots:
    // The service's progress, delivered on the GUI thread (status values of
    // IKvMediaProxyService).
    void slotUpdateProgress(int status, int value, const QString &fileBaseName);

protected:
    void showEvent(QShowEvent *event) override;
    // Neither Escape nor the window system closes it before the end.
    void reject() override;

private:
    void startCopy();

    const QString m_oldFolder;
    const QString m_newFolder;
    QLabel *m_status;
    QProgressBar *m_progress;
    QLabel *m_failure;
    QStringList m_failedFiles;
    bool m_started = false;
    bool m_finished = false;
};
