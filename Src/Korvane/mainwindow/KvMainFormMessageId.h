#pragma once

#include "KvSettingsMessageId.h"

// Codes of the messages that the main window and its presenters answer.
// The numbers are fixed: the modules send them. Codes that the editing
// modules answer are in KvEditingMessageId.
namespace KvMainFormMsg {

// Requests of the modules that the main form presenter answers.
constexpr int FeedbackFromProject = 501;     // settle after a project was reset
constexpr int ExportRequest = 504;
constexpr int ExceptionFeedback = 506;
constexpr int RecentProjects = 507;
constexpr int DeferredWindowAction = 508;
constexpr int CenterTip = 509;
constexpr int RestartRequest = 510;
constexpr int WebcamRecord = 511;
constexpr int ScreenRecord = 512;
constexpr int VoiceOverRecord = 513;
constexpr int ForwardToModuleStack = 514;
constexpr int ShowFloatingEdit = 1001;
constexpr int ProjectSettings = 1002;
constexpr int SilenceDetection = 1003;
constexpr int AudioMixer = 1004;
constexpr int FeedbackDialog = 1005;
constexpr int MatchProject = 1007;
constexpr int AudioEffectOverwrite = 1008;
constexpr int SplitUngroupQuestion = 1009;
constexpr int SpeechToTextParams = 1015;
constexpr int TextToSpeechParams = 1016;
constexpr int FailureToast = 1017;
constexpr int ShowLoginDialog = 1100;
constexpr int Login = 1102;
constexpr int ShowPreferences = 1103;
constexpr int OnlineSupport = 1104;
constexpr int PresenterHandledFirst = 1000;  // 1000..3000 belong to the presenter
constexpr int PresenterHandledLast = 3000;
constexpr int GuideAddTrack = 3025;
constexpr int StartGuidedTour = 3026;
constexpr int AiRequirementNotice = 3032;
constexpr int OpenFxDownload = 3033;
constexpr int AutoRenderFolderChanged = KvSettingsMsg::AutoRenderChanged;

// Sent by the main window to its modules.
constexpr int ToggleVerticalScreen = 7015;

// Preferences that concern the project manager and the render cache.
constexpr int AutoBackupSwitch = KvSettingsMsg::AutoBackupSwitch;
constexpr int AutoBackupInterval = KvSettingsMsg::AutoBackupInterval;
constexpr int AutoBackupFolder = KvSettingsMsg::AutoBackupFolder;
constexpr int CleanRenderCache = KvSettingsMsg::CleanRenderFiles;
constexpr int DownloadFolderChanged = KvSettingsMsg::DownloadFolderChanged;

} // namespace KvMainFormMsg
