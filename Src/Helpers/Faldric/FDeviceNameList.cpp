#include "FDeviceNameList.h"

#include <QFile>
#include <QXmlStreamReader>

bool FDeviceNameList::load(const QString &path)
{
    m_names.clear();
    m_error.clear();
    if (path.isEmpty() || !QFile::exists(path))
        return true;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    QXmlStreamReader xml(&file);
    QStringList names;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("device"))
            continue;
        const QString name = xml.attributes().value(QLatin1String("name")).toString().trimmed();
        if (!name.isEmpty())
            names << name;
    }
    if (xml.hasError()) {
        m_error = QStringLiteral("%1, line %2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
        return false;
    }
    m_names = names;
    return true;
}

bool FDeviceNameList::contains(const QString &deviceName) const
{
    for (const QString &name : m_names) {
        if (deviceName.contains(name, Qt::CaseInsensitive))
            return true;
    }
    return false;
}
