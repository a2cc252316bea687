#pragma once

#include "KvUIView.h"

#include <QPointer>
#include <QWidget>

class FVideoTemplatePresenter;
class KvUIScene;
class QComboBox;
class QLabel;
class QPushButton;

// The template editor of template mode: a window of its own showing the
// current template project's name and settings, with its frame shape to
// choose (undoable), and the ways out: back to the list, on into the
// timeline, home.
class FVideoTemplate : public QWidget, public KvUIView
{
    Q_OBJECT

public:
    FVideoTemplate(FVideoTemplatePresenter *presenter, KvUIScene *scene, QWidget *parent = nullptr);

    // Both settle unsaved changes first (save / discard / cancel); false when
    // the user keeps the project open.
    bool prepareExitForUpgrade();
    bool backHomepage();

    void refresh();

signals:
    void sigClose(bool &ignore);
    void sigBackHomepage();
    void sigEnterTimelineMode(bool enter);
    void sigBackTemplateView();
    // The template mode menu, at a global position.
    void sigShowMenu(const QPoint &globalPos);

protected:
    // A modified project is settled before the close request goes out.
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QPointer<FVideoTemplatePresenter> m_presenter;
    QLabel *m_name;
    QLabel *m_settings;
    QComboBox *m_aspect;
    QPushButton *m_undo;
    QPushButton *m_redo;
};
