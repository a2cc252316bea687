#pragma once

#include <QPair>
#include <QString>
#include <QVector>

// The languages and voices the speech service offers: (code, display name).
namespace KvSpeechLanguages {

QVector<QPair<QString, QString>> languages();
// The voices of one language; empty for a code the service does not know.
QStringList voices(const QString &language);

} // namespace KvSpeechLanguages
