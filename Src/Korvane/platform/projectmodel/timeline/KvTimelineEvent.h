#pragma once

#include "IKvTimelineEventObserver.h"

// The events the timeline reports to its observers, as (kind, group) pairs.
// The numbers are fixed: observers in other libraries match on them.
namespace KvTimelineEvent {

// Groups: what part of the timeline an event is about.
constexpr int GroupProject = 0;
constexpr int GroupSelection = 2;
constexpr int GroupClips = 4;
constexpr int GroupClipProperties = 9;

// A project's timeline is loaded and may be rendered.
constexpr KvTimelineEventPair ProjectLoaded{2, GroupProject};
// The project's timeline goes away; rendering must stop.
constexpr KvTimelineEventPair ProjectClosing{3, GroupProject};
// Clips were added, moved or removed; the picture at the playhead may differ.
constexpr KvTimelineEventPair ClipsChanged{4, GroupClips};
// A property of a clip (volume, in and out points) changed.
constexpr KvTimelineEventPair ClipPropertyChanged{6, GroupClipProperties};
// The selected clips changed.
constexpr KvTimelineEventPair SelectionChanged{9, GroupSelection};

} // namespace KvTimelineEvent
