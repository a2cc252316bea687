#pragma once

#include "FStartTip.h"

#include <QFuture>
#include <QList>
#include <QPixmap>
#include <QSplashScreen>

class KvNetwork;
class QLabel;
class QTimer;

// The window shown while the editor starts: the splash picture with the
// version and copyright, a progress bar along the bottom edge driven by the
// page manager, and a start tip that changes every 5 s.
//
// The tips come from a package downloaded in the background for the next
// start; that start unpacks it on the global thread pool and reads the tips of
// the interface language. Without tips the splash shows just the same.
class FSplashScreen : public QSplashScreen
{
    Q_OBJECT

public:
    // `screen` null: the primary screen.
    explicit FSplashScreen(QScreen *screen = nullptr);
    ~FSplashScreen() override;

    // Length of the progress bar in percent (initially 20); repaints at once.
    void setProgress(int percent);
    int progress() const { return m_progress; }

    // Time-out of the tip download of splash screens made afterwards.
    static void setDownloadTimeout(int milliseconds);

signals:
    void sigSloganReady();

public slots:
    void slotSloganStart();
    void slotSloganUpdate();
    void slotSloganDownloadFinished(bool bFinished, QString filename);

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void startDownload();
    const QPixmap &picture();

    int m_progress = 20;
    QList<FStartTip> m_pendingTips;
    QList<FStartTip> m_shownTips;
    QLabel *m_tipLabel = nullptr;
    QTimer *m_tipTimer = nullptr;
    QString m_versionText;
    QString m_copyrightText;
    KvNetwork *m_network = nullptr;
    QFuture<QList<FStartTip>> m_loaderFuture;
    bool m_loaderResultTaken = false;

    QString m_dataDir;
    QString m_downloadFile;
    QString m_pictureFile;
    QPixmap m_picture;
};
