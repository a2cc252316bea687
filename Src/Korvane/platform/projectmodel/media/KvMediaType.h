#pragma once

#include <QSize>
#include <QString>

// What a medium holds. Stored nowhere: it follows from the file.
enum class KvMediaType : int {
    Unknown = 0,
    Video = 1,
    Audio = 2,
    Image = 3,
    Subtitle = 4,
};

// What the editor knows of a medium without decoding it.
namespace KvMediaProbe {

// By the file name's suffix (no file access).
KvMediaType typeBySuffix(const QString &path);
// By the file's content (reads its first bytes), the suffix breaking ties;
// Unknown for a file that holds no picture or sound. Safe on any thread.
KvMediaType typeByContent(const QString &path);
// The length a clip of the medium gets when placed whole: a WAV file's own
// length, a subtitle file up to its last cue, a still image kStillMs,
// anything else kDefaultMs (nothing here decodes video or compressed audio).
qint64 naturalDurationMs(const QString &path, KvMediaType type);
// Pixel size of an image (read from its header), else 1920 x 1080 for video
// and 0 x 0 for sound or a file that cannot be read.
QSize frameSize(const QString &path, KvMediaType type);
// "Video", "Audio", "Image", "Subtitle", "Unknown" for the user.
QString typeName(KvMediaType type);

constexpr qint64 kStillMs = 5000;
constexpr qint64 kDefaultMs = 10000;
// A WAV header announcing more than this is not believed.
constexpr qint64 kMaxWavMs = 24LL * 3600 * 1000;

} // namespace KvMediaProbe
