#include "FNPSHelp.h"

#include "IKvBaseLog.h"

#include <QWidget>

FNPSHelp::FNPSHelp(QObject *parent)
    : QObject(parent)
{
}

void FNPSHelp::doNPS(QWidget *parent)
{
    ++m_surveyCount;
    KV_LOG_INFO("survey over %s: no survey service on this installation, nothing shown",
                parent ? KV_CSTR(parent->objectName()) : "no window");
}
