#include "FTranslations.h"

#include <QtGlobal>

// Q_INIT_RESOURCE may not stand inside a namespace or a class.
static void initCatalogueResource()
{
    Q_INIT_RESOURCE(korvane_translations);
}

void FTranslations::init()
{
    static const bool done = [] {
        initCatalogueResource();
        return true;
    }();
    Q_UNUSED(done);
}
