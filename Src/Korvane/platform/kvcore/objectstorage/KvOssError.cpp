#include "KvOssError.h"

#include <QXmlStreamReader>

KvOssError KvOssError::fromResponse(int status, const QByteArray &body, const QByteArray &requestIdHeader)
{
    KvOssError error;
    QXmlStreamReader xml(body);
    // The body is the service's, not a document of ours: no entity expansion.
    xml.setNamespaceProcessing(false);
    QString element;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::DTD || token == QXmlStreamReader::EntityReference)
            break;
        if (token == QXmlStreamReader::StartElement) {
            element = xml.name().toString();
        } else if (token == QXmlStreamReader::Characters && !xml.isWhitespace()) {
            if (element == QLatin1String("Code"))
                error.code += xml.text();
            else if (element == QLatin1String("Message"))
                error.message += xml.text();
            else if (element == QLatin1String("RequestId"))
                error.requestId += xml.text();
        } else if (token == QXmlStreamReader::EndElement) {
            element.clear();
        }
    }
    if (error.code.isEmpty())
        error.code = QStringLiteral("HttpStatus%1").arg(status);
    if (error.message.isEmpty())
        error.message = QString::fromUtf8(body.left(200)).simplified();
    if (error.requestId.isEmpty())
        error.requestId = QString::fromLatin1(requestIdHeader);
    return error;
}
