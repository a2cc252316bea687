#pragma once

#include <QJsonObject>
#include <QString>

// The pressure-test results kept between starts ("/out.json"): one JSON
// object, keyed by GPU, whose entry is the pressure test's own record for a
// GPU that passed and an empty object for one that failed.
//
// Anything the cache cannot vouch for (a file that is not JSON, not an
// object, too large, or an entry that is not an object) reads as "not
// tested", so the GPU is tested again; it never reads as "works".
class FGpuTestCache
{
public:
    enum class Entry {
        NotTested,
        Passed,
        Failed,
    };

    // Larger files are not read (and are replaced at the next failure).
    static constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

    explicit FGpuTestCache(const QString &path);

    QString path() const { return m_path; }

    Entry entry(const QString &key) const;
    // Every result, empty when the file is missing or unusable.
    QJsonObject results() const;
    // Records `key` as failed: an empty object, the other keys kept. The file
    // is replaced atomically; false (logged) when it cannot be written.
    bool markFailed(const QString &key) const;

private:
    // The file's object; `usable` false when it exists but cannot be used.
    QJsonObject read(bool *usable = nullptr) const;

    QString m_path;
};
