#pragma once

#include <atomic>

// Fonts the user can download from the maker's font service. The service is
// not reachable from this platform, so starting it only records the request.
class KvCloudFontManager
{
public:
    static KvCloudFontManager *instance();
    void start();
    bool isStarted() const { return m_started; }

private:
    KvCloudFontManager() = default;
    std::atomic<bool> m_started{false};
};
