#pragma once

#include <QObject>
#include <QSize>
#include <QString>

// A project template offered on the start page. Its object name is the
// template's name, the name under which the media library lists it.
class FHomeTemplateItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString templatePath READ templatePath CONSTANT)
    Q_PROPERTY(QSize frameSize READ frameSize CONSTANT)

public:
    FHomeTemplateItem(const QString &name, const QString &templatePath, const QSize &frameSize, QObject *parent = nullptr);

    QString name() const { return objectName(); }
    QString templatePath() const { return m_templatePath; }
    QSize frameSize() const { return m_frameSize; }

private:
    QString m_templatePath;
    QSize m_frameSize;
};
