#pragma once

// Codes of the messages the preference panels send to the editing scene when
// the user changed a setting that other parts of the editor react to at once.
// The numbers are fixed: the receivers (the main form presenter, the editing
// modules and the project manager) answer them by number.
namespace KvSettingsMsg {

constexpr int ShowSplitButtonChanged = 5014;   // Editing: "show the split button"
constexpr int AutoRenderChanged = 5023;        // Performance: four flags, previous render folder
constexpr int AutoBackupSwitch = 10006;        // Save: automatic backup on or off
constexpr int AutoBackupInterval = 10007;      // Save: backup interval
constexpr int AutoBackupFolder = 10008;        // Save: backup folder
constexpr int ProxySettingsChanged = 10009;    // Performance: creation changed, resolution changed
constexpr int PhotoDurationChanged = 10010;    // Editing: a new photo duration above 0
constexpr int CleanRenderFiles = 10011;        // Performance: "Clean render files" confirmed
constexpr int DownloadFolderChanged = 10012;   // Folders: downloaded-files folder

} // namespace KvSettingsMsg
