#pragma once

// What an export covers. Travels as its number in the main form's signal.
enum class KvExportMode : int {
    Timeline = 0, // the whole timeline
    Range = 1,    // the range marked on the timeline
};
