#include "FShareDescription.h"

#include <QFile>
#include <QXmlStreamReader>

int FShareDescription::kind() const
{
    bool ok = false;
    const int value = assertion.trimmed().toInt(&ok, 10);
    return ok ? value : -1;
}

FShareDescription::ReadResult FShareDescription::read(const QString &file, FShareDescription *description,
                                                      QString *why)
{
    QFile device(file);
    if (!device.open(QIODevice::ReadOnly)) {
        *why = device.errorString();
        return CannotOpen;
    }
    return parse(device, description, why);
}

FShareDescription::ReadResult FShareDescription::parse(QIODevice &device, FShareDescription *description,
                                                       QString *why)
{
    *description = FShareDescription();
    QXmlStreamReader xml(&device);
    // Element names from the root down; only the three known leaves are read.
    QStringList path;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            *why = QStringLiteral("the file declares a document type; share descriptions never do");
            return Refused;
        case QXmlStreamReader::EntityReference:
            *why = QStringLiteral("the file refers to the entity \"%1\"").arg(xml.name().toString());
            return Refused;
        case QXmlStreamReader::StartElement: {
            path << xml.name().toString();
            const QString where = path.mid(1).join(QLatin1Char('/'));
            QString *field = where == QLatin1String("share_id")         ? &description->shareId
                             : where == QLatin1String("file_name")      ? &description->fileName
                             : where == QLatin1String("tags/assertion") ? &description->assertion
                                                                        : nullptr;
            if (field) {
                *field = xml.readElementText().trimmed();
                path.removeLast();
            }
            break;
        }
        case QXmlStreamReader::EndElement:
            if (!path.isEmpty())
                path.removeLast();
            break;
        default:
            break;
        }
    }
    if (xml.hasError()) {
        *why = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
        return Malformed;
    }
    return Ok;
}
