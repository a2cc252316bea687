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
// Sent by the media library after an import added media.
constexpr int MediaImported = 3024;
// Queries for the guided tour; the answer is the global rectangle (QRect)
// of the media library's import button, of the timeline's track area.
constexpr int GuideImportButtonRect = 3028;
constexpr int GuideTimelineRect = 3029;
// Query: answers whether the player is playing (bool).
constexpr int IsPlayerPlaying = 3030;
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
