#pragma once

// The cloud import library (media from third-party cloud drives). Its
// manage dialog must be closed before the editor quits.
class FThirdPartyCloud
{
public:
    // True when no manage dialog is open or it closed; false when it refused
    // (an import in progress).
    static bool closeCloudDiskManageDialog();

    // Test seam: the answer of the next calls.
    static void setCloseResultForTest(bool result);
};
