#pragma once

#include <QList>
#include <QString>

// One export format the export panel offers.
struct KvExportPreset
{
    QString name;
    QString container;
    int width = 0;
    int height = 0;
    int frameRate = 0;
    int videoKbps = 0;
};

// The export presets: the built-in ones, shared by every export panel.
class KvExportPresetManager
{
public:
    static KvExportPresetManager *instance();

    QList<KvExportPreset> presets() const { return m_presets; }

private:
    KvExportPresetManager();
    QList<KvExportPreset> m_presets;
};
