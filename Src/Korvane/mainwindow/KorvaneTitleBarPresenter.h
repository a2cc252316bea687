#pragma once

#include "IKvTCIDEventObserver.h"
#include "KvPresenter.h"
#include "KvTCIDResponseCode.h"

#include <QPointer>
#include <QStringList>
#include <QVariant>
#include <QTimer>

#include <functional>

class FCBSUpdater;
class FMainPlayerPresenter;
class FTimelineModulePresenter;
class KvMediaLibraryPresenter;
class QUrl;
class QWidget;

// The presenter of the title bar and of the menu bar inside it. It follows
// the project (modified state, duration, export availability), the account
// state and the message-centre messages, and carries out what the title
// bar's buttons and the menus ask for.
class KorvaneTitleBarPresenter : public KvPresenter, public IKvTCIDEventObserver
{
    Q_OBJECT

public:
    // The request kind of the Orvala page address.
    static constexpr int kOrvalaUrlRequest = 18;
    static constexpr int kShineIntervalMs = 1000;
    static constexpr int kRecentProjectLimit = 10;

    explicit KorvaneTitleBarPresenter(QObject *parent = nullptr);
    ~KorvaneTitleBarPresenter() override;

    // The duration shown in the title bar follows the presenter's timeline.
    void setTimelinePresenter(FTimelineModulePresenter *presenter);
    void setMediaLibraryPresenter(KvMediaLibraryPresenter *presenter) { m_mediaLibraryPresenter = presenter; }
    void setMainPlayerPresenter(FMainPlayerPresenter *presenter) { m_playerPresenter = presenter; }
    FTimelineModulePresenter *timelinePresenter() const { return m_timelinePresenter; }
    KvMediaLibraryPresenter *mediaLibraryPresenter() const { return m_mediaLibraryPresenter; }
    FMainPlayerPresenter *mainPlayerPresenter() const { return m_playerPresenter; }

    // The creative button's blinking: on starts the 1000 ms ticks.
    void setCreativeBtnShine(bool shine);
    bool isCreativeBtnShining() const { return m_shineTimer.isActive(); }

    // Tool buttons and menu operations.
    void onSupportClicked();
    void onSaveClicked();
    void onMoreEffectsClicked();
    void onCreativeClicked();
    void onCloudClicked();
    void onAccountClicked();
    // Saves the project; true (with sigProjectChanged(false) and the
    // "Saved!" toast) only when the document service saved it.
    bool saveProject();
    bool saveAsProject();
    void backHomepage() { emit sigBackHomepage(); }
    void checkUpgrade(int reason) { emit sigCheckUpgrade(reason); }
    void exitApp() { emit sigExit(); }
    QStringList recentProjects() const;
    void openRecentProject(const QString &path);

    // Menu operations (KorvaneTitleBarPresenterMenus.cpp).
    // The View menu's own entry: the vertical screen layout.
    static constexpr int kViewVerticalScreen = -3;
    // Help 192 and 205 open this folder.
    static QString logFolderPath();
    bool isProjectOpen() const;
    bool isProjectModified() const;
    bool canBuildCustomProjectTemplate() const;
    // The type of the first selected timeline clip, -1 without one.
    int firstSelectedClipType() const;
    bool newProject(int kind);
    bool openProject();
    bool archiveProject();
    bool buildCustomProjectTemplate();
    // A message with no payload to the scene (project settings, recordings,
    // the render cache, feedback, log in, the media tools).
    bool sendToScene(int code);
    bool sendDataToScene(int code, const QVariant &data);
    // Media library import: mode 0 files, 1 a folder; `source` where from.
    void importMedia(int mode, int source);
    void importWithAutoHighlight(int mode);
    void showPreferences(int tab);
    void showShortcutsDialog(QWidget *parent);
    void freezeFrame();
    void exportTimeline(int actionId);
    // Opens the page of `pageKey`; tells the user when there is no address
    // or nothing could open it.
    bool openHelpPage(const QString &pageKey);
    bool openLogFolder();
    void startWalkThrough();
    void openAccountPage();
    void logout() { emit sigLogout(); }
    void showNetworkProxyDialog(QWidget *parent);
    void showAboutDialog();
    void toggleVerticalScreen();
    // Tell the menus whether their entries apply now.
    void refreshToolMenu();
    void refreshExportMenu();

    void openOrvala();
    // The message-centre request: the command that goes to the native engine
    // (empty when nothing is sent), chosen from the click flag, whether the
    // engine runs and the "don't show messages" setting.
    static QString caddyCommandFor(bool click, bool engineExists, bool dontShowMessage);
    void requestCaddy(bool click, int type, const QString &text);

    bool isLoggedIn() const { return m_loggedIn; }
    void setLoggedIn(bool loggedIn) { m_loggedIn = loggedIn; }
    void onTCIDResponse(const KvTCIDResponseCode &response);
    void onTCIDEvent(const KvTCIDEvent &event) override;

    // The window that offline messages and masks go over.
    QWidget *hostWidget() const;

    // Tests: replaces the network-device check.
    static void setNetworkCheckForTest(std::function<bool()> check);

signals:
    void sigExportEnableChanged(bool status);
    void sigTCIDStatusChanged(KvTCIDResponseCode code);
    void sigTimelineDurationChanged(QString duration);
    void sigProjectChanged(bool bProjectChange);
    void sigReceiveCaddyMsg(int type, QString text);
    void sigInitCaddyMsgFinished();
    void sigUpdateCaddyMsgsFinished();
    void sigUpdateToolMenu(bool enable);
    void sigBackHomepage();
    void sigOpenOrvala(QString url);
    void sigCheckUpgrade(int reason);
    void sigExit();
    void sigLogout();
    void sigUpdateCreativeBtn(bool bShinning);

private:
    bool networkUsable() const;
    void showOfflineMessage();
    void onOrvalaUrl(int requestType, bool succeeded, const QString &url);
    bool openAddress(const QUrl &url, const QString &what);

    FTimelineModulePresenter *m_timelinePresenter = nullptr;
    KvMediaLibraryPresenter *m_mediaLibraryPresenter = nullptr;
    FMainPlayerPresenter *m_playerPresenter = nullptr;
    QTimer m_shineTimer;
    FCBSUpdater *m_updater = nullptr;
    bool m_loggedIn = false;
};
