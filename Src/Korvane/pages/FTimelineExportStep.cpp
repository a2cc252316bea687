#include "FTimelineExportStep.h"

#include "FMaskManager.h"
#include "FMessageDialog.h"
#include "IKvBaseLog.h"
#include "IKvProjectManager.h"
#include "KvCheck.h"
#include "KvClipFinder.h"
#include "KvConfig.h"
#include "KvCustomProductInfo.h"
#include "KvExportView.h"
#include "KvProjectStateWraper.h"
#include "KvTimelineSelection.h"

#include <QWidget>

FTimelineExportStep::FTimelineExportStep(QObject *parent)
    : QObject(parent)
{
}

FTimelineExportStep::~FTimelineExportStep() = default;

void FTimelineExportStep::request(QWidget *mainForm, int pageIndex, KvExportMode mode)
{
    m_waiting.reset();
    if (!FMaskManager::IsMaskVisible()) {
        exportNow(mainForm, pageIndex, mode);
        return;
    }
    KV_LOG_INFO("export waits for the mask to close");
    m_waiting = std::make_unique<QObject>();
    QPointer<QWidget> form(mainForm);
    // Queued: the mask finishes closing before the export window opens.
    connect(FMaskManager::instance(), &FMaskManager::sigMaskVisibleChanged, m_waiting.get(),
            [this, form, pageIndex, mode](bool visible) {
                if (visible)
                    return;
                m_waiting.release()->deleteLater();
                if (form)
                    request(form, pageIndex, mode);
                else
                    KV_LOG_INFO("export dropped: the editing window is gone");
            },
            Qt::QueuedConnection);
}

void FTimelineExportStep::exportNow(QWidget *mainForm, int pageIndex, KvExportMode mode)
{
    IKvProject *project = IKvProjectManager::getInstance()->currentProject();
    KV_CHECK(project, return);
    if (mode == KvExportMode::Range) {
        const KvTimelineRange range = KvTimelineSelection::instance()->range();
        if (KvClipFinder::findClips(project->clips(), range).isEmpty()) {
            KV_LOG_INFO("range export refused: no clip in [%lld, %lld)", range.inMs, range.outMs);
            FMessageDialog::information(mainForm, KvCustomProductInfo::FGetProductName(),
                                        tr("Please keep at least one clip in the selected range."),
                                        QStringLiteral("FTimelineExportStep_EmptyRange"));
            return;
        }
    }
    KvConfig::Instance()->SetExportPageIndex(pageIndex);
    KvProjectStateWraper state(psExporting);
    if (FMaskManager::instance()->isGuideRunning())
        exportShowGuideTimeline(mainForm);
    else
        exportTimeline(mainForm);
}
