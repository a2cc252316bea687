#include "KvMediaLibraryUtils.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

QString filter(const char *label, const QStringList &suffixes)
{
    QStringList patterns;
    for (const QString &suffix : suffixes)
        patterns << QStringLiteral("*.") + suffix;
    return QStringLiteral("%1 (%2)").arg(QCoreApplication::translate("KvMediaLibraryUtils", label),
                                         patterns.join(QLatin1Char(' ')));
}

} // namespace

QStringList KvMediaLibraryUtils::videoSuffixes()
{
    return {QStringLiteral("mp4"), QStringLiteral("mov"), QStringLiteral("mkv"),  QStringLiteral("avi"),
            QStringLiteral("wmv"), QStringLiteral("flv"), QStringLiteral("webm"), QStringLiteral("m4v"),
            QStringLiteral("mts"), QStringLiteral("m2ts"), QStringLiteral("ts"),  QStringLiteral("mpg"),
            QStringLiteral("mpeg"), QStringLiteral("3gp"), QStringLiteral("vob"), QStringLiteral("mxf")};
}

QStringList KvMediaLibraryUtils::audioSuffixes()
{
    return {QStringLiteral("mp3"), QStringLiteral("wav"), QStringLiteral("aac"), QStringLiteral("m4a"),
            QStringLiteral("flac"), QStringLiteral("ogg"), QStringLiteral("wma"), QStringLiteral("aiff"),
            QStringLiteral("opus")};
}

QStringList KvMediaLibraryUtils::imageSuffixes()
{
    return {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png"), QStringLiteral("bmp"),
            QStringLiteral("gif"), QStringLiteral("tif"),  QStringLiteral("tiff"), QStringLiteral("webp"),
            QStringLiteral("heic")};
}

QStringList KvMediaLibraryUtils::subtitleSuffixes()
{
    return {QStringLiteral("srt")};
}

QString KvMediaLibraryUtils::getImportSubtitleFilter()
{
    return filter(QT_TRANSLATE_NOOP("KvMediaLibraryUtils", "Subtitle Files"), subtitleSuffixes());
}

QString KvMediaLibraryUtils::getImportVideoFilter()
{
    return filter(QT_TRANSLATE_NOOP("KvMediaLibraryUtils", "Video Files"), videoSuffixes());
}

QString KvMediaLibraryUtils::getImportAudioFilter()
{
    return filter(QT_TRANSLATE_NOOP("KvMediaLibraryUtils", "Audio Files"), audioSuffixes());
}

QString KvMediaLibraryUtils::getImportImageFilter()
{
    return filter(QT_TRANSLATE_NOOP("KvMediaLibraryUtils", "Image Files"), imageSuffixes());
}

bool KvMediaLibraryUtils::isImportable(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return !suffix.isEmpty()
        && (videoSuffixes().contains(suffix) || audioSuffixes().contains(suffix) || imageSuffixes().contains(suffix)
               || subtitleSuffixes().contains(suffix));
}
