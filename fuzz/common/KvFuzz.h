#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What every fuzz target shares: the process set-up done once from
// LLVMFuzzerInitialize, a private folder for parsers that only take a path,
// and a check that turns a broken invariant into a crash the fuzzer keeps.
namespace KvFuzz {

// A QCoreApplication (made once, never destroyed) and the private folder.
void init(int *argc, char ***argv);

// The private folder of this process; removed when the process ends normally.
QString workDir();

// Writes `data` to `name` inside the private folder, replacing what an
// earlier input left there, and returns the file's path. The same name
// gives the same path for the whole run.
QString writeInput(const QString &name, const uint8_t *data, size_t size);

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), int(size));
}

[[noreturn]] void fail(const char *condition, const char *file, int line);

} // namespace KvFuzz

// Unlike KV_CHECK (log and go on), a broken invariant must stop the run so
// that the fuzzer saves the input.
#define KV_FUZZ_CHECK(condition)                                                                                      \
    do {                                                                                                              \
        if (!(condition))                                                                                             \
            KvFuzz::fail(#condition, __FILE__, __LINE__);                                                             \
    } while (0)
