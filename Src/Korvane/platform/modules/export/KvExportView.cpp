#include "KvExportView.h"

#include "IKvBaseLog.h"
#include "IKvProjectManager.h"
#include "KvConfig.h"
#include "KvProjectStateWraper.h"

namespace {

QVector<KvExportRequest> &requests()
{
    static QVector<KvExportRequest> s_requests;
    return s_requests;
}

void record(bool guided)
{
    KvExportRequest request;
    request.guided = guided;
    request.pageIndex = KvConfig::Instance()->GetExportPageIndex();
    if (IKvProjectManager::hasInstance()) {
        if (IKvProject *project = IKvProjectManager::getInstance()->currentProject())
            request.projectName = project->name();
    }
    request.projectState = int(KvProjectStateWraper::currentState());
    requests().append(request);
    KV_LOG_INFO("export window%s: page %d, project \"%s\"", guided ? " (guide)" : "", request.pageIndex,
                KV_CSTR(request.projectName));
}

} // namespace

void exportTimeline(QWidget *)
{
    record(false);
}

void exportShowGuideTimeline(QWidget *)
{
    record(true);
}

QVector<KvExportRequest> KvExportRequests::all()
{
    return requests();
}

void KvExportRequests::clear()
{
    requests().clear();
}
