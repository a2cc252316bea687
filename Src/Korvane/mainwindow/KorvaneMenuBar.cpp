// The menu bar's construction, its enabled state and its click tracking.
// What a chosen entry does is in KorvaneMenuBarActions.cpp.
#include "KorvaneMenuBar.h"

#include "FGeneralSettings.h"
#include "FProjectDocProxy.h"
#include "KorvaneTitleBarPresenter.h"
#include "KvActionManager.h"
#include "KvAppSettings.h"
#include "KvMenu.h"
#include "KvMenuTracking.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QDir>

namespace {

bool trackingSuppressed()
{
    // While the timeline's context menu wraps a popup, its clicks are tracked there.
    return KvAppSettings::GetInstance()->GetSettings().GetGeneralSetting().GetTimelineContextMenuWrapPopup();
}

} // namespace

KorvaneMenuBar::KorvaneMenuBar(KorvaneTitleBarPresenter *presenter, QWidget *parent)
    : QMenuBar(parent)
    , m_presenter(presenter)
{
    setObjectName(QStringLiteral("Korvane_KorvaneTitleBar_MenuBar"));
    setAccessibleName(tr("Menu Bar"));
    setNativeMenuBar(false);
    m_fileMenu = addTopMenu(tr("File"), QStringLiteral("File"), "KorvaneMenuBar_File");
    m_editMenu = addTopMenu(tr("Edit"), QStringLiteral("Edit"), "KorvaneMenuBar_Edit");
    m_toolsMenu = addTopMenu(tr("Tools"), QStringLiteral("Tools"), "KorvaneMenuBar_Tools");
    m_viewMenu = addTopMenu(tr("View"), QStringLiteral("View"), "KorvaneMenuBar_View");
    m_exportMenu = addTopMenu(tr("Export"), QStringLiteral("Export"), "KorvaneMenuBar_Export");
    m_helpMenu = addTopMenu(tr("Help"), QStringLiteral("Help"), "KorvaneMenuBar_Help");
    buildFileMenu();
    buildEditMenu();
    buildToolsMenu();
    buildExportMenu();
    buildHelpMenu();
    // Without a source the View menu offers the window's own layout choice.
    QAction *vertical = m_viewMenu->addMenuItem(tr("Vertical Screen Layout"), KorvaneTitleBarPresenter::kViewVerticalScreen);
    vertical->setObjectName(QStringLiteral("KorvaneMenuBar_VerticalScreen"));
    makeConnections();
    updateProjectEntries(m_presenter && m_presenter->isProjectModified());
    // Their shortcuts work with the menu closed, so the entries follow the
    // project at once rather than when the menu opens.
    FProjectDocProxy *doc = FProjectDocProxy::instance();
    connect(doc, &FProjectDocProxy::sigProjectModifiedChanged, this, &KorvaneMenuBar::updateProjectEntries);
    connect(doc, &FProjectDocProxy::sigCurrentProjectChanged, this,
            [this] { updateProjectEntries(m_presenter && m_presenter->isProjectModified()); });
}

KorvaneMenuBar::~KorvaneMenuBar() = default;

void KorvaneMenuBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMenuBar::changeEvent(event);
}

void KorvaneMenuBar::retranslate()
{
    setAccessibleName(tr("Menu Bar"));
    // Every menu keeps its English title as its tracking name.
    for (KvMenu *menu : findChildren<KvMenu *>()) {
        const QByteArray source = menu->property("trackName").toString().toUtf8();
        if (!source.isEmpty())
            menu->setTitle(QCoreApplication::translate("KorvaneMenuBar", source.constData()));
    }
    if (auto *vertical = findChild<QAction *>(QStringLiteral("KorvaneMenuBar_VerticalScreen")))
        vertical->setText(tr("Vertical Screen Layout"));
}

KvMenu *KorvaneMenuBar::addTopMenu(const QString &title, const QString &trackName, const char *objectName)
{
    auto *menu = new KvMenu(title, this);
    menu->setObjectName(QLatin1String(objectName));
    menu->setProperty("trackName", trackName);
    addMenu(menu);
    return menu;
}

KvMenu *KorvaneMenuBar::addSubMenu(KvMenu *parent, const QString &title, const QString &trackName,
                                   const char *objectName)
{
    KvMenu *menu = parent->addSubMenu(title);
    menu->setObjectName(QLatin1String(objectName));
    menu->setProperty("trackName", trackName);
    return menu;
}

