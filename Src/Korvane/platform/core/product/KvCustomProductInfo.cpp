#include "KvCustomProductInfo.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

QString KvCustomProductInfo::FGetCustomMainPID()
{
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/configs/product.ini");
    if (!QFileInfo::exists(path))
        return {};
    QSettings settings(path, QSettings::IniFormat);
    return settings.value(QStringLiteral("Product/CustomMainPID")).toString().trimmed();
}
