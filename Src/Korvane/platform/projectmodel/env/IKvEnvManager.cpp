#include "IKvEnvManager.h"

#include "IKvAppInfo.h"
#include "KvAppInfoId.h"
#include "KvMediaLibraryUtils.h"

#include <QDirIterator>

#include "IKvBaseLog.h"

#include <mutex>

namespace {

class KvEnvManager final : public IKvEnvManager
{
public:
    bool init(const KvEnvRecord &record) override
    {
        if (record.values.size() != KvEnvRecord::kValueCount) {
            KV_LOG_ERROR("environment record has %d values, %d expected", int(record.values.size()),
                         KvEnvRecord::kValueCount);
            return false;
        }
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_initialized)
            KV_LOG_INFO("environment initialised again; the new record replaces the old one");
        for (int i = 0; i < record.values.size(); ++i)
            KV_LOG_INFO("environment value %d: \"%s\"", i, KV_CSTR(record.values.at(i)));
        KV_LOG_INFO("environment flag: %d", int(record.flag));
        m_record = record;
        m_initialized = true;
        return true;
    }

    void uninit() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_initialized)
            return;
        m_record = KvEnvRecord();
        m_initialized = false;
        KV_LOG_INFO("environment released");
    }

    bool isInitialized() const override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_initialized;
    }

    KvEnvRecord record() const override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_record;
    }

    void setSafeMode(bool safeMode) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_safeMode != safeMode)
            KV_LOG_INFO("engine safe mode: %d", int(safeMode));
        m_safeMode = safeMode;
    }

    bool isSafeMode() const override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_safeMode;
    }

    int loadFonts() override
    {
        const QStringList folders = {IKvAppInfo::getInstance()->getString(KvAppInfoId::InstalledFontsDir),
                                     IKvAppInfo::getInstance()->getString(KvAppInfoId::UserFontsDir)};
        QStringList files;
        for (const QString &folder : folders) {
            if (folder.isEmpty())
                continue;
            QDirIterator it(folder, {QStringLiteral("*.ttf"), QStringLiteral("*.otf"), QStringLiteral("*.ttc")},
                            QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                files << it.next();
        }
        std::lock_guard<std::mutex> lock(m_mutex);
        m_fontFiles = files;
        KV_LOG_INFO("fonts: %d files", int(files.size()));
        return int(files.size());
    }
    QStringList fontFiles() const override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_fontFiles;
    }
    bool initDecoder() override
    {
        KV_LOG_INFO("decoder: %d video, %d audio, %d image kinds", int(KvMediaLibraryUtils::videoSuffixes().size()),
                    int(KvMediaLibraryUtils::audioSuffixes().size()), int(KvMediaLibraryUtils::imageSuffixes().size()));
        return true;
    }

private:
    QStringList m_fontFiles;
    mutable std::mutex m_mutex;
    KvEnvRecord m_record;
    bool m_initialized = false;
    bool m_safeMode = false;
};

// Not a KvLazySingleton on purpose: shutdown releases the environment manager by
// name, in its fixed place after every lazy singleton is gone; releasing all
// lazy singletons must not take it earlier.
std::mutex s_mutex;
KvEnvManager *s_instance = nullptr;

} // namespace

IKvEnvManager *IKvEnvManager::getInstance()
{
    std::lock_guard<std::mutex> lock(s_mutex);
    if (!s_instance)
        s_instance = new KvEnvManager;
    return s_instance;
}

void IKvEnvManager::releaseInstance()
{
    KvEnvManager *instance = nullptr;
    {
        std::lock_guard<std::mutex> lock(s_mutex);
        std::swap(instance, s_instance);
    }
    delete instance;
}
