#pragma once

// The numbers of the editor's actions: the menus place them by number, each
// action carries its number in the "actionType" property, and the action
// manager's table gives each its text and default shortcut. Fixed numbers.
namespace KvActionId {

// File: New Project (each kind is an aspect ratio; the number is the kind)
constexpr int NewProject16x9 = 1;
constexpr int NewProject9x16 = 2;
constexpr int NewProject1x1 = 3;
constexpr int NewProject4x5 = 4;
constexpr int NewProject4x3 = 5;
constexpr int NewProject21x9 = 6;
constexpr int NewProjectCustom = 7;
// File
constexpr int OpenProject = 8;
constexpr int SaveProject = 9;
constexpr int SaveProjectAs = 10;
constexpr int ArchiveProject = 11;
constexpr int BuildCustomTemplate = 12;
constexpr int ProjectSettings = 13;
// File: Import Media
constexpr int ImportMediaFiles = 16;
constexpr int ImportMediaFolder = 17;
constexpr int ImportScreenRecordings = 19;
constexpr int ImportWebcamRecordings = 20;
constexpr int ImportWithAutoHighlight = 21;
// File: Import from other Apps
constexpr int ImportFromPhotoLibrary = 22;
constexpr int ImportFromMusicLibrary = 23;
constexpr int ImportFromCloudDrive = 24;
// File: Record Media
constexpr int RecordWebcam = 25;
constexpr int RecordScreen = 26;
constexpr int RecordVoiceOver = 27;
// File
constexpr int RenderPreview = 116;
constexpr int CleanRenderCache = 117;
constexpr int Preferences = 211;
constexpr int KeyboardShortcuts = 212;
constexpr int Exit = 213;
constexpr int BackToStartPage = 214;

// Edit
constexpr int Undo = 209;
constexpr int Redo = 210;
constexpr int Cut = 82;
constexpr int Copy = 83;
constexpr int Paste = 84;
constexpr int Delete = 85;
constexpr int RippleDelete = 86;
constexpr int CloseGap = 88;
constexpr int SelectAll = 89;
constexpr int CopyEffects = 90;
constexpr int PasteEffects = 91;
// Edit: Effect
constexpr int RemoveEffects = 101;
constexpr int DisableEffects = 102;
constexpr int SaveEffectPreset = 109;

// Tools
constexpr int EditProperties = 55;
constexpr int Split = 57;
constexpr int Snapshot = 58;
constexpr int Group = 130;
constexpr int Ungroup = 134;
constexpr int FreezeFrame = 215;
constexpr int CreateProxy = 46;
constexpr int SceneDetection = 47;
constexpr int AutoHighlight = 48;
constexpr int AutoReframe = 49;
constexpr int SilenceDetection = 50;
constexpr int SpeechToText = 51;
constexpr int BeatDetection = 52;
constexpr int ModifyBeatInfo = 53;
// Tools: Video
constexpr int CropAndZoom = 63;
constexpr int CropToFit = 131;
constexpr int Rotate90CW = 92;
constexpr int Rotate90CCW = 93;
constexpr int Stabilization = 64;
constexpr int ChromaKey = 66;
constexpr int Mosaic = 78;
constexpr int MotionTracking = 113;
constexpr int LensCorrection = 129;
// Tools: Audio
constexpr int DetachAudio = 98;
constexpr int Mute = 100;
constexpr int AudioDucking = 133;
// Tools: Color
constexpr int ColorCorrection = 65;
constexpr int ColorMatch = 79;
// Tools: Animation
constexpr int AddKeyframe = 110;
constexpr int Keyframing = 112;
// Tools: Speed
constexpr int UniformSpeed = 94;
constexpr int SpeedRamping = 95;
constexpr int Reverse = 111;
// Tools: Trim
constexpr int TrimStartToPlayhead = 61;
constexpr int TrimEndToPlayhead = 62;

// Export
constexpr int ExportVideo = 121;
constexpr int ExportSelectedRange = 136;
constexpr int ExportSelectedClips = 137;
constexpr int ExportWithLastSettings = 122;
constexpr int ExportToDevice = 123;
constexpr int UploadToYouTube = 124;
constexpr int UploadToVimeo = 125;
constexpr int BurnToDvd = 126;
constexpr int ExportGif = 127;

// Help
constexpr int HelpOnline = 180;
constexpr int ProductFaq = 181;
constexpr int Support = 183;
constexpr int ReportProblem = 184;
constexpr int QuickStartGuide = 185;
constexpr int ActivationFaq = 186;
constexpr int LogIn = 187;
constexpr int ManageAccount = 188;
constexpr int LogOut = 189;
constexpr int NetworkProxy = 190;
constexpr int NewFeatures = 191;
constexpr int LogFolder = 192;
constexpr int YouTubeChannel = 193;
constexpr int Facebook = 194;
constexpr int Twitter = 195;
constexpr int CheckForUpdates = 196;
constexpr int ProductPage = 197;
constexpr int Walkthrough = 198;
constexpr int UserGuide = 199;
constexpr int VideoTutorials = 200;
constexpr int HelpCenter = 201;
constexpr int WhatsNew = 202;
constexpr int SendFeedback = 203;
constexpr int ReleaseNotes = 204;
constexpr int OpenLogFolder = 205;
constexpr int Instagram = 206;
constexpr int About = 207;

// Not placed in a menu: the main window carries them for their shortcuts.
constexpr int PlayPause = 87;
constexpr int Stop = 118;
constexpr int FullScreen = 119;
constexpr int AddMarker = 120;

} // namespace KvActionId
