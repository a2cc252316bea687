#pragma once

#include <QObject>

// The editor's interface language. Changing it announces the change so that
// services can refresh language-dependent data (web addresses, tips).
class KvLocale : public QObject
{
    Q_OBJECT

public:
    static KvLocale *instance();

    int languageType() const { return m_languageType; }
    // 1 is English; the numbering is the one the preferences store.
    void setLanguageType(int languageType);

signals:
    void sigLanguageTypeChanged(int languageType);

private:
    KvLocale() = default;
    int m_languageType = 1;
};
