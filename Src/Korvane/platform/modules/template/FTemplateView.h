#pragma once

#include "KvUIView.h"

#include <QPointer>
#include <QWidget>

class FTemplateViewPresenter;
class KvUIScene;
class QListWidget;

// The template list of template mode: a window of its own that offers the
// templates of its presenter. Using one opens the template editor.
class FTemplateView : public QWidget, public KvUIView
{
    Q_OBJECT

public:
    FTemplateView(FTemplateViewPresenter *presenter, KvUIScene *scene, QWidget *parent = nullptr);

    // Reads the template folder again.
    void reloadTemplates();
    // Uses the selected template; emits sigEnterEditView when it is open.
    bool useSelectedTemplate();

    // The list holds nothing unsaved: it always agrees.
    bool prepareExitForUpgrade() { return true; }
    bool backHomepage() { return true; }

signals:
    void sigClose(bool &ignore);
    void sigBackHomepage();
    void sigEnterEditView();
    // The template mode menu, at a global position.
    void sigShowMenu(const QPoint &globalPos);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QPointer<FTemplateViewPresenter> m_presenter;
    QListWidget *m_list;
};
