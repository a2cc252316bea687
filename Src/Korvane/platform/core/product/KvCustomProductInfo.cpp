#include "KvCustomProductInfo.h"

#include "KvLocale.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

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

bool KvCustomProductInfo::FCheckLanguageNeedDisplay(int languageType)
{
    if (!KvLocale::isKnownLanguage(languageType) || !KvLocale::hasCatalogue(languageType))
        return false;
    const QStringList hidden = productValue(QStringLiteral("HiddenLanguages")).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &id : hidden) {
        if (id.trimmed().toInt() == languageType)
            return languageType == KvLanguageEnglish; // English always stays, as the fallback
    }
    return true;
}
