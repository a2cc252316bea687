#pragma once

#include <QObject>

// Shows the editor's tool tips with the skin's palette; one per process.
class KvToolTipHelper : public QObject
{
    Q_OBJECT

public:
    static KvToolTipHelper *GetInstance();

private:
    KvToolTipHelper();
};
