// The table of the editor's actions. Texts are what the menus show. An action
// bound to a keyboard-shortcut command takes its default from the command
// table (KvShortcutCommands), so a command has one default wherever it is
// shown; only the actions outside that table carry a default of their own.
#include "KvActionManager.h"

#include <QCoreApplication>

namespace {

using T = KvActionTarget;
namespace A = KvActionId;

#define KV_ACTION_TEXT(text) QT_TRANSLATE_NOOP("KvActionManager", text)

const QVector<KvActionRow> kTable = {
    // File: New Project
    {A::NewProject16x9, KV_ACTION_TEXT("16:9 (Widescreen)"), nullptr, nullptr, 0, T::None},
    {A::NewProject9x16, KV_ACTION_TEXT("9:16 (Portrait)"), nullptr, nullptr, -1, T::None},
    {A::NewProject1x1, KV_ACTION_TEXT("1:1 (Instagram)"), nullptr, nullptr, -1, T::None},
    {A::NewProject4x5, KV_ACTION_TEXT("4:5 (Social Media)"), nullptr, nullptr, -1, T::None},
    {A::NewProject4x3, KV_ACTION_TEXT("4:3 (Standard)"), nullptr, nullptr, -1, T::None},
    {A::NewProject21x9, KV_ACTION_TEXT("21:9 (Cinema)"), nullptr, nullptr, -1, T::None},
    {A::NewProjectCustom, KV_ACTION_TEXT("Custom Aspect Ratio..."), nullptr, nullptr, -1, T::None},
    // File
    {A::OpenProject, KV_ACTION_TEXT("Open Project..."), nullptr, nullptr, 1, T::None},
    {A::SaveProject, KV_ACTION_TEXT("Save Project"), "save", nullptr, 2, T::None},
    {A::SaveProjectAs, KV_ACTION_TEXT("Save Project As..."), nullptr, nullptr, 3, T::None},
    {A::ArchiveProject, KV_ACTION_TEXT("Archive Project..."), nullptr, nullptr, 4, T::None},
    {A::BuildCustomTemplate, KV_ACTION_TEXT("Save as Custom Project Template"), nullptr, nullptr, -1, T::None},
    {A::ProjectSettings, KV_ACTION_TEXT("Project Settings..."), nullptr, nullptr, -1, T::None},
    // File: Import Media
    {A::ImportMediaFiles, KV_ACTION_TEXT("Import Media Files..."), "add", nullptr, 5, T::None},
    {A::ImportMediaFolder, KV_ACTION_TEXT("Import a Media Folder..."), nullptr, "Ctrl+Shift+I", -1, T::None},
    {A::ImportScreenRecordings, KV_ACTION_TEXT("Import Screen Recordings..."), nullptr, nullptr, -1, T::None},
    {A::ImportWebcamRecordings, KV_ACTION_TEXT("Import Webcam Recordings..."), nullptr, nullptr, -1, T::None},
    {A::ImportWithAutoHighlight, KV_ACTION_TEXT("Import with Auto Highlight..."), nullptr, nullptr, -1, T::None},
    // File: Import from other Apps
    {A::ImportFromPhotoLibrary, KV_ACTION_TEXT("Import from a Photo Library..."), nullptr, nullptr, -1, T::None},
    {A::ImportFromMusicLibrary, KV_ACTION_TEXT("Import from a Music Library..."), nullptr, nullptr, -1, T::None},
    {A::ImportFromCloudDrive, KV_ACTION_TEXT("Import from a Cloud Drive..."), "cloud", nullptr, -1, T::None},
    // File: Record Media
    {A::RecordWebcam, KV_ACTION_TEXT("Record from Webcam"), nullptr, nullptr, -1, T::None},
    {A::RecordScreen, KV_ACTION_TEXT("Record PC Screen"), nullptr, nullptr, -1, T::None},
    {A::RecordVoiceOver, KV_ACTION_TEXT("Record Voice Over"), nullptr, nullptr, 6, T::None},
    // File
    {A::RenderPreview, KV_ACTION_TEXT("Render Preview"), nullptr, nullptr, 2025, T::Timeline},
    {A::CleanRenderCache, KV_ACTION_TEXT("Clean Render Cache"), nullptr, nullptr, -1, T::None},
    {A::Preferences, KV_ACTION_TEXT("Preferences..."), nullptr, nullptr, 7, T::None},
    {A::KeyboardShortcuts, KV_ACTION_TEXT("Keyboard Shortcuts..."), nullptr, nullptr, 2031, T::None},
    {A::Exit, KV_ACTION_TEXT("Exit"), nullptr, nullptr, 8, T::None},
    {A::BackToStartPage, KV_ACTION_TEXT("Back to Start Page"), nullptr, nullptr, -1, T::None},

    // Edit
    {A::Undo, KV_ACTION_TEXT("Undo"), "undo", nullptr, 1000, T::Timeline},
    {A::Redo, KV_ACTION_TEXT("Redo"), "redo", nullptr, 1001, T::Timeline},
    {A::Cut, KV_ACTION_TEXT("Cut"), nullptr, nullptr, 1002, T::Timeline},
    {A::Copy, KV_ACTION_TEXT("Copy"), nullptr, nullptr, 1003, T::Timeline},
    {A::Paste, KV_ACTION_TEXT("Paste"), nullptr, nullptr, 1004, T::Timeline},
    {A::Delete, KV_ACTION_TEXT("Delete"), "delete", nullptr, 1005, T::Timeline},
    {A::RippleDelete, KV_ACTION_TEXT("Ripple Delete"), nullptr, nullptr, 1006, T::Timeline},
    {A::CloseGap, KV_ACTION_TEXT("Close Gap"), nullptr, nullptr, 1007, T::Timeline},
    {A::SelectAll, KV_ACTION_TEXT("Select All"), nullptr, nullptr, 1008, T::Timeline},
    {A::CopyEffects, KV_ACTION_TEXT("Copy Effects"), nullptr, nullptr, 1009, T::Timeline},
    {A::PasteEffects, KV_ACTION_TEXT("Paste Effects"), nullptr, nullptr, 1010, T::Timeline},
    // Edit: Effect
    {A::RemoveEffects, KV_ACTION_TEXT("Remove All Effects"), nullptr, nullptr, -1, T::Timeline},
    {A::DisableEffects, KV_ACTION_TEXT("Disable Effects"), nullptr, nullptr, -1, T::Timeline},
    {A::SaveEffectPreset, KV_ACTION_TEXT("Save Effects as Preset..."), nullptr, nullptr, -1, T::Timeline},

    // Tools
    {A::EditProperties, KV_ACTION_TEXT("Edit Properties"), nullptr, nullptr, 2000, T::Timeline},
    {A::Split, KV_ACTION_TEXT("Split"), "scissors", nullptr, 2001, T::Timeline},
    {A::Snapshot, KV_ACTION_TEXT("Snapshot"), nullptr, nullptr, 3003, T::Player},
    {A::Group, KV_ACTION_TEXT("Group"), nullptr, nullptr, 2007, T::Timeline},
    {A::Ungroup, KV_ACTION_TEXT("Ungroup"), nullptr, nullptr, 2008, T::Timeline},
    {A::FreezeFrame, KV_ACTION_TEXT("Freeze Frame..."), nullptr, nullptr, 2010, T::None},
    {A::CreateProxy, KV_ACTION_TEXT("Create Proxy File"), nullptr, nullptr, -1, T::None},
    {A::SceneDetection, KV_ACTION_TEXT("Scene Detection"), nullptr, nullptr, -1, T::None},
    {A::AutoHighlight, KV_ACTION_TEXT("Auto Highlight"), nullptr, nullptr, -1, T::None},
    {A::AutoReframe, KV_ACTION_TEXT("Auto Reframe"), nullptr, nullptr, -1, T::None},
    {A::SilenceDetection, KV_ACTION_TEXT("Silence Detection..."), nullptr, nullptr, -1, T::None},
    {A::SpeechToText, KV_ACTION_TEXT("Speech to Text..."), nullptr, nullptr, -1, T::None},
    {A::BeatDetection, KV_ACTION_TEXT("Beat Detection"), nullptr, nullptr, -1, T::None},
    {A::ModifyBeatInfo, KV_ACTION_TEXT("Modify Beat Information..."), nullptr, nullptr, -1, T::None},
    // Tools: Video
    {A::CropAndZoom, KV_ACTION_TEXT("Crop and Zoom..."), nullptr, nullptr, 2004, T::Timeline},
    {A::CropToFit, KV_ACTION_TEXT("Crop to Fit"), nullptr, nullptr, 2040, T::Timeline},
    {A::Rotate90CW, KV_ACTION_TEXT("Rotate 90 CW"), nullptr, nullptr, 2005, T::Timeline},
    {A::Rotate90CCW, KV_ACTION_TEXT("Rotate 90 CCW"), nullptr, nullptr, 2006, T::Timeline},
    {A::Stabilization, KV_ACTION_TEXT("Stabilization"), nullptr, nullptr, 2013, T::Timeline},
    {A::ChromaKey, KV_ACTION_TEXT("Chroma Key"), nullptr, nullptr, 2015, T::Timeline},
    {A::Mosaic, KV_ACTION_TEXT("Mosaic"), nullptr, nullptr, -1, T::Timeline},
    {A::MotionTracking, KV_ACTION_TEXT("Motion Tracking"), nullptr, nullptr, 2029, T::Timeline},
    {A::LensCorrection, KV_ACTION_TEXT("Lens Correction"), nullptr, nullptr, -1, T::Timeline},
    // Tools: Audio
    {A::DetachAudio, KV_ACTION_TEXT("Detach Audio"), "audio", nullptr, 2011, T::Timeline},
    {A::Mute, KV_ACTION_TEXT("Mute"), "mute", nullptr, 2012, T::Timeline},
    {A::AudioDucking, KV_ACTION_TEXT("Audio Ducking"), nullptr, nullptr, -1, T::Timeline},
    // Tools: Color
    {A::ColorCorrection, KV_ACTION_TEXT("Color Correction"), nullptr, nullptr, 2014, T::Timeline},
    {A::ColorMatch, KV_ACTION_TEXT("Color Match"), nullptr, nullptr, 2030, T::Timeline},
    // Tools: Animation
    {A::AddKeyframe, KV_ACTION_TEXT("Add Keyframe"), nullptr, nullptr, 2026, T::Timeline},
    {A::Keyframing, KV_ACTION_TEXT("Keyframe Animation..."), nullptr, nullptr, 2039, T::Timeline},
    // Tools: Speed
    {A::UniformSpeed, KV_ACTION_TEXT("Uniform Speed..."), nullptr, nullptr, 2009, T::Timeline},
    {A::SpeedRamping, KV_ACTION_TEXT("Speed Ramping..."), nullptr, nullptr, -1, T::Timeline},
    {A::Reverse, KV_ACTION_TEXT("Reverse"), nullptr, nullptr, -1, T::Timeline},
    // Tools: Trim
    {A::TrimStartToPlayhead, KV_ACTION_TEXT("Trim Start to Playhead"), nullptr, nullptr, 2002, T::Timeline},
    {A::TrimEndToPlayhead, KV_ACTION_TEXT("Trim End to Playhead"), nullptr, nullptr, 2003, T::Timeline},

    // Export
    {A::ExportVideo, KV_ACTION_TEXT("Export Video..."), nullptr, nullptr, 5001, T::None},
    {A::ExportSelectedRange, KV_ACTION_TEXT("Export Selected Range..."), nullptr, nullptr, 2041, T::Timeline},
    {A::ExportSelectedClips, KV_ACTION_TEXT("Export Selected Clips..."), nullptr, nullptr, -1, T::Timeline},
    {A::ExportWithLastSettings, KV_ACTION_TEXT("Export with Last Settings..."), nullptr, nullptr, -1, T::None},
    {A::ExportToDevice, KV_ACTION_TEXT("Export to a Device..."), nullptr, nullptr, -1, T::None},
    {A::UploadToYouTube, KV_ACTION_TEXT("Upload to YouTube..."), nullptr, nullptr, -1, T::None},
    {A::UploadToVimeo, KV_ACTION_TEXT("Upload to Vimeo..."), nullptr, nullptr, -1, T::None},
    {A::BurnToDvd, KV_ACTION_TEXT("Burn to DVD..."), nullptr, nullptr, -1, T::None},
    {A::ExportGif, KV_ACTION_TEXT("Export as GIF..."), nullptr, nullptr, -1, T::None},

    // Help
    {A::HelpOnline, KV_ACTION_TEXT("Online Help"), nullptr, nullptr, -1, T::None},
    {A::ProductFaq, KV_ACTION_TEXT("Product FAQ"), nullptr, nullptr, -1, T::None},
    {A::Support, KV_ACTION_TEXT("Technical Support"), "support", nullptr, -1, T::None},
    {A::ReportProblem, KV_ACTION_TEXT("Report a Problem..."), nullptr, nullptr, -1, T::None},
    {A::QuickStartGuide, KV_ACTION_TEXT("Quick Start Guide"), nullptr, nullptr, -1, T::None},
    {A::ActivationFaq, KV_ACTION_TEXT("Activation FAQ"), nullptr, nullptr, -1, T::None},
    {A::LogIn, KV_ACTION_TEXT("Log In..."), "account", nullptr, -1, T::None},
    {A::ManageAccount, KV_ACTION_TEXT("Manage Account"), nullptr, nullptr, -1, T::None},
    {A::LogOut, KV_ACTION_TEXT("Log Out"), nullptr, nullptr, -1, T::None},
    {A::NetworkProxy, KV_ACTION_TEXT("Network Proxy Settings..."), nullptr, nullptr, -1, T::None},
    {A::NewFeatures, KV_ACTION_TEXT("New Features"), nullptr, nullptr, -1, T::None},
    {A::LogFolder, KV_ACTION_TEXT("Log Files"), nullptr, nullptr, -1, T::None},
    {A::YouTubeChannel, KV_ACTION_TEXT("YouTube Channel"), nullptr, nullptr, -1, T::None},
    {A::Facebook, KV_ACTION_TEXT("Follow Us on Facebook"), nullptr, nullptr, -1, T::None},
    {A::Twitter, KV_ACTION_TEXT("Follow Us on Twitter"), nullptr, nullptr, -1, T::None},
    {A::CheckForUpdates, KV_ACTION_TEXT("Check for Updates"), nullptr, nullptr, -1, T::None},
    {A::ProductPage, KV_ACTION_TEXT("Product Page"), nullptr, nullptr, -1, T::None},
    {A::Walkthrough, KV_ACTION_TEXT("Guided Walkthrough"), nullptr, nullptr, -1, T::None},
    {A::UserGuide, KV_ACTION_TEXT("User Guide"), nullptr, nullptr, -1, T::None},
    {A::VideoTutorials, KV_ACTION_TEXT("Video Tutorials"), nullptr, nullptr, -1, T::None},
    {A::HelpCenter, KV_ACTION_TEXT("Help Center"), "info", nullptr, 5000, T::None},
    {A::WhatsNew, KV_ACTION_TEXT("What's New"), nullptr, nullptr, -1, T::None},
    {A::SendFeedback, KV_ACTION_TEXT("Send Feedback..."), "message", nullptr, -1, T::None},
    {A::ReleaseNotes, KV_ACTION_TEXT("Release Notes"), nullptr, nullptr, -1, T::None},
    {A::OpenLogFolder, KV_ACTION_TEXT("Open Log Folder"), nullptr, nullptr, -1, T::None},
    {A::Instagram, KV_ACTION_TEXT("Follow Us on Instagram"), nullptr, nullptr, -1, T::None},
    {A::About, KV_ACTION_TEXT("About"), "logo", nullptr, -1, T::None},

    // Not placed in a menu
    {A::PlayPause, KV_ACTION_TEXT("Play/Pause"), "play", nullptr, 3000, T::Player},
    {A::Stop, KV_ACTION_TEXT("Stop"), "stop", nullptr, 3001, T::Player},
    {A::FullScreen, KV_ACTION_TEXT("Full Screen/Restore"), "maximize", nullptr, 3002, T::Player},
    {A::AddMarker, KV_ACTION_TEXT("Add Marker"), nullptr, nullptr, 4005, T::Timeline},
};

#undef KV_ACTION_TEXT

} // namespace

const QVector<KvActionRow> &KvActionManager::table()
{
    return kTable;
}
