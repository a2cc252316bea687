#pragma once

// The catalogues built into the editor. init() makes them visible to
// KvLocale (a resource in a static library must be registered by a call).
class FTranslations
{
public:
    static void init();
};
