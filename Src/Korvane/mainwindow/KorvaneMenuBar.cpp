#include "KorvaneMenuBar.h"

#include "KorvaneTitleBarPresenter.h"

#include <QMenu>

KorvaneMenuBar::KorvaneMenuBar(KorvaneTitleBarPresenter *presenter, QWidget *parent)
    : QMenuBar(parent)
    , m_presenter(presenter)
{
    setObjectName(QStringLiteral("Korvane_KorvaneTitleBar_MenuBar"));
    setAccessibleName(tr("Menu Bar"));
    setNativeMenuBar(false);
    m_fileMenu = addTopMenu(tr("File"), "KorvaneMenuBar_File");
    m_editMenu = addTopMenu(tr("Edit"), "KorvaneMenuBar_Edit");
    m_toolsMenu = addTopMenu(tr("Tools"), "KorvaneMenuBar_Tools");
    m_viewMenu = addTopMenu(tr("View"), "KorvaneMenuBar_View");
    m_exportMenu = addTopMenu(tr("Export"), "KorvaneMenuBar_Export");
    m_helpMenu = addTopMenu(tr("Help"), "KorvaneMenuBar_Help");
}

QMenu *KorvaneMenuBar::addTopMenu(const QString &title, const char *objectName)
{
    QMenu *menu = addMenu(title);
    menu->setObjectName(QLatin1String(objectName));
    menu->setAccessibleName(title);
    return menu;
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
