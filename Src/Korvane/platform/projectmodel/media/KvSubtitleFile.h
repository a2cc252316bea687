#pragma once

#include <QString>
#include <QVector>

// A SubRip subtitle file (".srt"): numbered cues with a time range and text.
// Imported like any medium; its clips are text clips of the timeline.
class KvSubtitleFile
{
public:
    struct Cue
    {
        qint64 startMs = 0;
        qint64 endMs = 0;
        QString text;
    };

    // Larger files are not subtitles anyone writes by hand; they are refused.
    static constexpr qint64 kMaxFileSize = 8 * 1024 * 1024;

    // The cues in file order; cues without a valid time line are skipped.
    // Empty for a missing, unreadable or oversized file.
    static QVector<Cue> read(const QString &path);
    static QVector<Cue> parse(const QString &text);
    // The text shown at `ms`, empty between cues.
    static QString textAt(const QVector<Cue> &cues, qint64 ms);
};
