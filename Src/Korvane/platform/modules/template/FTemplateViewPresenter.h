#pragma once

#include "KvPresenter.h"

#include <QString>
#include <QVector>

// What the template list offers: the project templates kept in the project
// template folder (application information 64), after a built-in blank
// template. Using one makes it the current (template mode) project.
class FTemplateViewPresenter : public KvPresenter
{
    Q_OBJECT

public:
    struct Entry
    {
        QString name;
        // Empty for the built-in blank template.
        QString path;
    };

    explicit FTemplateViewPresenter(QObject *parent = nullptr);

    // Template files (project, template-mode project or archive) by name;
    // only the built-in entry when the folder is unknown or missing.
    QVector<Entry> templates() const;
    // False (logged) when the project could not be made, e.g. the user kept
    // an unsaved project open.
    bool useTemplate(const Entry &entry);
};
