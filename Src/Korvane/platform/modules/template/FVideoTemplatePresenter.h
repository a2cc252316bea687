#pragma once

#include "KvPresenter.h"
#include "KvUndoRedoService.h"

#include <QPointer>

class IKvProject;

// The logic of the template editor: the current template project, its frame
// shape (an undoable edit), and leaving it. It handles FTemplateUseMessage.
class FVideoTemplatePresenter : public KvPresenter
{
    Q_OBJECT

public:
    // `undoRedo` may be null: edits are then made without history.
    explicit FVideoTemplatePresenter(KvUndoRedoService *undoRedo, QObject *parent = nullptr);

    IKvProject *project() const;
    KvUndoRedoService *undoRedoService() const { return m_undoRedo.data(); }

    // A KvProjectAspectRatioType; false (logged) without a project or for an
    // unknown kind. The frame rate stays.
    bool setAspect(int aspect);
    // The kind the project's frame size matches, 0 for none.
    int aspect() const;

    // A modified project is offered for saving first; false when the user
    // keeps it open.
    bool backHomepage();
    bool prepareExitForUpgrade();

    bool dispatchMessage(KvMessage *message) override;

signals:
    // The project, its settings or its history changed: the view shows it again.
    void sigProjectChanged();

private:
    QPointer<KvUndoRedoService> m_undoRedo;
};
