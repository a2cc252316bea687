#include "FUserDetailCollectHelper.h"

#include "IKvAppInfo.h"
#include "IKvBaseLog.h"
#include "KvAppInfoId.h"
#include "KvPaths.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

FUserDetailCollectHelper::FUserDetailCollectHelper(QObject *parent)
    : QObject(parent)
{
}

FUserDetailCollectHelper::~FUserDetailCollectHelper() = default;

QStringList FUserDetailCollectHelper::choices()
{
    // Stored as they stand: reports group by these keys.
    return {"personal", "social_media", "business", "education", "other"};
}

QString FUserDetailCollectHelper::answersFilePath()
{
    QString folder = IKvAppInfo::getInstance()->getValue(KvAppInfoId::LogDir).toString();
    if (folder.isEmpty())
        folder = KvPaths::userDataDir() + "/log";
    return QDir(folder).filePath("user_detail.jsonl");
}

bool FUserDetailCollectHelper::shouldAsk() const
{
    return !QFileInfo::exists(answersFilePath());
}

bool FUserDetailCollectHelper::collect(const QString &answer)
{
    if (!choices().contains(answer)) {
        KV_LOG_ERROR("unknown answer \"%s\" not stored", KV_CSTR(answer));
        return false;
    }
    const QString path = answersFilePath();
    QFile file(path);
    const QJsonObject line{{"time", QDateTime::currentDateTimeUtc().toString(Qt::ISODate)}, {"purpose", answer}};
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !file.open(QIODevice::Append | QIODevice::Text)
        || file.write(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n') <= 0) {
        KV_LOG_ERROR("answer could not be stored in \"%s\": %s", KV_CSTR(path), KV_CSTR(file.errorString()));
        return false;
    }
    return true;
}
