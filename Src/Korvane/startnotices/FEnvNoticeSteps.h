#pragma once

#include <QString>

struct AppTestResult;

// What the user sees of the environment checks at start, each step a modal
// dialog followed by what its answer changes. The launch test runs the first
// three after a first-run test; the application object runs the path dialog.
class FEnvNoticeSteps
{
public:
    // The marker that stops the "below requirement" notice, in the
    // application directory.
    static constexpr const char *RequirementsMarker = "/SysRequirementsChecked.ini";

    // A GPU driver problem: remembers that the driver notice was shown, asks
    // FSafeModeDlg; on "Exit" (or its close button) notes the choice in
    // `result` and turns automatic GPU selection on, then saves.
    static void showSafeModeStep(AppTestResult &result);
    // Below requirement and a driver problem: the question form; "Update
    // Graphics Driver" opens the driver page. Either way the GPU is chosen
    // automatically from now on, and the settings are saved.
    static void showRequirementQuestion();
    // Below requirement only: the information form. Unchecking "Always Ask"
    // writes the marker into `applicationDir` (default: the application's).
    static void showRequirementInformation();
    static void showRequirementInformation(const QString &applicationDir);
    // Some folders cannot be written: FPathWritableCheckDlg; its OK stores
    // and saves the folders picked.
    static void showPathDialog();

private:
    static void chooseGpuAutomatically();
};
