#include "KvLocale.h"

#include "IKvBaseLog.h"

KvLocale *KvLocale::instance()
{
    return KvLazySingleton<KvLocale>::instance();
}

void KvLocale::setLanguageType(int languageType)
{
    if (languageType == m_languageType)
        return;
    m_languageType = languageType;
    KV_LOG_INFO("language changed to %d", languageType);
    emit sigLanguageTypeChanged(languageType);
}
