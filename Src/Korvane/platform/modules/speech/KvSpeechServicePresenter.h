#pragma once

#include "KvSpeechTaskParams.h"

#include <QObject>
#include <QTimer>
#include <QVector>

// Runs the speech jobs. The service behind them is not available here, so a
// job writes the files a real one would (an SRT file per transcription, a
// 16-bit PCM WAV per spoken text) without their content: the cues carry no
// recognised words and the speech is silent, but of the length a speaker
// would need. One file is written per event-loop turn, so a long job never
// holds the GUI thread.
class KvSpeechServicePresenter : public QObject
{
    Q_OBJECT

public:
    enum class TaskState { Waiting, Running, Finished, Failed, Cancelled };

    struct Task
    {
        int id = 0;
        KvSpeechTaskParams params;
        TaskState state = TaskState::Waiting;
        QStringList files;
        int nextItem = 0;
    };

    explicit KvSpeechServicePresenter(QObject *parent = nullptr);
    ~KvSpeechServicePresenter() override;

    // Where the files of each kind go; the application's speech folders by
    // default.
    void setOutputFolder(KvSpeechTaskKind kind, const QString &folder);
    QString outputFolder(KvSpeechTaskKind kind) const;

    // Queues a job and returns its id; -1 (logged) when the job has nothing to
    // work on.
    int startTask(const KvSpeechTaskParams &params);
    bool hasRunningTask() const;
    // Waiting or running.
    bool isTaskActive(int id) const;
    void cancelAll();
    const QVector<Task> &tasks() const { return m_tasks; }

    // The length of speech for a text: a speaker's pace, at least half a second.
    static qint64 speechLengthMs(const QString &text);
    // SRT text with one cue per kCueMs of `durationMs` (at least one).
    static QString subtitleText(qint64 durationMs, const QString &language);
    static constexpr qint64 kCueMs = 5000;
    static constexpr qint64 kMsPerCharacter = 70;
    static constexpr qint64 kMinSpeechMs = 500;

signals:
    void sigTaskChanged(int id);
    // A subtitle file for one clip (clip set) or for the timeline range
    // (timeline set), with the media library folder it is a product for.
    void sigSrtFileGenerated(const KvSpeechFileEvent &event);
    void sigAudioFileGenerated(const KvSpeechFileEvent &event);
    // After every job, whatever its end.
    void sigTaskFinish();

private:
    void step();
    Task *findTask(int id);
    bool runItem(Task &task);
    QString uniquePath(const QString &folder, const QString &stem, const QString &suffix) const;

    QVector<Task> m_tasks;
    QString m_sttFolder;
    QString m_ttsFolder;
    QTimer m_stepTimer;
    int m_nextId = 1;
};
