#pragma once

#include "KvUIView.h"

#include <QWidget>

class KorvaneMainFormPresenter;
class KvUIScene;
class QLabel;
class QSplitter;
class QStackedWidget;

// The main editing window: a frameless top-level window with a title strip
// (project name, "Home", window buttons) above the editing modules, media
// library and property panel stacked beside the player, the timeline below.
// The modules are its child views (KvEditingViewType).
//
// Closing it first settles the project (FProjectDocProxy::exit()); then it
// either goes back to the start page (when the preferences show the project
// library) or asks whoever listens to sigMainFormClose, which may keep it open.
class KorvaneMainForm : public QWidget, public KvUIView
{
    Q_OBJECT

public:
    KorvaneMainForm(KorvaneMainFormPresenter *presenter, KvUIScene *scene, QWidget *parent = nullptr);
    ~KorvaneMainForm() override;

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

    bool dispatchMessage(KvMessage *message) override;

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
    void slotHasReward(bool isReward);
    // Commands of other processes; "CMD_REOPEN_APP" brings the window back.
    void slotReceveMsgFrom(const QString &text);
    // The project is settled first; then back to the start page.
    void slotBackHomepage();
    void slotShowPropertyPanel(bool show);
    void refreshProjectTitle();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createTitleStrip();
    void toggleMaximized();

    QWidget *m_titleStrip = nullptr;
    QLabel *m_projectName = nullptr;
    QSplitter *m_outerSplitter = nullptr;
    QSplitter *m_upperSplitter = nullptr;
    QStackedWidget *m_moduleStack = nullptr;
    bool m_hasReward = false;
};
