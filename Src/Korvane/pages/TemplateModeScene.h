#pragma once

#include "FUpdateProjectEditorPlayer.h"
#include "KvUIScene.h"

#include <QObject>
#include <QPointer>

class FFeedBackDialog;
class FTemplateView;
class FVideoTemplate;
class QPoint;
class QWidget;

// Template (instant) mode: two windows of its own, the template list and the
// template editor, of which one is shown at a time. A window that takes over
// is centred where the other one was.
class TemplateModeScene : public QObject, public KvUIScene, public FUpdateProjectEditorPlayer
{
    Q_OBJECT

public:
    explicit TemplateModeScene(QObject *parent = nullptr);
    ~TemplateModeScene() override;

    // Builds both views; called once, right after construction.
    void init();

    void showTemplateList();
    // Maximised when asked for by setShowMaximizedNextTime (once).
    void showTemplateEditor();
    void setShowMaximizedNextTime(bool maximized) { m_showMaximizedNextTime = maximized; }
    bool showMaximizedNextTime() const { return m_showMaximizedNextTime; }

    // Asks the visible view; true when neither is visible.
    bool prepareExitForUpgrade();
    // Activates the visible view and lifts it above other windows once.
    void bringToFront();

    FTemplateView *templateView() const;
    FVideoTemplate *videoTemplate() const;
    // The editor when it is visible, else the list when it is, else null.
    QWidget *visibleView() const;

    // The template mode menu at a global position, over the visible view.
    void showMenu(const QPoint &globalPos);
    // What an entry of the menu does (FTemplateModeMenu::ActionId).
    void triggerMenuAction(int id);

signals:
    void sigEnterTimelineMode(bool enter);
    void sigClose(bool &ignore);
    void sigBackHomepage();
    void sigShowVendaraEffect();
    void sigCheckUpgrade(int reason);
    void sigBackTemplateView();
    void sigEnterEditView();
    void sigLogin();

private:
    void openWebPage(const QString &pageKey);
    static void centreOn(QWidget *window, QWidget *previous, bool previousShown);

    QPointer<FTemplateView> m_templateView;
    QPointer<FVideoTemplate> m_videoTemplate;
    QPointer<FFeedBackDialog> m_feedback;
    bool m_showMaximizedNextTime = false;
    bool m_listShown = false;
    bool m_editorShown = false;
};
