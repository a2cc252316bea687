#pragma once

#include "KvMessage.h"
#include "KvMessageId.h"

#include <QObject>
#include <QPointer>
#include <QString>

// Asks template mode to start a project from a template that the start page
// offered: the start page's media object for it (may be gone by the time the
// message arrives), the template project file and the new project's name.
// The template editor marks it handled and answers whether the project opened.
class FTemplateUseMessage : public KvMessage
{
public:
    FTemplateUseMessage(QObject *templateMedia, const QString &templatePath, const QString &projectName)
        : KvMessage(KvMessageId::TemplateUse)
        , m_templateMedia(templateMedia)
        , m_templatePath(templatePath)
        , m_projectName(projectName)
    {
    }

    QObject *templateMedia() const { return m_templateMedia.data(); }
    QString templatePath() const { return m_templatePath; }
    QString projectName() const { return m_projectName; }

private:
    QPointer<QObject> m_templateMedia;
    QString m_templatePath;
    QString m_projectName;
};
