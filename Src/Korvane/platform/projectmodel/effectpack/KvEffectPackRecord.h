#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// An installed effect pack: a folder directly inside an effect pack folder
// that holds a "Config.json":
//
//   {"pack_info": {"id": <store id>}, (or "id": "<pack id>")
//    "name": {"en": "Light Leaks", "de": "Lichtlecks", ...} | "Light Leaks",
//    "resources": ["<effect id>", ...]}
//
// The resources are the effects the pack brings, as a project names them
// among its required effects.
struct KvEffectPackRecord
{
    QString folder;
    QString id;
    // Language code ("en", "zh_CN") to name.
    QMap<QString, QString> names;
    QStringList resources;
    // Every file below the folder, in bytes.
    qint64 size = 0;

    // The name for `languageCode`: that language, else its base language
    // ("zh" for "zh_CN"), else English, else any, else the folder's name.
    QString name(const QString &languageCode) const;
};
