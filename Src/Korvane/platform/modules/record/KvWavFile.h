#pragma once

#include <QString>

// Canonical 16-bit PCM RIFF/WAVE files: the voice-over stand-in writes them,
// speech and silence jobs read them back.
class KvWavFile
{
public:
    struct Format
    {
        int sampleRate = 44100;
        int channels = 1;
        int bitsPerSample = 16;
        quint32 dataBytes = 0;

        qint64 durationMs() const;
    };

    // Writes `durationMs` of silence, atomically. False, with `error` set,
    // when the file cannot be written or the length is negative or too long
    // for a RIFF file.
    static bool writeSilence(const QString &path, qint64 durationMs, const Format &format, QString *error = nullptr);
    // At 44.1 kHz mono.
    static bool writeSilence(const QString &path, qint64 durationMs, QString *error = nullptr);
    // Reads the header of a PCM file. False for anything that is not a
    // complete 16-bit PCM RIFF/WAVE header or whose data chunk is truncated.
    // `dataOffset` receives where the samples begin.
    static bool readFormat(const QString &path, Format *format, QString *error = nullptr, qint64 *dataOffset = nullptr);
};
