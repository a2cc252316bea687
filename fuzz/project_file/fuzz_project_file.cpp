// A project file of any content opened from disk. What opens must be
// consistent, and saving it and opening that again must give the same
// project (nothing read is lost or changed by a save).

#include "KvFuzz.h"
#include "KvProjectFile.h"

#include <QFileInfo>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    KvFuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = KvFuzz::writeInput(QStringLiteral("project.kvproj"), data, size);
    KvProjectData project;
    QString error;
    const KvProjectFile::ReadResult result = KvProjectFile::read(path, &project, &error);
    KV_FUZZ_CHECK(KvProjectFile::resultName(result) != nullptr);

    // The same bytes in memory give the same verdict.
    KvProjectData inMemory;
    const KvProjectFile::ReadResult memoryResult =
        KvProjectFile::parse(KvFuzz::bytes(data, size), QFileInfo(path).absolutePath(), &inMemory, &error);
    KV_FUZZ_CHECK(memoryResult == result);
    if (result != KvProjectFile::ReadResult::Ok)
        return 0;
    KV_FUZZ_CHECK(inMemory == project);
    KV_FUZZ_CHECK(project.validate().isEmpty());
    project.durationMs();

    KvProjectData reopened;
    KV_FUZZ_CHECK(KvProjectFile::parse(KvProjectFile::serialize(project), QFileInfo(path).absolutePath(), &reopened,
                                       &error)
                  == KvProjectFile::ReadResult::Ok);
    KV_FUZZ_CHECK(reopened == project);
    return 0;
}
