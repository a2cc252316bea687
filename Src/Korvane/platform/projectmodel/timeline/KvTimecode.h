#pragma once

#include <QString>

// Timeline times as the editor shows them: "hh:mm:ss:ff", hours at least two
// digits, ff the frame within its second at the project's frame rate
// (rounded to whole frames per second, as 29.97 counts 30).
namespace KvTimecode {

// Negative times count as 0; a frame rate below 1 counts as 1.
QString format(qint64 ms, double frameRate);
// The start of the frame that holds `ms`, so that stepping by frames lands
// on the same frame boundaries that format() shows.
qint64 frameStart(qint64 ms, double frameRate);
// The start of the frame `frames` away from the one that holds `ms`
// (negative: back), never before 0. Counted in frames, so steps do not
// drift where a frame is not a whole number of milliseconds.
qint64 stepFrames(qint64 ms, int frames, double frameRate);
// One frame, in milliseconds (at least 1).
qint64 frameDuration(double frameRate);

} // namespace KvTimecode