void KorvaneMenuBar::addItems(KvMenu *menu, const QString &trackName, std::initializer_list<int> ids)
{
    KvActionManager *actions = KvActionManager::instance();
    for (int id : ids) {
        if (id == kBar) {
            menu->addSeparator();
            continue;
        }
        menu->addMenuItem(actions->get(id), id);
        m_trackMap.insert(id, {trackName, actions->getSourceText(id), QString()});
    }
}

void KorvaneMenuBar::buildFileMenu()
{
    KvMenu *file = m_fileMenu;
    const QString name = QStringLiteral("File");
    m_newProjectMenu = addSubMenu(file, tr("New Project"), QStringLiteral("New Project"), "KorvaneMenuBar_NewProject");
    addItems(m_newProjectMenu, QStringLiteral("New Project"), {1, 2, 3, 4, 5, 6, 7});
    // The project kind travels as the action's data.
    for (QAction *action : m_newProjectMenu->actions())
        action->setData(KvMenu::actionType(action));
    addItems(file, name, {8});
    m_openRecentMenu = addSubMenu(file, tr("Open Recent"), QStringLiteral("Open Recent"), "KorvaneMenuBar_OpenRecent");
    file->addSeparator();
    m_importMediaMenu = addSubMenu(file, tr("Import Media"), QStringLiteral("Import Media"), "KorvaneMenuBar_ImportMedia");
    addItems(m_importMediaMenu, QStringLiteral("Import Media"), {16, 17, 19, 20, 21});
    m_importOtherAppsMenu = addSubMenu(m_importMediaMenu, tr("Import from other Apps"),
                                       QStringLiteral("Import from other Apps"), "KorvaneMenuBar_ImportOtherApps");
    addItems(m_importOtherAppsMenu, QStringLiteral("Import from other Apps"), {22, 23, 24});
    m_recordMediaMenu = addSubMenu(file, tr("Record Media"), QStringLiteral("Record Media"), "KorvaneMenuBar_RecordMedia");
    addItems(m_recordMediaMenu, QStringLiteral("Record Media"), {25, 26, 27});
    addItems(file, name, {kBar, 9, 10, 11, 12, kBar, 116, 117, kBar, 13, kBar, 211, 212, kBar, 214, 213});
    rebuildRecentMenu();
}

void KorvaneMenuBar::buildEditMenu()
{
    addItems(m_editMenu, QStringLiteral("Edit"), {209, 210, kBar, 82, 83, 84, 85, kBar, 86, 88, 89, kBar, 90, 91, kBar});
    m_effectMenu = addSubMenu(m_editMenu, tr("Effect"), QStringLiteral("Effect"), "KorvaneMenuBar_Effect");
    addItems(m_effectMenu, QStringLiteral("Effect"), {101, 102, 109});
}

void KorvaneMenuBar::buildToolsMenu()
{
    KvMenu *tools = m_toolsMenu;
    const QString name = QStringLiteral("Tools");
    addItems(tools, name, {55, 57, kBar});
    m_videoMenu = addSubMenu(tools, tr("Video"), QStringLiteral("Video"), "KorvaneMenuBar_Video");
    addItems(m_videoMenu, QStringLiteral("Video"), {63, 131, 92, 93, 64, 66, 78, 113, 129});
    m_audioMenu = addSubMenu(tools, tr("Audio"), QStringLiteral("Audio"), "KorvaneMenuBar_Audio");
    addItems(m_audioMenu, QStringLiteral("Audio"), {98, 100, 133});
    m_colorMenu = addSubMenu(tools, tr("Color"), QStringLiteral("Color"), "KorvaneMenuBar_Color");
    addItems(m_colorMenu, QStringLiteral("Color"), {65, 79});
    m_animationMenu = addSubMenu(tools, tr("Animation"), QStringLiteral("Animation"), "KorvaneMenuBar_Animation");
    addItems(m_animationMenu, QStringLiteral("Animation"), {110, 112});
    m_speedMenu = addSubMenu(tools, tr("Speed"), QStringLiteral("Speed"), "KorvaneMenuBar_Speed");
    addItems(m_speedMenu, QStringLiteral("Speed"), {94, 95, 111});
    addItems(tools, name, {130, 134, kBar, 58});
    m_trimMenu = addSubMenu(tools, tr("Trim"), QStringLiteral("Trim"), "KorvaneMenuBar_Trim");
    addItems(m_trimMenu, QStringLiteral("Trim"), {61, 62});
    addItems(tools, name, {kBar, 215, 46, 47, 48, 49, 50, 52, 53, 51});
}

