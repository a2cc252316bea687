#include "FHomeTemplateItem.h"

FHomeTemplateItem::FHomeTemplateItem(const QString &name, const QString &templatePath, const QSize &frameSize,
                                     QObject *parent)
    : QObject(parent)
    , m_templatePath(templatePath)
    , m_frameSize(frameSize)
{
    setObjectName(name);
}
