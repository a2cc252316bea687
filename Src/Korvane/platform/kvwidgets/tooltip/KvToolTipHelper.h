#pragma once

#include "KvLazySingleton.h"

#include <QObject>

// Gives the editor's tool tips the skin's colours, also where no style sheet
// reaches them, and again when the skin's palette changes. One per process.
class KvToolTipHelper : public QObject, public KvLazySingleton<KvToolTipHelper>
{
    Q_OBJECT

public:
    static KvToolTipHelper *GetInstance() { return instance(); }

private:
    friend class KvLazySingleton<KvToolTipHelper>;
    KvToolTipHelper();

    void applyPalette();
};
