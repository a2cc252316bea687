#pragma once

#include "IKvTimelineEventObserver.h"
#include "KvUIView.h"

#include <QElapsedTimer>
#include <QFrame>
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

class FMainPlayerPresenter;
class FQuickStartMgr;
class FTimelineModulePresenter;
class FUserDetailCollectHelper;
class IKvClip;
class IKvTimeline;
class KorvaneMainFormPresenter;
class KvMediaLibraryPresenter;
class KvSpeechServiceDialog;
class KvSplitScreenFloatingWidget;
class KvTextFloatingAdjustWidget;
class KorvaneTitleBar;
class KorvaneTitleBarPresenter;
class KvSplitter;
class KvUIScene;
class QStackedWidget;

// What resizeEvent lays out for a form size: the title bar, the line under
// it and the outer splitter, and the corner radius of the frame.
struct KvMainFormGeometry
{
    QRect titleBar;
    QRect line;
    QRect outerSplitter;
    int cornerRadius = 0;
};

// The main editing window: a frameless top-level frame holding the title
// bar (with the menu bar), the four editing modules in two splitters, and
// the floating widgets over the player. It is the view of
// KorvaneMainFormPresenter; the editing scene creates it and receives the
// messages it sends.
//
// It also decides whether the editor may close (closeEvent, canQuit), acts
// on the commands of the screen recorder and the download centre that
// arrive through the communicator, and keeps the timeline's background
// render service running while a project is open.
class KorvaneMainForm : public QFrame, public KvUIView, public IKvTimelineEventObserver
{
    Q_OBJECT

public:
    static constexpr int kHintIntervalMs = 1000;
    static constexpr int kHintDurationMs = 8000;

    KorvaneMainForm(KorvaneMainFormPresenter *presenter, KvUIScene *scene, QWidget *parent = nullptr);
    ~KorvaneMainForm() override;

    static KvMainFormGeometry geometryFor(const QSize &formSize, bool maximized);

    // The stored size (else 1280 x 720), centred on the screen, maximised
    // when it was left maximised.
    void showWithStoredGeometry();
    // A tool tile of the start page; the tools are not wired yet.
    void handleToolIndex(int toolIndex);
    // Closes the current project after settling unsaved changes; false when
    // the user keeps it.
    bool closeProject();
    bool hasReward() const { return m_hasReward; }
    QString projectTitle() const;

    // The can-quit check: the FX Editor popup, colour matching, the player,
    // then the project document service's exit.
    bool canQuit();
    bool dispatchMessage(KvMessage *message) override;
    void onTimelineEvents(const KvTimelineEventList &events) override;
    void onTimelineReleased(IKvTimeline *timeline) override;
    void startRenderService();
    void stopRenderService();
    void initSpeechServiceDialog();
    KvSpeechServiceDialog *speechServiceDialog() const { return m_speechDialog.get(); }
    void popupMatchProjDlg(KvMessage *message);

    FTimelineModulePresenter *timelinePresenter() const { return m_timelinePresenter; }
    KvMediaLibraryPresenter *mediaLibraryPresenter() const { return m_mediaLibraryPresenter; }
    FMainPlayerPresenter *mainPlayerPresenter() const { return m_playerPresenter; }
    KvTextFloatingAdjustWidget *textFloatingWidget() const { return m_textFloatingWidget; }
    FQuickStartMgr *quickStartMgr() const { return m_quickStartMgr; }
    KorvaneTitleBar *titleBar() const { return m_titleBar; }
    KorvaneTitleBarPresenter *titleBarPresenter() const { return m_titleBarPresenter; }
    KvSplitter *outerSplitter() const { return m_outerSplitter; }
    KvSplitter *upperSplitter() const { return m_upperSplitter; }
    QStackedWidget *moduleStack() const { return m_moduleStack; }
    QWidget *lineWidget() const { return m_line; }
    bool isVerticalScreenLayout() const { return m_verticalScreen; }
    bool isHintBlinking() const { return m_hintTimer.isActive(); }
    QStringList pendingMediaList() const { return m_pendingMediaList; }
    // Lays the modules out for the normal or the vertical-screen orientation.
    void applyScreenOrientation(bool vertical);

