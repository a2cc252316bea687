#include "FUnsavedChangesQuestion.h"

#include "FMessageDialog.h"

#include <QCoreApplication>

FProjectDocProxy::CloseDecision askUnsavedChanges(QWidget *parent, const QString &projectName)
{
    FMessageDialog box(parent);
    box.setObjectName(QStringLiteral("FProjectDocProxy_UnsavedChangesBox"));
    box.setKind(FMessageDialog::Question);
    box.setTitle(QCoreApplication::applicationName());
    box.setText(FProjectDocProxy::tr("The project \"%1\" has unsaved changes. Do you want to save them?")
                    .arg(projectName.isEmpty() ? FProjectDocProxy::tr("Untitled") : projectName));
    // The first button is the default one (Enter).
    box.addButton(FProjectDocProxy::tr("Save"), FMessageDialog::Yes);
    box.addButton(FProjectDocProxy::tr("Don't Save"), FMessageDialog::No);
    box.addButton(FProjectDocProxy::tr("Cancel"), FMessageDialog::Cancel);
    switch (box.DoModal()) {
    case FMessageDialog::Yes: return FProjectDocProxy::CloseDecision::Save;
    case FMessageDialog::No: return FProjectDocProxy::CloseDecision::Discard;
    default: return FProjectDocProxy::CloseDecision::Cancel;
    }
}
