#pragma once

#include "KvUIView.h"

#include <QWidget>

class IKvProject;

// Base of the editing modules: a widget view that shows the project
// manager's current project and follows it when the scene announces another
// project or a change of the modified mark, and whenever it is shown. Those
// notices are left unhandled so that every module sees them.
class FEditingModuleWidget : public QWidget, public KvUIView
{
    Q_OBJECT

public:
    explicit FEditingModuleWidget(QWidget *parent = nullptr);

    void refresh();
    bool dispatchMessage(KvMessage *message) override;

protected:
    void showEvent(QShowEvent *event) override;
    // `project` is null when none is open.
    virtual void showProject(IKvProject *project) = 0;
};
