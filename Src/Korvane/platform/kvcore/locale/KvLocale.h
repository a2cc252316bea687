#pragma once

#include "KvLazySingleton.h"

#include <QObject>

// The editor's interface language. Changing it announces the change so that
// services can refresh language-dependent data (web addresses, tips).
class KvLocale : public QObject
{
    Q_OBJECT

public:
    static KvLocale *instance();
    // Read by whatever still formats text while the editor shuts down.
    static constexpr KvSingletonRelease kSingletonRelease = KvSingletonRelease::ProcessLifetime;

    int languageType() const { return m_languageType; }
    // 1 is English; the numbering is the one the preferences store.
    void setLanguageType(int languageType);

signals:
    void sigLanguageTypeChanged(int languageType);

private:
    KvLocale() = default;
    friend class KvLazySingleton<KvLocale>;
    int m_languageType = 1;
};
