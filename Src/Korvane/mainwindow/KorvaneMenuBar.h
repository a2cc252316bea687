#pragma once

#include <QMenuBar>

class KorvaneTitleBarPresenter;
class QMenu;

// The menu bar inside the title bar: the six top menus. Their entries are
// numbered actions of the action manager, added as the menus are built.
class KorvaneMenuBar : public QMenuBar
{
    Q_OBJECT

public:
    KorvaneMenuBar(KorvaneTitleBarPresenter *presenter, QWidget *parent = nullptr);

    QMenu *fileMenu() const { return m_fileMenu; }
    QMenu *editMenu() const { return m_editMenu; }
    QMenu *toolsMenu() const { return m_toolsMenu; }
    QMenu *viewMenu() const { return m_viewMenu; }
    QMenu *exportMenu() const { return m_exportMenu; }
    QMenu *helpMenu() const { return m_helpMenu; }
    // The width the visible top entries take.
    int actionsWidth() const;

private:
    QMenu *addTopMenu(const QString &title, const char *objectName);

    KorvaneTitleBarPresenter *m_presenter;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    QMenu *m_toolsMenu = nullptr;
    QMenu *m_viewMenu = nullptr;
    QMenu *m_exportMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
};
