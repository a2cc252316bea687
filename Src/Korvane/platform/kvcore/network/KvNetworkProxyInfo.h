#pragma once

// The proxy the editor's web requests go through: the desktop's proxy
// settings (http_proxy, https_proxy, no_proxy) as the system reports them.
class KvNetworkProxyInfo
{
public:
    static void loadProxyInfo();
};
