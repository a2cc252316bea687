#pragma once

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <QByteArray>
#include <QList>
#include <QString>

// Writes zip archives for the tests, including ones no honest archiver makes.
struct TestZipEntry
{
    QString name;
    QByteArray data;
    quint32 externalAttr = 0;
};

inline bool writeTestZip(const QString &path, const QList<TestZipEntry> &entries, bool stored = false)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate))
        return false;
    for (const TestZipEntry &entry : entries) {
        QuaZipNewInfo info(entry.name);
        info.externalAttr = entry.externalAttr;
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, info, nullptr, 0, stored ? 0 : Z_DEFLATED))
            return false;
        file.write(entry.data);
        file.close();
        if (file.getZipError() != ZIP_OK)
            return false;
    }
    zip.close();
    return zip.getZipError() == ZIP_OK;
}

inline QByteArray tipXml(const QString &language, const QStringList &values)
{
    QByteArray xml = "<startTips><lan lan=\"" + language.toUtf8() + "\">";
    for (const QString &value : values)
        xml += "<Tips value=\"" + value.toUtf8() + "\"/>";
    return xml + "</lan></startTips>";
}
