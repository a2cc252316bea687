// The table of the editor's actions. Texts are what the menus show. An action
// bound to a keyboard-shortcut command takes its default from the command
// table (KvShortcutCommands), so a command has one default wherever it is
// shown; only the actions outside that table carry a default of their own.
#include "KvActionManager.h"

#include <QCoreApplication>

namespace {

using T = KvActionTarget;
namespace A = KvActionId;

// The texts are marked for the catalogue of the "KvActionManager" context,
// which translates them when the menus are (re)built.
const QVector<KvActionRow> kTable = {
    // File: New Project
    {A::NewProject16x9, QT_TRANSLATE_NOOP("KvActionManager", "16:9 (Widescreen)"), nullptr, nullptr, 0, T::None},
    {A::NewProject9x16, QT_TRANSLATE_NOOP("KvActionManager", "9:16 (Portrait)"), nullptr, nullptr, -1, T::None},
    {A::NewProject1x1, QT_TRANSLATE_NOOP("KvActionManager", "1:1 (Instagram)"), nullptr, nullptr, -1, T::None},
    {A::NewProject4x5, QT_TRANSLATE_NOOP("KvActionManager", "4:5 (Social Media)"), nullptr, nullptr, -1, T::None},
    {A::NewProject4x3, QT_TRANSLATE_NOOP("KvActionManager", "4:3 (Standard)"), nullptr, nullptr, -1, T::None},
    {A::NewProject21x9, QT_TRANSLATE_NOOP("KvActionManager", "21:9 (Cinema)"), nullptr, nullptr, -1, T::None},
    {A::NewProjectCustom, QT_TRANSLATE_NOOP("KvActionManager", "Custom Aspect Ratio..."), nullptr, nullptr, -1, T::None},
    // File
    {A::OpenProject, QT_TRANSLATE_NOOP("KvActionManager", "Open Project..."), nullptr, nullptr, 1, T::None},
    {A::SaveProject, QT_TRANSLATE_NOOP("KvActionManager", "Save Project"), "save", nullptr, 2, T::None},
    {A::SaveProjectAs, QT_TRANSLATE_NOOP("KvActionManager", "Save Project As..."), nullptr, nullptr, 3, T::None},
    {A::ArchiveProject, QT_TRANSLATE_NOOP("KvActionManager", "Archive Project..."), nullptr, nullptr, 4, T::None},
    {A::BuildCustomTemplate, QT_TRANSLATE_NOOP("KvActionManager", "Save as Custom Project Template"), nullptr, nullptr, -1, T::None},
    {A::ProjectSettings, QT_TRANSLATE_NOOP("KvActionManager", "Project Settings..."), nullptr, nullptr, -1, T::None},
    // File: Import Media
    {A::ImportMediaFiles, QT_TRANSLATE_NOOP("KvActionManager", "Import Media Files..."), "add", nullptr, 5, T::None},
    {A::ImportMediaFolder, QT_TRANSLATE_NOOP("KvActionManager", "Import a Media Folder..."), nullptr, "Ctrl+Shift+I", -1, T::None},
    {A::ImportScreenRecordings, QT_TRANSLATE_NOOP("KvActionManager", "Import Screen Recordings..."), nullptr, nullptr, -1, T::None},
    {A::ImportWebcamRecordings, QT_TRANSLATE_NOOP("KvActionManager", "Import Webcam Recordings..."), nullptr, nullptr, -1, T::None},
    {A::ImportWithAutoHighlight, QT_TRANSLATE_NOOP("KvActionManager", "Import with Auto Highlight..."), nullptr, nullptr, -1, T::None},
    // File: Import from other Apps
    {A::ImportFromPhotoLibrary, QT_TRANSLATE_NOOP("KvActionManager", "Import from a Photo Library..."), nullptr, nullptr, -1, T::None},
    {A::ImportFromMusicLibrary, QT_TRANSLATE_NOOP("KvActionManager", "Import from a Music Library..."), nullptr, nullptr, -1, T::None},
    {A::ImportFromCloudDrive, QT_TRANSLATE_NOOP("KvActionManager", "Import from a Cloud Drive..."), "cloud", nullptr, -1, T::None},
    // File: Record Media
    {A::RecordWebcam, QT_TRANSLATE_NOOP("KvActionManager", "Record from Webcam"), nullptr, nullptr, -1, T::None},
    {A::RecordScreen, QT_TRANSLATE_NOOP("KvActionManager", "Record PC Screen"), nullptr, nullptr, -1, T::None},
    {A::RecordVoiceOver, QT_TRANSLATE_NOOP("KvActionManager", "Record Voice Over"), nullptr, nullptr, 6, T::None},
    // File
    {A::RenderPreview, QT_TRANSLATE_NOOP("KvActionManager", "Render Preview"), nullptr, nullptr, 2025, T::Timeline},
    {A::CleanRenderCache, QT_TRANSLATE_NOOP("KvActionManager", "Clean Render Cache"), nullptr, nullptr, -1, T::None},
    {A::Preferences, QT_TRANSLATE_NOOP("KvActionManager", "Preferences..."), nullptr, nullptr, 7, T::None},
    {A::KeyboardShortcuts, QT_TRANSLATE_NOOP("KvActionManager", "Keyboard Shortcuts..."), nullptr, nullptr, 2031, T::None},
    {A::Exit, QT_TRANSLATE_NOOP("KvActionManager", "Exit"), nullptr, nullptr, 8, T::None},
    {A::BackToStartPage, QT_TRANSLATE_NOOP("KvActionManager", "Back to Start Page"), nullptr, nullptr, -1, T::None},

    // Edit
    {A::Undo, QT_TRANSLATE_NOOP("KvActionManager", "Undo"), "undo", nullptr, 1000, T::Timeline},
    {A::Redo, QT_TRANSLATE_NOOP("KvActionManager", "Redo"), "redo", nullptr, 1001, T::Timeline},
    {A::Cut, QT_TRANSLATE_NOOP("KvActionManager", "Cut"), nullptr, nullptr, 1002, T::Timeline},
    {A::Copy, QT_TRANSLATE_NOOP("KvActionManager", "Copy"), nullptr, nullptr, 1003, T::Timeline},
    {A::Paste, QT_TRANSLATE_NOOP("KvActionManager", "Paste"), nullptr, nullptr, 1004, T::Timeline},
    {A::Delete, QT_TRANSLATE_NOOP("KvActionManager", "Delete"), "delete", nullptr, 1005, T::Timeline},
    {A::RippleDelete, QT_TRANSLATE_NOOP("KvActionManager", "Ripple Delete"), nullptr, nullptr, 1006, T::Timeline},
    {A::CloseGap, QT_TRANSLATE_NOOP("KvActionManager", "Close Gap"), nullptr, nullptr, 1007, T::Timeline},
    {A::SelectAll, QT_TRANSLATE_NOOP("KvActionManager", "Select All"), nullptr, nullptr, 1008, T::Timeline},
    {A::CopyEffects, QT_TRANSLATE_NOOP("KvActionManager", "Copy Effects"), nullptr, nullptr, 1009, T::Timeline},
    {A::PasteEffects, QT_TRANSLATE_NOOP("KvActionManager", "Paste Effects"), nullptr, nullptr, 1010, T::Timeline},
    // Edit: Effect
    {A::RemoveEffects, QT_TRANSLATE_NOOP("KvActionManager", "Remove All Effects"), nullptr, nullptr, -1, T::Timeline},
    {A::DisableEffects, QT_TRANSLATE_NOOP("KvActionManager", "Disable Effects"), nullptr, nullptr, -1, T::Timeline},
    {A::SaveEffectPreset, QT_TRANSLATE_NOOP("KvActionManager", "Save Effects as Preset..."), nullptr, nullptr, -1, T::Timeline},

    // Tools
    {A::EditProperties, QT_TRANSLATE_NOOP("KvActionManager", "Edit Properties"), nullptr, nullptr, 2000, T::Timeline},
    {A::Split, QT_TRANSLATE_NOOP("KvActionManager", "Split"), "scissors", nullptr, 2001, T::Timeline},
    {A::Snapshot, QT_TRANSLATE_NOOP("KvActionManager", "Snapshot"), nullptr, nullptr, 3003, T::Player},
    {A::Group, QT_TRANSLATE_NOOP("KvActionManager", "Group"), nullptr, nullptr, 2007, T::Timeline},
    {A::Ungroup, QT_TRANSLATE_NOOP("KvActionManager", "Ungroup"), nullptr, nullptr, 2008, T::Timeline},
    {A::FreezeFrame, QT_TRANSLATE_NOOP("KvActionManager", "Freeze Frame..."), nullptr, nullptr, 2010, T::None},
    {A::CreateProxy, QT_TRANSLATE_NOOP("KvActionManager", "Create Proxy File"), nullptr, nullptr, -1, T::None},
    {A::SceneDetection, QT_TRANSLATE_NOOP("KvActionManager", "Scene Detection"), nullptr, nullptr, -1, T::None},
    {A::AutoHighlight, QT_TRANSLATE_NOOP("KvActionManager", "Auto Highlight"), nullptr, nullptr, -1, T::None},
    {A::AutoReframe, QT_TRANSLATE_NOOP("KvActionManager", "Auto Reframe"), nullptr, nullptr, -1, T::None},
    {A::SilenceDetection, QT_TRANSLATE_NOOP("KvActionManager", "Silence Detection..."), nullptr, nullptr, -1, T::None},
    {A::SpeechToText, QT_TRANSLATE_NOOP("KvActionManager", "Speech to Text..."), nullptr, nullptr, -1, T::None},
    {A::BeatDetection, QT_TRANSLATE_NOOP("KvActionManager", "Beat Detection"), nullptr, nullptr, -1, T::None},
    {A::ModifyBeatInfo, QT_TRANSLATE_NOOP("KvActionManager", "Modify Beat Information..."), nullptr, nullptr, -1, T::None},
    // Tools: Video
    {A::CropAndZoom, QT_TRANSLATE_NOOP("KvActionManager", "Crop and Zoom..."), nullptr, nullptr, 2004, T::Timeline},
    {A::CropToFit, QT_TRANSLATE_NOOP("KvActionManager", "Crop to Fit"), nullptr, nullptr, 2040, T::Timeline},
    {A::Rotate90CW, QT_TRANSLATE_NOOP("KvActionManager", "Rotate 90 CW"), nullptr, nullptr, 2005, T::Timeline},
    {A::Rotate90CCW, QT_TRANSLATE_NOOP("KvActionManager", "Rotate 90 CCW"), nullptr, nullptr, 2006, T::Timeline},
    {A::Stabilization, QT_TRANSLATE_NOOP("KvActionManager", "Stabilization"), nullptr, nullptr, 2013, T::Timeline},
    {A::ChromaKey, QT_TRANSLATE_NOOP("KvActionManager", "Chroma Key"), nullptr, nullptr, 2015, T::Timeline},
    {A::Mosaic, QT_TRANSLATE_NOOP("KvActionManager", "Mosaic"), nullptr, nullptr, -1, T::Timeline},
    {A::MotionTracking, QT_TRANSLATE_NOOP("KvActionManager", "Motion Tracking"), nullptr, nullptr, 2029, T::Timeline},
    {A::LensCorrection, QT_TRANSLATE_NOOP("KvActionManager", "Lens Correction"), nullptr, nullptr, -1, T::Timeline},
    // Tools: Audio
    {A::DetachAudio, QT_TRANSLATE_NOOP("KvActionManager", "Detach Audio"), "audio", nullptr, 2011, T::Timeline},
    {A::Mute, QT_TRANSLATE_NOOP("KvActionManager", "Mute"), "mute", nullptr, 2012, T::Timeline},
    {A::AudioDucking, QT_TRANSLATE_NOOP("KvActionManager", "Audio Ducking"), nullptr, nullptr, -1, T::Timeline},
    // Tools: Color
    {A::ColorCorrection, QT_TRANSLATE_NOOP("KvActionManager", "Color Correction"), nullptr, nullptr, 2014, T::Timeline},
    {A::ColorMatch, QT_TRANSLATE_NOOP("KvActionManager", "Color Match"), nullptr, nullptr, 2030, T::Timeline},
    // Tools: Animation
    {A::AddKeyframe, QT_TRANSLATE_NOOP("KvActionManager", "Add Keyframe"), nullptr, nullptr, 2026, T::Timeline},
    {A::Keyframing, QT_TRANSLATE_NOOP("KvActionManager", "Keyframe Animation..."), nullptr, nullptr, 2039, T::Timeline},
    // Tools: Speed
    {A::UniformSpeed, QT_TRANSLATE_NOOP("KvActionManager", "Uniform Speed..."), nullptr, nullptr, 2009, T::Timeline},
    {A::SpeedRamping, QT_TRANSLATE_NOOP("KvActionManager", "Speed Ramping..."), nullptr, nullptr, -1, T::Timeline},
    {A::Reverse, QT_TRANSLATE_NOOP("KvActionManager", "Reverse"), nullptr, nullptr, -1, T::Timeline},
    // Tools: Trim
    {A::TrimStartToPlayhead, QT_TRANSLATE_NOOP("KvActionManager", "Trim Start to Playhead"), nullptr, nullptr, 2002, T::Timeline},
    {A::TrimEndToPlayhead, QT_TRANSLATE_NOOP("KvActionManager", "Trim End to Playhead"), nullptr, nullptr, 2003, T::Timeline},

    // Export
    {A::ExportVideo, QT_TRANSLATE_NOOP("KvActionManager", "Export Video..."), nullptr, nullptr, 5001, T::None},
    {A::ExportSelectedRange, QT_TRANSLATE_NOOP("KvActionManager", "Export Selected Range..."), nullptr, nullptr, 2041, T::Timeline},
    {A::ExportSelectedClips, QT_TRANSLATE_NOOP("KvActionManager", "Export Selected Clips..."), nullptr, nullptr, -1, T::Timeline},
    {A::ExportWithLastSettings, QT_TRANSLATE_NOOP("KvActionManager", "Export with Last Settings..."), nullptr, nullptr, -1, T::None},
    {A::ExportToDevice, QT_TRANSLATE_NOOP("KvActionManager", "Export to a Device..."), nullptr, nullptr, -1, T::None},
    {A::UploadToYouTube, QT_TRANSLATE_NOOP("KvActionManager", "Upload to YouTube..."), nullptr, nullptr, -1, T::None},
    {A::UploadToVimeo, QT_TRANSLATE_NOOP("KvActionManager", "Upload to Vimeo..."), nullptr, nullptr, -1, T::None},
    {A::BurnToDvd, QT_TRANSLATE_NOOP("KvActionManager", "Burn to DVD..."), nullptr, nullptr, -1, T::None},
    {A::ExportGif, QT_TRANSLATE_NOOP("KvActionManager", "Export as GIF..."), nullptr, nullptr, -1, T::None},

    // Help
    {A::HelpOnline, QT_TRANSLATE_NOOP("KvActionManager", "Online Help"), nullptr, nullptr, -1, T::None},
    {A::ProductFaq, QT_TRANSLATE_NOOP("KvActionManager", "Product FAQ"), nullptr, nullptr, -1, T::None},
    {A::Support, QT_TRANSLATE_NOOP("KvActionManager", "Technical Support"), "support", nullptr, -1, T::None},
    {A::ReportProblem, QT_TRANSLATE_NOOP("KvActionManager", "Report a Problem..."), nullptr, nullptr, -1, T::None},
    {A::QuickStartGuide, QT_TRANSLATE_NOOP("KvActionManager", "Quick Start Guide"), nullptr, nullptr, -1, T::None},
    {A::ActivationFaq, QT_TRANSLATE_NOOP("KvActionManager", "Activation FAQ"), nullptr, nullptr, -1, T::None},
    {A::LogIn, QT_TRANSLATE_NOOP("KvActionManager", "Log In..."), "account", nullptr, -1, T::None},
    {A::ManageAccount, QT_TRANSLATE_NOOP("KvActionManager", "Manage Account"), nullptr, nullptr, -1, T::None},
    {A::LogOut, QT_TRANSLATE_NOOP("KvActionManager", "Log Out"), nullptr, nullptr, -1, T::None},
    {A::NetworkProxy, QT_TRANSLATE_NOOP("KvActionManager", "Network Proxy Settings..."), nullptr, nullptr, -1, T::None},
    {A::NewFeatures, QT_TRANSLATE_NOOP("KvActionManager", "New Features"), nullptr, nullptr, -1, T::None},
    {A::LogFolder, QT_TRANSLATE_NOOP("KvActionManager", "Log Files"), nullptr, nullptr, -1, T::None},
    {A::YouTubeChannel, QT_TRANSLATE_NOOP("KvActionManager", "YouTube Channel"), nullptr, nullptr, -1, T::None},
    {A::Facebook, QT_TRANSLATE_NOOP("KvActionManager", "Follow Us on Facebook"), nullptr, nullptr, -1, T::None},
    {A::Twitter, QT_TRANSLATE_NOOP("KvActionManager", "Follow Us on Twitter"), nullptr, nullptr, -1, T::None},
    {A::CheckForUpdates, QT_TRANSLATE_NOOP("KvActionManager", "Check for Updates"), nullptr, nullptr, -1, T::None},
    {A::ProductPage, QT_TRANSLATE_NOOP("KvActionManager", "Product Page"), nullptr, nullptr, -1, T::None},
    {A::Walkthrough, QT_TRANSLATE_NOOP("KvActionManager", "Guided Walkthrough"), nullptr, nullptr, -1, T::None},
    {A::UserGuide, QT_TRANSLATE_NOOP("KvActionManager", "User Guide"), nullptr, nullptr, -1, T::None},
    {A::VideoTutorials, QT_TRANSLATE_NOOP("KvActionManager", "Video Tutorials"), nullptr, nullptr, -1, T::None},
    {A::HelpCenter, QT_TRANSLATE_NOOP("KvActionManager", "Help Center"), "info", nullptr, 5000, T::None},
    {A::WhatsNew, QT_TRANSLATE_NOOP("KvActionManager", "What's New"), nullptr, nullptr, -1, T::None},
    {A::SendFeedback, QT_TRANSLATE_NOOP("KvActionManager", "Send Feedback..."), "message", nullptr, -1, T::None},
    {A::ReleaseNotes, QT_TRANSLATE_NOOP("KvActionManager", "Release Notes"), nullptr, nullptr, -1, T::None},
    {A::OpenLogFolder, QT_TRANSLATE_NOOP("KvActionManager", "Open Log Folder"), nullptr, nullptr, -1, T::None},
    {A::Instagram, QT_TRANSLATE_NOOP("KvActionManager", "Follow Us on Instagram"), nullptr, nullptr, -1, T::None},
    {A::About, QT_TRANSLATE_NOOP("KvActionManager", "About"), "logo", nullptr, -1, T::None},

    // Not placed in a menu
    {A::PlayPause, QT_TRANSLATE_NOOP("KvActionManager", "Play/Pause"), "play", nullptr, 3000, T::Player},
    {A::Stop, QT_TRANSLATE_NOOP("KvActionManager", "Stop"), "stop", nullptr, 3001, T::Player},
    {A::FullScreen, QT_TRANSLATE_NOOP("KvActionManager", "Full Screen/Restore"), "maximize", nullptr, 3002, T::Player},
    {A::AddMarker, QT_TRANSLATE_NOOP("KvActionManager", "Add Marker"), nullptr, nullptr, 4005, T::Timeline},
};

} // namespace

const QVector<KvActionRow> &KvActionManager::table()
{
    return kTable;
}
