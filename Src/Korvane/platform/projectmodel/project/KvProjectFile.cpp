#include "KvProjectFile.h"

#include "IKvBaseLog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <climits>
#include <cmath>

namespace {

bool toInt64(const QJsonValue &value, qint64 min, qint64 max, qint64 *out)
{
    if (!value.isDouble())
        return false;
    const double d = value.toDouble();
    // Beyond 2^53 a double no longer holds every integer.
    if (!std::isfinite(d) || d != std::floor(d) || d < double(min) || d > double(max) || std::fabs(d) > 9007199254740992.0)
        return false;
    *out = qint64(d);
    return true;
}

bool toInt(const QJsonValue &value, int min, int max, int *out)
{
    qint64 v = 0;
    if (!toInt64(value, min, max, &v))
        return false;
    *out = int(v);
    return true;
}

using ReadResult = KvProjectFile::ReadResult;

// Reads the file into a buffer of the size stat reported, plus one byte to
// see a file that grew since; only such a file (or one whose size is not
// known up front) makes the buffer grow, and never past one byte over the
// limit. False on a read error.
bool readBounded(QFile *file, qint64 statSize, QByteArray *bytes)
{
    const qint64 limit = KvProjectFile::kMaxFileSize + 1;
    bytes->resize(int(qBound<qint64>(1, statSize + 1, limit)));
    qint64 filled = 0;
    for (;;) {
        const qint64 n = file->read(bytes->data() + filled, bytes->size() - filled);
        if (n < 0)
            return false;
        if (n == 0)
            break;
        filled += n;
        if (filled == bytes->size()) {
            if (filled >= limit)
                break;
            bytes->resize(int(qMin(limit, filled * 2)));
        }
    }
    bytes->resize(int(filled));
    return true;
}

ReadResult shapeError(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return ReadResult::WrongShape;
}

} // namespace

QString KvProjectFile::formatTag()
{
    return QStringLiteral("korvane-project");
}

const char *KvProjectFile::resultName(ReadResult result)
{
    switch (result) {
    case ReadResult::Ok: return "ok";
    case ReadResult::Missing: return "missing";
    case ReadResult::NotAFile: return "not a file";
    case ReadResult::Unreadable: return "unreadable";
    case ReadResult::TooLarge: return "too large";
    case ReadResult::NotJson: return "not JSON";
    case ReadResult::WrongShape: return "wrong shape";
    case ReadResult::NewerVersion: return "newer version";
    }
    return "?";
}

KvProjectFile::ReadResult KvProjectFile::read(const QString &path, KvProjectData *data, QString *error)
{
    QString why;
    ReadResult result = ReadResult::Ok;
    const QFileInfo info(path);
    QByteArray bytes;
    if (path.isEmpty() || !info.exists()) {
        result = ReadResult::Missing;
        why = QStringLiteral("no such file");
    } else if (!info.isFile()) {
        result = ReadResult::NotAFile;
        why = QStringLiteral("not a regular file");
    } else if (info.size() > kMaxFileSize) {
        result = ReadResult::TooLarge;
        why = QStringLiteral("%1 bytes, at most %2 allowed").arg(info.size()).arg(kMaxFileSize);
    } else {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            result = ReadResult::Unreadable;
            why = file.errorString();
        } else {
            if (!readBounded(&file, info.size(), &bytes)) {
                result = ReadResult::Unreadable;
                why = file.errorString();
            } else if (bytes.size() > kMaxFileSize) {
                result = ReadResult::TooLarge;
                why = QStringLiteral("more than %1 bytes").arg(kMaxFileSize);
            }
        }
    }
    if (result == ReadResult::Ok)
        result = parse(bytes, info.absolutePath(), data, &why);
    if (result != ReadResult::Ok)
        KV_LOG_ERROR("cannot read project \"%s\": %s (%s)", KV_CSTR(path), resultName(result), KV_CSTR(why));
    if (error)
        *error = why;
    return result;
}

