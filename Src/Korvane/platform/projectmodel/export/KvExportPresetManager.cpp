#include "KvExportPresetManager.h"

#include "IKvBaseLog.h"

KvExportPresetManager *KvExportPresetManager::instance()
{
    // Created once on any thread; immutable afterwards.
    static KvExportPresetManager manager;
    return &manager;
}

KvExportPresetManager::KvExportPresetManager()
    : m_presets{{QStringLiteral("MP4 1080p"), QStringLiteral("mp4"), 1920, 1080, 30, 12000},
                {QStringLiteral("MP4 720p"), QStringLiteral("mp4"), 1280, 720, 30, 6000},
                {QStringLiteral("MP4 4K"), QStringLiteral("mp4"), 3840, 2160, 30, 40000},
                {QStringLiteral("MOV 1080p"), QStringLiteral("mov"), 1920, 1080, 30, 16000},
                {QStringLiteral("WebM 1080p"), QStringLiteral("webm"), 1920, 1080, 30, 8000},
                {QStringLiteral("Vertical 1080x1920"), QStringLiteral("mp4"), 1080, 1920, 30, 12000}}
{
    KV_LOG_INFO("export presets: %d", int(m_presets.size()));
}
