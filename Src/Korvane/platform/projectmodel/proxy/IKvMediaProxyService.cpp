#include "IKvMediaProxyService.h"

#include "KvMediaProxyService.h"

IKvMediaProxyService *getMediaProxyService()
{
    return KvLazySingleton<KvMediaProxyService>::instance();
}
