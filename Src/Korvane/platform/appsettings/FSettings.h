#pragma once

#include "FEditingSettings.h"
#include "FFolderSettings.h"
#include "FGeneralSettings.h"
#include "FPerformanceSettings.h"
#include "KvSaveSettings.h"

#include <QVector>

// The five preference groups. A value: copy it to edit a snapshot, assign it
// back to KvAppSettings::GetSettings() to commit.
class FSettings
{
public:
    FGeneralSettings &GetGeneralSetting() { return m_general; }
    const FGeneralSettings &GetGeneralSetting() const { return m_general; }
    FFolderSettings &GetFolderSettings() { return m_folder; }
    const FFolderSettings &GetFolderSettings() const { return m_folder; }
    FEditingSettings &GetEditingSettings() { return m_editing; }
    const FEditingSettings &GetEditingSettings() const { return m_editing; }
    KvSaveSettings &GetSaveSettings() { return m_save; }
    const KvSaveSettings &GetSaveSettings() const { return m_save; }
    FPerformanceSettings &GetPerformanceSettings() { return m_performance; }
    const FPerformanceSettings &GetPerformanceSettings() const { return m_performance; }

    // Every group, in a fixed order.
    QVector<KvAppSettingsGroup *> groups() { return {&m_general, &m_folder, &m_editing, &m_save, &m_performance}; }
    QVector<const KvAppSettingsGroup *> groups() const
    {
        return {&m_general, &m_folder, &m_editing, &m_save, &m_performance};
    }

private:
    FGeneralSettings m_general;
    FFolderSettings m_folder;
    FEditingSettings m_editing;
    KvSaveSettings m_save;
    FPerformanceSettings m_performance;
};
