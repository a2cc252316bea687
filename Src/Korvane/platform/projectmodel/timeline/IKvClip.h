#pragma once

#include "KvProjectAspectRatioType.h"
#include "KvProjectData.h"

#include <QString>

// Clip types by the numbers other libraries match on.
namespace KvClipType {
constexpr int Unknown = 0;
constexpr int Video = 1;
constexpr int Audio = 2;
constexpr int Image = 3;
constexpr int Title = 5;
constexpr int Srt = 13;
} // namespace KvClipType

// Frame-rate classes, so that 29.97 and 30 are told apart but 29.970 and
// 29.97003 are not.
namespace KvFrameRateType {
constexpr int Unknown = 0;
constexpr int Fps23_976 = 1;
constexpr int Fps24 = 2;
constexpr int Fps25 = 3;
constexpr int Fps29_97 = 4;
constexpr int Fps30 = 5;
constexpr int Fps50 = 6;
constexpr int Fps59_94 = 7;
constexpr int Fps60 = 8;
// The class of a rate within 0.01 fps, else Unknown.
int typeOf(double frameRate);
} // namespace KvFrameRateType

// The picture facts of a clip's medium.
struct KvClipVideoInfo
{
    int width = 0;
    int height = 0;
    // 0 when the size matches none of the project kinds.
    int aspectRatioType = 0;
    int frameRateType = KvFrameRateType::Unknown;

    // The kind whose frame has the same ratio as width x height, else 0.
    static int aspectRatioTypeOf(int width, int height);
};

// One clip of the timeline as it was when asked for: the timeline keeps it
// until another project becomes current, so a pointer handed on stays valid
// while the user edits (it then describes the clip before the edit).
class IKvClip
{
public:
    virtual ~IKvClip() = default;

    virtual int index() const = 0;
    // A KvClipType number.
    virtual int type() const = 0;
    virtual KvTimelineClip data() const = 0;
    virtual QString mediaPath() const = 0;
    virtual QString name() const = 0;
    // Titles and subtitles (a subtitle file's clip).
    virtual bool isTextClip() const = 0;
    // The cues of a subtitle clip; 0 for other clips.
    virtual int textItemCount() const = 0;
    // Null for a clip without a picture (sound only).
    virtual const KvClipVideoInfo *videoInfo() const = 0;
};
