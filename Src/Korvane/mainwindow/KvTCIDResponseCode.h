#pragma once

#include <QMetaType>
#include <QString>

// An account-service answer as the title bar passes it on: what kind of
// answer, how it ended, a value that goes with it and a text.
struct KvTCIDResponseCode
{
    int type = 0;
    int code = 0;
    int value = 0;
    QString text;
};
Q_DECLARE_METATYPE(KvTCIDResponseCode)
