#pragma once

#include "KvMenuItemTree.h"

#include <QMap>
#include <QMenuBar>

#include <initializer_list>

class KorvaneTitleBarPresenter;
class KvMenu;
class QAction;

// The menu bar inside the title bar. Its entries are numbered actions of the
// action manager; it keeps their enabled state in step with the project and
// hands every triggered File, Tools, Export and Help entry to the title bar
// presenter. Edit entries (and the tool submenus) run themselves.
class KorvaneMenuBar : public QMenuBar
{
    Q_OBJECT

public:
    // Open Recent lists at most this many projects.
    static constexpr int kRecentProjectLimit = 10;
    // The number carried by Open Recent's "More" entry.
    static constexpr int kMoreRecentId = -2;

    KorvaneMenuBar(KorvaneTitleBarPresenter *presenter, QWidget *parent = nullptr);
    ~KorvaneMenuBar() override;

    KvMenu *fileMenu() const { return m_fileMenu; }
    KvMenu *editMenu() const { return m_editMenu; }
    KvMenu *toolsMenu() const { return m_toolsMenu; }
    KvMenu *viewMenu() const { return m_viewMenu; }
    KvMenu *exportMenu() const { return m_exportMenu; }
    KvMenu *helpMenu() const { return m_helpMenu; }
    KvMenu *recentProjectMenu() const { return m_openRecentMenu; }
    // The menu whose entries the View menu mirrors.
    QMenu *viewSourceMenu() const { return m_viewSource; }
    void setViewSourceMenu(QMenu *menu);
    // The click-tracking record of an action number (empty when untracked).
    KvMenuItemTree trackedItem(int id) const { return m_trackMap.value(id); }
    bool isTracked(int id) const { return m_trackMap.contains(id); }
    // The width the visible top entries take.
    int actionsWidth() const;

public slots:
    void slotFileMenuTriggered(QAction *action);
    void slotToolsMenuTriggered(QAction *action);
    void slotExportMenuTriggered(QAction *action);
    void slotHelpMenuTriggered(QAction *action);
    void slotRecentPrjMenuTriggered(QAction *action);
    void slotFileMenuAboutToShow();
    void slotEditMenuAboutToShow();
    void slotToolMenuAboutToShow();
    void slotViewMenuAboutToShow();
    void slotExportMenuAboutToShow();
    void slotHelpMenuAboutToShow();
    void slotExportMenuEnableChanged(bool enabled);
    void slotProjectChanged(bool change);
    void slotUpdateToolMenu(bool enable);
    void slotMenuClickedTrackEvent(QAction *action);
    void slotRecentPrjMenuClickedTrackEvent(QAction *action);

protected:
    // A new catalogue: the menu titles follow (the actions follow the locale's signal).
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    // `ids` in order; kBar is a separator.
    static constexpr int kBar = -1;
    KvMenu *addTopMenu(const QString &title, const QString &trackName, const char *objectName);
    KvMenu *addSubMenu(KvMenu *parent, const QString &title, const QString &trackName, const char *objectName);
    void addItems(KvMenu *menu, const QString &trackName, std::initializer_list<int> ids);
    void buildFileMenu();
    void buildEditMenu();
    void buildToolsMenu();
    void buildExportMenu();
    void buildHelpMenu();
    void rebuildRecentMenu();
    void updateProjectEntries(bool modified);
    void makeConnections();
    // `slot` gets the entries of `menu` itself, not those of its submenus
    // (a submenu's own signal brings those), so that each click counts once.
    void routeTriggered(QMenu *menu, void (KorvaneMenuBar::*slot)(QAction *));
    void enableEntries(std::initializer_list<int> ids, bool enabled);
    void viewMenuTriggered(QAction *action);

    KorvaneTitleBarPresenter *m_presenter;
    KvMenu *m_fileMenu = nullptr;
    KvMenu *m_editMenu = nullptr;
    KvMenu *m_toolsMenu = nullptr;
    KvMenu *m_viewMenu = nullptr;
    KvMenu *m_exportMenu = nullptr;
    KvMenu *m_helpMenu = nullptr;
    KvMenu *m_newProjectMenu = nullptr;
    KvMenu *m_openRecentMenu = nullptr;
    KvMenu *m_importMediaMenu = nullptr;
    KvMenu *m_importOtherAppsMenu = nullptr;
    KvMenu *m_recordMediaMenu = nullptr;
    KvMenu *m_effectMenu = nullptr;
    KvMenu *m_videoMenu = nullptr;
    KvMenu *m_audioMenu = nullptr;
    KvMenu *m_colorMenu = nullptr;
    KvMenu *m_animationMenu = nullptr;
    KvMenu *m_speedMenu = nullptr;
    KvMenu *m_trimMenu = nullptr;
    QMenu *m_viewSource = nullptr;
    QMap<int, KvMenuItemTree> m_trackMap;
};