KvProjectFile::ReadResult KvProjectFile::parse(const QByteArray &json, const QString &baseDir, KvProjectData *data,
                                               QString *error)
{
    if (json.trimmed().isEmpty()) {
        if (error)
            *error = QStringLiteral("empty file");
        return ReadResult::NotJson;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        if (error)
            *error = QStringLiteral("%1 at offset %2").arg(parseError.errorString()).arg(parseError.offset);
        return ReadResult::NotJson;
    }
    if (!doc.isObject())
        return shapeError(error, QStringLiteral("the top level is not an object"));
    const QJsonObject root = doc.object();
    if (root.value(QLatin1String("format")).toString() != formatTag())
        return shapeError(error, QStringLiteral("not a project file (format tag missing)"));
    int version = 0;
    if (!toInt(root.value(QLatin1String("version")), 1, INT_MAX, &version))
        return shapeError(error, QStringLiteral("missing or invalid version"));
    if (version > kFormatVersion) {
        if (error)
            *error = QStringLiteral("format version %1, this editor reads up to %2").arg(version).arg(kFormatVersion);
        return ReadResult::NewerVersion;
    }

    KvProjectData result;
    const QJsonValue name = root.value(QLatin1String("name"));
    if (!name.isUndefined() && !name.isString())
        return shapeError(error, QStringLiteral("name is not a string"));
    result.name = name.toString();

    int type = 0;
    const QJsonValue typeValue = root.value(QLatin1String("type"));
    if (!typeValue.isUndefined()) {
        if (!toInt(typeValue, int(KvProjectType::Normal), int(KvProjectType::InstantMode), &type))
            return shapeError(error, QStringLiteral("unknown project type"));
    }
    result.type = KvProjectType(type);

    const QJsonValue settingsValue = root.value(QLatin1String("settings"));
    if (!settingsValue.isObject())
        return shapeError(error, QStringLiteral("settings missing"));
    const QJsonObject settings = settingsValue.toObject();
    if (!toInt(settings.value(QLatin1String("width")), 0, INT_MAX, &result.settings.width)
        || !toInt(settings.value(QLatin1String("height")), 0, INT_MAX, &result.settings.height)
        || !settings.value(QLatin1String("frameRate")).isDouble())
        return shapeError(error, QStringLiteral("settings need integer width, height and a numeric frameRate"));
    result.settings.frameRate = settings.value(QLatin1String("frameRate")).toDouble();

    const QJsonValue mediaValue = root.value(QLatin1String("media"));
    if (!mediaValue.isUndefined() && !mediaValue.isArray())
        return shapeError(error, QStringLiteral("media is not a list"));
    const QDir base(baseDir);
    for (const QJsonValue &entry : mediaValue.toArray()) {
        const QJsonValue path = entry.toObject().value(QLatin1String("path"));
        if (!entry.isObject() || !path.isString() || path.toString().isEmpty())
            return shapeError(error, QStringLiteral("media %1 has no path").arg(result.mediaPaths.size()));
        result.mediaPaths << QDir::cleanPath(base.absoluteFilePath(path.toString()));
    }

    const QJsonValue clipsValue = root.value(QLatin1String("clips"));
    if (!clipsValue.isUndefined() && !clipsValue.isArray())
        return shapeError(error, QStringLiteral("clips is not a list"));
    for (const QJsonValue &entry : clipsValue.toArray()) {
        const QJsonObject clip = entry.toObject();
        KvTimelineClip c;
        if (!entry.isObject() || !toInt(clip.value(QLatin1String("media")), INT_MIN, INT_MAX, &c.mediaIndex)
            || !toInt(clip.value(QLatin1String("track")), INT_MIN, INT_MAX, &c.track)
            || !toInt64(clip.value(QLatin1String("start")), LLONG_MIN, LLONG_MAX, &c.startMs)
            || !toInt64(clip.value(QLatin1String("in")), LLONG_MIN, LLONG_MAX, &c.inMs)
            || !toInt64(clip.value(QLatin1String("out")), LLONG_MIN, LLONG_MAX, &c.outMs))
            return shapeError(error, QStringLiteral("clip %1 needs integer media, track, start, in and out")
                                         .arg(result.clips.size()));
        const QJsonValue volume = clip.value(QLatin1String("volume"));
        if (!volume.isUndefined() && !toInt(volume, INT_MIN, INT_MAX, &c.volume))
            return shapeError(error, QStringLiteral("clip %1 has a volume that is not an integer").arg(result.clips.size()));
        result.clips << c;
    }

    const QJsonValue effectsValue = root.value(QLatin1String("effects"));
    if (!effectsValue.isUndefined() && !effectsValue.isArray())
        return shapeError(error, QStringLiteral("effects is not a list"));
    for (const QJsonValue &effect : effectsValue.toArray()) {
        if (!effect.isString() || effect.toString().isEmpty())
            return shapeError(error, QStringLiteral("effect names must be non-empty strings"));
        result.requiredEffects << effect.toString();
    }

    const QString invalid = result.validate();
    if (!invalid.isEmpty())
        return shapeError(error, invalid);
    if (data)
        *data = result;
    return ReadResult::Ok;
}

QByteArray KvProjectFile::serialize(const KvProjectData &data)
{
    QJsonObject root;
    root.insert(QStringLiteral("format"), formatTag());
    root.insert(QStringLiteral("version"), kFormatVersion);
    root.insert(QStringLiteral("name"), data.name);
    root.insert(QStringLiteral("type"), int(data.type));
    root.insert(QStringLiteral("settings"), QJsonObject{{QStringLiteral("width"), data.settings.width},
                                                        {QStringLiteral("height"), data.settings.height},
                                                        {QStringLiteral("frameRate"), data.settings.frameRate}});
    QJsonArray media;
    for (const QString &path : data.mediaPaths)
        media.append(QJsonObject{{QStringLiteral("path"), path}});
    root.insert(QStringLiteral("media"), media);
    QJsonArray clips;
    for (const KvTimelineClip &clip : data.clips) {
        clips.append(QJsonObject{{QStringLiteral("media"), clip.mediaIndex},
                                 {QStringLiteral("track"), clip.track},
                                 {QStringLiteral("start"), double(clip.startMs)},
                                 {QStringLiteral("in"), double(clip.inMs)},
                                 {QStringLiteral("out"), double(clip.outMs)},
                                 {QStringLiteral("volume"), clip.volume}});
    }
    root.insert(QStringLiteral("clips"), clips);
    root.insert(QStringLiteral("effects"), QJsonArray::fromStringList(data.requiredEffects));
    root.insert(QStringLiteral("savedAt"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool KvProjectFile::write(const QString &path, const KvProjectData &data, QString *error)
{
    QString why = data.validate();
    if (why.isEmpty()) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            why = file.errorString();
        } else {
            const QByteArray bytes = serialize(data);
            if (file.write(bytes) != bytes.size() || !file.commit())
                why = file.errorString();
        }
    }
    if (!why.isEmpty()) {
        KV_LOG_ERROR("cannot write project \"%s\": %s", KV_CSTR(path), KV_CSTR(why));
        if (error)
            *error = why;
        return false;
    }
    return true;
}
