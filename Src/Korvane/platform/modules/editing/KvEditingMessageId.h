#pragma once

// Codes of the messages the editing modules send to their scene or handle
// when the scene hands them down (KvMessage::code()). Fixed numbers.
namespace KvEditingMessageId {

// Sent straight to the media library view: show the project's media again
// (the project's media may have changed behind its back).
// The first picture landed on an empty timeline: a data message with its
// facts ("width", "height", "aspectRatioType", "frameRateType") asks
// whether the project should take them.
constexpr int MatchProjectToMedia = 1007;
constexpr int MediaLibraryShowProject = 1012;
// KvMediaImportMessage: import files into the media library.
constexpr int MediaImport = 3020;
// KvDataMessage, data QVariantMap{"mode": int, "source": int,
// "toCurrentFolder": bool}: the media library asks the user for files
// (mode 0) or a folder (mode 1) and imports them. Answer: how many imports
// started (int; 0 when the user chose nothing).
constexpr int MediaImportAsk = 3021;
// KvDataMessage(int mode): 2 asks for files and imports them for auto
// highlight, 3 runs auto highlight on the library's selected items.
constexpr int MediaAutoHighlight = 3022;
// Sent by the media library after an import added media.
constexpr int MediaImported = 3024;
// Work on the media library's selected items. Answer: the items (QVariantList
// of ids), empty when nothing was selected (the user is told).
constexpr int MediaCreateProxy = 3040;
constexpr int MediaSceneDetection = 3041;
constexpr int MediaAutoReframe = 3042;
constexpr int MediaBeatDetection = 3043;
constexpr int MediaModifyBeatInfo = 3044;
// Speech to text for the timeline's selected clips, silence detection for
// the selected clip. Answer: the clips (QVariantList of indices).
constexpr int TimelineSpeechToText = 3045;
constexpr int TimelineSilenceDetection = 3046;
// Freeze frame: holds the picture under the playhead of the one selected
// clip.
// Query: answers bool, true when exactly one clip is selected and the
// playhead lies inside it.
constexpr int TimelineCanFreeze = 5027;
// Query: asks the user where the frozen picture goes; answers 1 (in place:
// the clip is cut at the playhead and the hold goes between the parts,
// later clips of its track move on by the hold), 2 (on a free track at the
// playhead, over the clip), 0 when cancelled.
constexpr int TimelineFreezeAsk = 3017;
// Make the freeze frame: the player's picture becomes a PNG medium placed
// as said above. Answer: the new clip's index, -1 when none was made (the
// user is told).
constexpr int TimelineFreezeToNew = 3018;
constexpr int TimelineFreezeInPlace = 5028;
// Queries for the guided tour; the answer is the global rectangle (QRect)
// of the media library's import button, of the timeline's track area.
constexpr int GuideImportButtonRect = 3028;
constexpr int GuideTimelineRect = 3029;
// Query: answers whether the player is playing (bool).
constexpr int IsPlayerPlaying = 3030;
// Query: answers the picture the player shows (QImage; null without one).
constexpr int PlayerGrabPicture = 3031;
// KvDataMessage holding the IKvTimeline (as QObject*): a recording is about
// to write on the timeline from the playhead on; the timeline shows it.
constexpr int TimelineRecordingPrepare = 7005;
// The picture at the playhead changed: the player draws it again.
constexpr int PlayerRefresh = 7008;
// Start playback from the playhead.
constexpr int PlayerPlay = 7009;
// Stop playback.
constexpr int PlayerStop = 7011;
// KvTimelineRecordingMessage: a recording on the timeline starts, goes on, ends.
constexpr int TimelineRecording = 7020;
// Sent by the timeline when its selection wants the property panel, or not.
constexpr int ShowPropertyPanel = 9005;
constexpr int HidePropertyPanel = 9006;
// End color matching in the player.
constexpr int EndColorMatch = 9015;

} // namespace KvEditingMessageId
