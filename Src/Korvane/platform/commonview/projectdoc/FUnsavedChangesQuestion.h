#pragma once

#include "FProjectDocProxy.h"

class QWidget;

// Asks whether the unsaved changes of `projectName` are saved, dropped, or
// the project stays open (Save is the default; dismissing keeps it open).
FProjectDocProxy::CloseDecision askUnsavedChanges(QWidget *parent, const QString &projectName);
