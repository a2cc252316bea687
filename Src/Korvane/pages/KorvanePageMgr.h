#pragma once

#include "IKvTCIDEventObserver.h"
#include "KvLazySingleton.h"
#include "KvVelloqHelper.h"
#include "StartupPageInfo.h"
#include "SysMemory.h"

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class FAccountSession;
class FForwardedOpenHandler;
class FPageWindowEventFilter;
class FProductHomePage;
class FProjectOpenProblem;
class FProjectTemplateDownload;
class FPushChannelHost;
class FSharedProjectOpener;
class FStartupBackgroundWork;
class FTimelineExportStep;
class FUpgradeCoordinator;
class IKvUpgradeModule;
class KorvaneScene;
class QWidget;
class TemplateModeScene;

// Owns the editor's top-level pages after start-up: the start page, the
// editing scene and template mode. It is the only writer of the page state;
// every page change asked for from inside a page's own signal is deferred
// to the next event-loop turn so the page is never destroyed in its signal.
// The account, the background work of start-up, the upgrade module, the
// push channel and the window messages each live in a helper of their own;
// the slots here hand over to them.
class KorvanePageMgr : public QObject,
                       public KvLazySingleton<KorvanePageMgr>,
                       public IKvTCIDEventObserver,
                       public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    enum PageState : std::int32_t {
        NoPage = -1,
        StartPage = 0,
        EditingScene = 1,
        TemplateEditor = 2,
        TemplateList = 3,
    };
    Q_ENUM(PageState)

    ~KorvanePageMgr() override;

    bool run(const StartupPageInfo &info);
    void releasePages();
    void openProject(const QString &path);
    void switchToPage(PageState target);
    // Closes the editor the way closing its window does, from outside the
    // window (a termination signal): the page settles its project first,
    // then the close checks run. False when something refused.
    bool requestClose();

    void setStartPageVisible(bool visible);
    void setKorvaneSceneVisible(bool visible);
    void setTemplateModeSceneVisible(bool visible);

    PageState pageState() const { return m_pageState; }
    QWidget *currentPageWidget() const;
    FProductHomePage *startPage();
    KorvaneScene *korvaneScene();
    TemplateModeScene *templateModeScene();
    bool hasStartPage() const { return m_startPage != nullptr; }
    bool hasKorvaneScene() const { return m_korvaneScene != nullptr; }
    bool hasTemplateModeScene() const { return m_templateModeScene != nullptr; }
    IKvUpgradeModule *upgradeModule() const;
    FAccountSession *accountSession() const { return m_account.get(); }
    FStartupBackgroundWork *backgroundWork() const { return m_background.get(); }
    FSharedProjectOpener *sharedProjectOpener() const { return m_shareOpener.get(); }
    FProjectTemplateDownload *templateDownload() const { return m_templateDownload.get(); }

    // The first page after start-up. The two queries are asked only when
    // the command line and settings do not settle it.
    static PageState chooseFirstPage(bool unsavedProject, const QString &openPath, bool templateMapEmpty,
                                     const QString &shareString, bool showProjectLibrary,
                                     const std::function<bool()> &activeProjectWillExist,
                                     const std::function<bool()> &isTemplateProject);
    // Below 4096 MB in all or 1024 MB free.
    static bool isMemoryLow(double totalMB, double freeMB);
    static bool safeModeRequested();

    // Restores the last login: the account service's own, the stored token,
    // or the companion launcher's user; false when nobody is logged in.
    bool autoLogin();

    // Account events (login, logout, device limit, caddy messages).
    void onTCIDEvent(const KvTCIDEvent &event) override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, long *result) override;

signals:
    void sigHasReward(bool isReward);

public slots:
    void targetUrlFinished(int etype, bool bSucceed, const QString &targetUrl);
    void slotMonitorUpdate(SysMemory mem);
    void slotBackHomepage();
    void slotMainViewBackHomepage();
    void slotEnterTimelineMode(bool enter);
    void slotUpdate();
    void slotOpenOrvala(const QString &linkUrl);
    void slotOrvalaDownloadProject(const QString &url, const QString &name);
    void slotOpenMediaFolderAndSearch(int categoryType, int categoryId, const QString &keyWord);
    void slotOpenMediaFolder(int categoryType, int folderType);
    void slotClose(bool &ignore);
    void slotWhetherShowNPS();
    void slotCloudDiskShare(const QString &argument);
    void slotActiveMainWindow();
    void slotLogin();
    void slotLogout();
    void slotShowLoginDialog();
    void slotVendaraEffect();
    void slotExportTimeline(int exportType, int exportMode);
    void slotTemplateSeeAll(QObject *media);
    void slotCheckUpgrade(int reason);
    void slotExitForForceUpgrade();
    void slotRestartForUpgrade();
    void slotOpenDbClickProject(const QString &message);
    void slotHomePageToolClicked(int toolIndex);
    void slotOnTrackPublic();
    void slotRestartApp();

private:
    friend class KvLazySingleton<KorvanePageMgr>;
    friend class FPageFactory;
    friend class FStartupHandover;
    friend class FPageLeaveSteps;
    friend class FPageNavigation;
    KorvanePageMgr();

    void init();
    void connectSignals();
    void enterEditingFromStartPage(const QString &path);
    // Tells the user why an open failed; with `leaveEditing`, an editing
    // window that came up only for that open gives way to the start page.
    void reportFailedOpen(const FProjectOpenProblem &problem, bool leaveEditing);
    void dropStartPage();
    void destroyKorvaneScene();
    void destroyTemplateModeScene();
    void raiseOnReopen(const QString &message);
    void raiseEditingWindow();

    PageState m_pageState = NoPage;
    std::unique_ptr<FProductHomePage> m_startPage;
    std::unique_ptr<KorvaneScene> m_korvaneScene;
    std::unique_ptr<TemplateModeScene> m_templateModeScene;
    KvVelloqHelper m_velloqHelper;
    QPointer<QWidget> m_currentPageWidget;

    std::unique_ptr<FUpgradeCoordinator> m_upgrade;
    std::unique_ptr<FPushChannelHost> m_push;
    std::unique_ptr<FStartupBackgroundWork> m_background;
    std::unique_ptr<FAccountSession> m_account;
    std::unique_ptr<FPageWindowEventFilter> m_windowFilter;
    std::unique_ptr<FForwardedOpenHandler> m_forwardedOpen;
    std::unique_ptr<FTimelineExportStep> m_exportStep;
    std::unique_ptr<FSharedProjectOpener> m_shareOpener;
    std::unique_ptr<FProjectTemplateDownload> m_templateDownload;

    bool m_quickTutorialAsked = false;
};