void KorvaneMenuBar::buildExportMenu()
{
    addItems(m_exportMenu, QStringLiteral("Export"), {121, 136, 137, 122, 123, 124, 125, 126, kBar, 127});
}

void KorvaneMenuBar::buildHelpMenu()
{
    m_helpMenu->clear();
    addItems(m_helpMenu, QStringLiteral("Help"),
             {185, 199, 200, kBar, 201, 202, 203, kBar, 186, kBar, 207, 196, 204, kBar, 205, 190, kBar, 206, 194});
}

void KorvaneMenuBar::rebuildRecentMenu()
{
    m_openRecentMenu->clear();
    const QStringList paths = m_presenter ? m_presenter->recentProjects() : QStringList();
    int count = 0;
    for (const QString &path : paths) {
        if (count++ == kRecentProjectLimit)
            break;
        QAction *entry = m_openRecentMenu->addMenuItem(QDir::toNativeSeparators(path), count);
        entry->setData(path);
    }
    m_openRecentMenu->addSeparator();
    QAction *more = m_openRecentMenu->addMenuItem(tr("More"), kMoreRecentId);
    more->setObjectName(QStringLiteral("KorvaneMenuBar_RecentMore"));
    m_openRecentMenu->setEnabled(!paths.isEmpty());
}

void KorvaneMenuBar::routeTriggered(QMenu *menu, void (KorvaneMenuBar::*slot)(QAction *))
{
    connect(menu, &QMenu::triggered, this, [this, menu, slot](QAction *action) {
        if (menu->actions().contains(action))
            (this->*slot)(action);
    });
}

void KorvaneMenuBar::makeConnections()
{
    connect(m_fileMenu, &QMenu::aboutToShow, this, &KorvaneMenuBar::slotFileMenuAboutToShow);
    connect(m_editMenu, &QMenu::aboutToShow, this, &KorvaneMenuBar::slotEditMenuAboutToShow);
    connect(m_toolsMenu, &QMenu::aboutToShow, this, &KorvaneMenuBar::slotToolMenuAboutToShow);
    connect(m_viewMenu, &QMenu::aboutToShow, this, &KorvaneMenuBar::slotViewMenuAboutToShow);
    connect(m_exportMenu, &QMenu::aboutToShow, this, &KorvaneMenuBar::slotExportMenuAboutToShow);
    connect(m_helpMenu, &QMenu::aboutToShow, this, &KorvaneMenuBar::slotHelpMenuAboutToShow);

    for (QMenu *menu : {static_cast<QMenu *>(m_fileMenu), static_cast<QMenu *>(m_newProjectMenu),
                        static_cast<QMenu *>(m_importMediaMenu), static_cast<QMenu *>(m_importOtherAppsMenu),
                        static_cast<QMenu *>(m_recordMediaMenu)})
        routeTriggered(menu, &KorvaneMenuBar::slotFileMenuTriggered);
    routeTriggered(m_toolsMenu, &KorvaneMenuBar::slotToolsMenuTriggered);
    routeTriggered(m_exportMenu, &KorvaneMenuBar::slotExportMenuTriggered);
    routeTriggered(m_helpMenu, &KorvaneMenuBar::slotHelpMenuTriggered);
    routeTriggered(m_viewMenu, &KorvaneMenuBar::viewMenuTriggered);
    routeTriggered(m_openRecentMenu, &KorvaneMenuBar::slotRecentPrjMenuTriggered);
    routeTriggered(m_openRecentMenu, &KorvaneMenuBar::slotRecentPrjMenuClickedTrackEvent);

    const QList<KvMenu *> tracked = {m_fileMenu,  m_newProjectMenu, m_importMediaMenu, m_importOtherAppsMenu,
                                     m_recordMediaMenu, m_editMenu, m_effectMenu, m_toolsMenu, m_videoMenu,
                                     m_audioMenu, m_colorMenu, m_animationMenu, m_speedMenu, m_trimMenu,
                                     m_viewMenu, m_exportMenu, m_helpMenu};
    for (KvMenu *menu : tracked)
        routeTriggered(menu, &KorvaneMenuBar::slotMenuClickedTrackEvent);

    if (m_presenter) {
        connect(m_presenter, &KorvaneTitleBarPresenter::sigExportEnableChanged, this,
                &KorvaneMenuBar::slotExportMenuEnableChanged);
        connect(m_presenter, &KorvaneTitleBarPresenter::sigProjectChanged, this, &KorvaneMenuBar::slotProjectChanged);
        connect(m_presenter, &KorvaneTitleBarPresenter::sigUpdateToolMenu, this, &KorvaneMenuBar::slotUpdateToolMenu);
    }
}

