#pragma once

#include "KvEffectPackRecord.h"

#include <QMutex>
#include <QVector>

// The project model's view of the installed effect packs. Thread-safe: the
// start-up loads it on a worker, the preferences read it on the GUI thread.
class KvEffectPackLibrary
{
public:
    // Scans every effect pack folder (KvEffectPackUtility::effectPackFolders)
    // and keeps what it finds: folders in that order, packs by folder name.
    QVector<KvEffectPackRecord> reload();
    QVector<KvEffectPackRecord> records() const;
    // The resources of every pack held.
    QStringList resources() const;
    // Forgets the pack of `folder`; returns its record (empty when unknown).
    KvEffectPackRecord removeRecord(const QString &folder);
    // Of `packFolders`, those that bring at least one of `usedEffects`
    // (compared without case).
    QStringList packsUsing(const QStringList &usedEffects, const QStringList &packFolders) const;

    static QVector<KvEffectPackRecord> scan(const QStringList &effectPackFolders);
    // False (logged) when the folder has no readable "Config.json".
    static bool readPack(const QString &packFolder, KvEffectPackRecord *record);
    // Bytes of every file below `folder`; links are not followed.
    static qint64 folderSize(const QString &folder);

private:
    mutable QMutex m_mutex;
    QVector<KvEffectPackRecord> m_records;
};
