#pragma once

#include "IKvTCIDEventObserver.h"
#include "KvEffectPackRecord.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QVector>

class FExtractPackManager;
class FExtractPackWaitingDialog;
class KvCommunicatorClient;

// The editor's end of the effect store link. The store ("StockyardService.exe"
// beside the editor) is a helper process with a communicator server of its
// own; this object keeps a client connected to it, keeps the store's account
// in step with the editor's, installs the packs the store downloaded and
// loads the installed packs into the editor's effect library.
//
// Account information travels as a compact JSON object
// {"userId": ..., "userName": ..., "token": ...}; an empty user id means
// nobody is signed in.
//
// Lives on the GUI thread; start-up tasks reach it from workers through
// instance(), start() and the two pack operations, which are safe there.
class FEffectInstallerCommunicatorHelper : public QObject, public IKvTCIDEventObserver
{
    Q_OBJECT

public:
    static FEffectInstallerCommunicatorHelper *instance();
    static void Release();
    ~FEffectInstallerCommunicatorHelper() override;

    // Start-up: removes the pack folders the pack manager marked for removal.
    int removeMarkedPackages();
    // Start-up: connects to the store's channel and greets it (on the GUI
    // thread, at its next turn when called from elsewhere).
    void start();

    // True while the store runs (it holds its lock; the lock is only probed).
    bool isStoreRunning() const;
    // To the store when it runs. "CMD_EFFECTSTORE_REOPEN" starts a store
    // that does not run, with `contents` as its arguments; anything else to a
    // store that does not run is dropped.
    void sendCommand(const QString &command, const QStringList &contents);

    // Renames the packs waiting for installation, logs the pack folders and
    // loads every installed pack not loaded yet into the effect library.
    // Returns the folders loaded by this call. Any thread.
    QStringList loadInstalledEffectPack();

    void onTCIDEvent(const KvTCIDEvent &event) override;

    // Where "StockyardService.exe" is; empty (the default) for the
    // editor's own folder. For tests and development layouts.
    static void setStoreDirectory(const QString &directory);

    // Account information text as the store gets it.
    static QString accountInfo();

    FExtractPackWaitingDialog *waitingDialog() const;

public slots:
    void slotRecvMsg(const QString &text);

signals:
    void sigCloseOtherUserAccountPages();
    // Downloaded packs were unpacked (or failed) and the installed packs loaded.
    void sigPacksInstalled(const QStringList &installed, const QStringList &failed);

private:
    FEffectInstallerCommunicatorHelper() = default;
    void connectLink();
    void installDownloadedPacks(const QStringList &files);
    void loadPacks(const QVector<KvEffectPackRecord> &records);
    void applyAccountInfo(const QString &info);
    void applyToken(const QString &token);

    KvCommunicatorClient *m_client = nullptr;
    FExtractPackManager *m_extract = nullptr;
    QPointer<FExtractPackWaitingDialog> m_waiting;
    QSet<int> m_loadedIds;
    bool m_observing = false;
};
