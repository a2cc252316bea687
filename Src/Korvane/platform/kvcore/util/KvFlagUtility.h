#pragma once

// Process-wide flags readable from any thread.
class KvFlagUtility
{
public:
    // Set by the editor's main executable, so that shared libraries can tell
    // it apart from the helper processes that link them too.
    static void setIsMainAppFlag(bool isMainApp);
    static bool isMainAppFlag();
};
