#include "KvScheduleProject.h"

#include "KvScheduleGraph.h"
#include "KvScheduleProjectPrivate.h"

KvScheduleProject::KvScheduleProject(KvScheduleGraph graph)
    : d(std::make_unique<KvScheduleProjectPrivate>(this, std::move(graph)))
{
}

KvScheduleProject::~KvScheduleProject() = default;

void KvScheduleProject::start()
{
    d->start();
}

void KvScheduleProject::waitForFinished()
{
    d->waitForFinished();
}

bool KvScheduleProject::isFinished() const
{
    return d->isFinished();
}

int KvScheduleProject::taskCount() const
{
    return d->taskNames().size();
}

QStringList KvScheduleProject::taskNames() const
{
    return d->taskNames();
}
