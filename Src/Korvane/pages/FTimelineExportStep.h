#pragma once

#include "KvExportMode.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QWidget;

// Export from the editing scene. A range export needs at least one clip in
// the range marked on the timeline; the project is held in the exporting
// state while the export window is open. A request made while a modal mask
// is up waits until the mask closes; a newer request replaces it.
class FTimelineExportStep : public QObject
{
    Q_OBJECT

public:
    explicit FTimelineExportStep(QObject *parent = nullptr);
    ~FTimelineExportStep() override;

    // `mainForm` carries the message and the export window.
    void request(QWidget *mainForm, int pageIndex, KvExportMode mode);
    bool isWaitingForMask() const { return m_waiting != nullptr; }

private:
    void exportNow(QWidget *mainForm, int pageIndex, KvExportMode mode);

    // Context of the waiting request: replaced at every request, so a
    // superseded one never runs.
    std::unique_ptr<QObject> m_waiting;
};