void KorvaneMenuBar::enableEntries(std::initializer_list<int> ids, bool enabled)
{
    for (int id : ids)
        KvActionManager::instance()->get(id)->setEnabled(enabled);
}

void KorvaneMenuBar::updateProjectEntries(bool modified)
{
    const bool open = m_presenter && m_presenter->isProjectOpen();
    enableEntries({9}, modified && open);
    enableEntries({10, 11}, open);
    enableEntries({12}, open && m_presenter->canBuildCustomProjectTemplate());
}

void KorvaneMenuBar::slotFileMenuAboutToShow()
{
    updateProjectEntries(m_presenter && m_presenter->isProjectModified());
    rebuildRecentMenu();
}

void KorvaneMenuBar::slotEditMenuAboutToShow()
{
    // The action manager keeps the Edit entries' state (undo, redo ...).
}

void KorvaneMenuBar::slotToolMenuAboutToShow()
{
    if (m_presenter)
        m_presenter->refreshToolMenu();
}

void KorvaneMenuBar::slotViewMenuAboutToShow()
{
    if (!m_viewSource)
        return;
    const QList<QAction *> mine = m_viewMenu->actions();
    const QList<QAction *> source = m_viewSource->actions();
    if (mine.size() != source.size())
        return;
    for (int i = 0; i < mine.size(); ++i)
        mine.at(i)->setText(source.at(i)->text());
}

void KorvaneMenuBar::setViewSourceMenu(QMenu *menu)
{
    m_viewSource = menu;
}

void KorvaneMenuBar::slotExportMenuAboutToShow()
{
    if (m_presenter)
        m_presenter->refreshExportMenu();
}

void KorvaneMenuBar::slotHelpMenuAboutToShow()
{
    buildHelpMenu();
}

void KorvaneMenuBar::slotExportMenuEnableChanged(bool enabled)
{
    m_exportMenu->setEnabled(enabled);
    m_exportMenu->menuAction()->setEnabled(enabled);
}

void KorvaneMenuBar::slotProjectChanged(bool change)
{
    updateProjectEntries(change || (m_presenter && m_presenter->isProjectModified()));
}

void KorvaneMenuBar::slotUpdateToolMenu(bool enable)
{
    // The entries that work on the selected media or clips.
    enableEntries({46, 47, 48, 49, 50, 51, 52, 53, 215}, enable);
}

void KorvaneMenuBar::slotMenuClickedTrackEvent(QAction *action)
{
    if (!action || trackingSuppressed())
        return;
    const int id = KvMenu::actionType(action);
    if (!m_trackMap.contains(id))
        return;
    const KvMenuItemTree &item = m_trackMap[id];
    KvMenuTracking::trackMenuClickEvent(item.menuName, item.sourceText, item.thirdText);
    if (id == 55 && KvMenuTracking::needTrackEffectPanelTypeEvent(id))
        KvMenuTracking::trackEffectPanelTypeEvent(m_presenter ? m_presenter->firstSelectedClipType() : -1,
                                                  KvMenuTracking::kEffectPanelFromMenu);
}

void KorvaneMenuBar::slotRecentPrjMenuClickedTrackEvent(QAction *action)
{
    if (!action || trackingSuppressed())
        return;
    KvMenuTracking::trackRecentProjectClick(KvMenu::actionType(action) == kMoreRecentId);
}

int KorvaneMenuBar::actionsWidth() const
{
    int width = 0;
    const QList<QAction *> entries = actions();
    for (QAction *action : entries) {
        if (action->isVisible())
            width += actionGeometry(action).width();
    }
    return width;
}
