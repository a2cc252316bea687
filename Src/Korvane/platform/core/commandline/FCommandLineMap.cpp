#include "FCommandLineMap.h"

namespace FCommandLineMap {

QMap<QString, QString> build(const QStringList &arguments)
{
    static const QString keys[] = {kVelloqParamKey, kLaunchUrlKey, kOpenKey, kShareKey};
    QMap<QString, QString> map;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString argument = arguments.at(i).trimmed();
        if (argument.isEmpty())
            continue;
        bool matched = false;
        for (const QString &key : keys) {
            if (argument.contains(key)) {
                map.insert(key, argument);
                matched = true;
            }
        }
        if (!matched)
            map.insert(kOpenKey, argument);
    }
    return map;
}

} // namespace FCommandLineMap
