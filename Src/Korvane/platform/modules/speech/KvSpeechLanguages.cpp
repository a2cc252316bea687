#include "KvSpeechLanguages.h"

#include <QCoreApplication>
#include <QStringList>

QVector<QPair<QString, QString>> KvSpeechLanguages::languages()
{
    return {
        {"en-US", QCoreApplication::translate("KvSpeechLanguages", "English (United States)")},
        {"en-GB", QCoreApplication::translate("KvSpeechLanguages", "English (United Kingdom)")},
        {"de-DE", QCoreApplication::translate("KvSpeechLanguages", "German")},
        {"fr-FR", QCoreApplication::translate("KvSpeechLanguages", "French")},
        {"es-ES", QCoreApplication::translate("KvSpeechLanguages", "Spanish")},
        {"ja-JP", QCoreApplication::translate("KvSpeechLanguages", "Japanese")},
    };
}

QStringList KvSpeechLanguages::voices(const QString &language)
{
    for (const auto &entry : languages()) {
        if (entry.first == language)
            return {language + "-Female", language + "-Male"};
    }
    return {};
}
