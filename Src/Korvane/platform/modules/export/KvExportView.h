#pragma once

#include "KvExportMode.h"

#include <QString>
#include <QVector>

class QWidget;

// One request to open the export window, as the export view library got it.
struct KvExportRequest
{
    bool guided = false;       // the quick-start guide's form of the window
    int pageIndex = 0;         // the export page it opened on
    QString projectName;       // the project it exports
    int projectState = 0;      // KvProjectState while the window was open
};

// The export window of the export view library. This build has no encoder
// behind it: it records each request (and logs it) so that callers and tests
// can see what was asked, and returns as a closed window would.
void exportTimeline(QWidget *parent);
void exportShowGuideTimeline(QWidget *parent);

class KvExportRequests
{
public:
    static QVector<KvExportRequest> all();
    static void clear();
};
