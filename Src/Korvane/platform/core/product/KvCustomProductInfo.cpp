#include "KvCustomProductInfo.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace {
QString productValue(const QString &key)
{
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/configs/product.ini");
    if (!QFileInfo::exists(path))
        return {};
    QSettings settings(path, QSettings::IniFormat);
    return settings.value(QStringLiteral("Product/") + key).toString().trimmed();
}
} // namespace

QString KvCustomProductInfo::FGetCustomMainPID()
{
    return productValue(QStringLiteral("CustomMainPID"));
}

QString KvCustomProductInfo::FGetProductName()
{
    const QString name = productValue(QStringLiteral("ProductName"));
    return name.isEmpty() ? QStringLiteral("Tessaracorp Korvane X") : name;
}