    // Tests: stands in for the speech dialog's checkCanClose().
    void setSpeechCloseCheckForTest(std::function<bool()> check) { m_speechCloseCheck = std::move(check); }

signals:
    void sigCloseGetStart();
    void sigBackHomepage();
    void sigOpenOrvala(const QString &linkUrl);
    void sigMainFormClose(bool &ignore);
    void sigLogin();
    void sigLogout();
    void sigExportTimeline(int exportType, int exportMode);
    void sigShowLoginDialog();
    void sigCheckUpgrade(int reason);
    void sigRestartApp();

public slots:
    void slotShowPropertyPanel(bool show);
    void slotShowPreferencesDialog(int tabIndex);
    void slotShowFloatingEditWidget(QPoint pos);
    void slotOpenAdvanceSplitScreenEditDialog();
    // Commands of helper processes (screen recorder, download centre, a
    // second start of the editor).
    void slotReceveMsgFrom(const QString &msg);
    void processFileFromScreenRecorder(const QStringList &strContents);
    void slotMediaPlayerEditingModeChanged();
    void slotInitCaddyMsgFinished();
    // The project is settled first; then back to the start page.
    void slotBackHomepage();
    void slotShowUpgradeCycleChangeNotice();
    void slotSrtProductFileGenerate(const QString &filepath, const QString &folderName, IKvClip *clip,
                                    qint64 beginPos, bool isStart);
    void slotFindMatterLocation(const QString &filepath);
    void slotAudioFileGenerate(const QString &filepath, IKvClip *clip);
    void slotSrtFileGenerate(const QString &filepath, IKvClip *clip, IKvTimeline *timeline);
    void slotTaskFinisted();
    void slotHasReward(bool isReward);
    void refreshProjectTitle();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildLayout();
    void addShortcutActions();
    // Makes `form` the shortcut editor's main view (null: detaches this one).
    void attachShortcuts(KorvaneMainForm *form);
    void makeConnections();
    void onHintTimeout();
    void stopHintBlinking();
    void restartRequest();
    void bringToFront();
    void showCenterTip(const QString &text);
    void showInformation(const QString &title, const QString &text, const char *objectName);
    bool dispatchDialogMessage(KvMessage *message);
    void updateTextFloatingWidget();
    void openSpeechParameters(KvMessage *message, bool textToSpeech);
    bool guideMessage(KvMessage *message);

    // Declaration order is destruction order for the owned ones.
    KvSplitScreenFloatingWidget *m_splitScreenWidget = nullptr;
    KvSplitter *m_outerSplitter = nullptr;
    KvSplitter *m_upperSplitter = nullptr;
    QWidget *m_line = nullptr;
    KorvaneTitleBar *m_titleBar = nullptr;
    KorvaneMainFormPresenter *m_presenter = nullptr;
    KorvaneTitleBarPresenter *m_titleBarPresenter = nullptr;
    QStackedWidget *m_moduleStack = nullptr;
    FTimelineModulePresenter *m_timelinePresenter = nullptr;
    FMainPlayerPresenter *m_playerPresenter = nullptr;
    KvMediaLibraryPresenter *m_mediaLibraryPresenter = nullptr;
    // A child of the player view, created on first need.
    KvTextFloatingAdjustWidget *m_textFloatingWidget = nullptr;
    std::unique_ptr<KvSpeechServiceDialog> m_speechDialog;
    FQuickStartMgr *m_quickStartMgr = nullptr;
    QWidget *m_playerView = nullptr;
    QWidget *m_timelineView = nullptr;
    bool m_firstShow = true;
    bool m_modalParameter = false;
    bool m_verticalScreen = false;
    bool m_hasReward = false;
    QTimer m_hintTimer;
    QElapsedTimer m_hintElapsed;
    std::unique_ptr<FUserDetailCollectHelper> m_userDetailCollector;
    QStringList m_pendingMediaList;
    IKvTimeline *m_observedTimeline = nullptr;
    std::function<bool()> m_speechCloseCheck;
};
