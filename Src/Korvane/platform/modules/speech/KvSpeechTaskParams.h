#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

class IKvClip;
class IKvTimeline;

enum class KvSpeechTaskKind { SpeechToText, TextToSpeech };

// What a speech-to-text job works on; the parameter dialog offers the
// choices the selection allows.
enum class KvSpeechTarget { Clips, Timeline };
enum class KvSpeechTargetChoice { ClipsOnly, TimelineOnly, Both };

// One job as the parameter dialogs leave it and the caller completes it
// with the targets.
struct KvSpeechTaskParams
{
    KvSpeechTaskKind kind = KvSpeechTaskKind::SpeechToText;
    QString language = QStringLiteral("en-US");
    // Text to speech only.
    QString voiceName;
    bool useCheck = false;

    KvSpeechTarget target = KvSpeechTarget::Clips;
    // The clips the job belongs to; `texts` and `durationsMs` run in step
    // with them (the text to speak, the length to transcribe).
    QList<IKvClip *> clips;
    QStringList texts;
    QList<qint64> durationsMs;
    // Speech to text over the timeline: the range in milliseconds.
    IKvTimeline *timeline = nullptr;
    qint64 rangeBeginMs = 0;
    qint64 rangeEndMs = 0;
};

// A file a job has written, with what it belongs to.
struct KvSpeechFileEvent
{
    int taskId = 0;
    QString path;
    IKvClip *clip = nullptr;
    IKvTimeline *timeline = nullptr;
    // Speech to text: the media library folder the file is a product for,
    // where its range begins, and whether it is the job's first file.
    QString folderName;
    qint64 beginPos = 0;
    bool isStart = false;
};

Q_DECLARE_METATYPE(KvSpeechTaskParams)
Q_DECLARE_METATYPE(KvSpeechFileEvent)
