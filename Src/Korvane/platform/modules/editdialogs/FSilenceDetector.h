#pragma once

#include <QString>
#include <QVector>

#include <atomic>

// Finds the quiet stretches of a 16-bit PCM WAV file: runs of 10 ms windows
// whose loudest sample stays below a threshold, kept when at least a given
// length. Pure file work, safe on any thread.
class FSilenceDetector
{
public:
    struct Range
    {
        qint64 beginMs = 0;
        qint64 endMs = 0;
        bool operator==(const Range &other) const { return beginMs == other.beginMs && endMs == other.endMs; }
    };

    static constexpr int kWindowMs = 10;

    // thresholdDb is relative to full scale (e.g. -40). False, with `error`
    // set, for a file that is not 16-bit PCM WAV, and when `cancel` is set
    // while the file is read.
    static bool detect(const QString &path, double thresholdDb, qint64 minSilenceMs, QVector<Range> *ranges,
                       QString *error = nullptr, const std::atomic_bool *cancel = nullptr);
};
