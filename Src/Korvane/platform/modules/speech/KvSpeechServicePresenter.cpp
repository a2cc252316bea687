#include "KvSpeechServicePresenter.h"

#include "IKvAppInfo.h"
#include "IKvBaseLog.h"
#include "KvAppInfoId.h"
#include "KvPaths.h"
#include "KvWavFile.h"

#include <QDateTime>
#include <algorithm>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTime>

namespace {

QString appFolder(int id, const QString &fallbackName)
{
    const QString folder = IKvAppInfo::getInstance()->getValue(id).toString();
    return folder.isEmpty() ? KvPaths::documentsDir() + "/" + fallbackName : folder;
}

QString srtTime(qint64 ms)
{
    return QStringLiteral("%1:%2:%3,%4")
        .arg(ms / 3600000, 2, 10, QChar('0'))
        .arg(ms / 60000 % 60, 2, 10, QChar('0'))
        .arg(ms / 1000 % 60, 2, 10, QChar('0'))
        .arg(ms % 1000, 3, 10, QChar('0'));
}

} // namespace

KvSpeechServicePresenter::KvSpeechServicePresenter(QObject *parent)
    : QObject(parent)
    , m_sttFolder(appFolder(KvAppInfoId::STTOutputDir, "SpeechToText"))
    , m_ttsFolder(appFolder(KvAppInfoId::TTSOutputDir, "TextToSpeech"))
{
    m_stepTimer.setSingleShot(true);
    m_stepTimer.setInterval(0);
    connect(&m_stepTimer, &QTimer::timeout, this, &KvSpeechServicePresenter::step);
}

KvSpeechServicePresenter::~KvSpeechServicePresenter() = default;

void KvSpeechServicePresenter::setOutputFolder(KvSpeechTaskKind kind, const QString &folder)
{
    (kind == KvSpeechTaskKind::SpeechToText ? m_sttFolder : m_ttsFolder) = folder;
}

QString KvSpeechServicePresenter::outputFolder(KvSpeechTaskKind kind) const
{
    return kind == KvSpeechTaskKind::SpeechToText ? m_sttFolder : m_ttsFolder;
}

int KvSpeechServicePresenter::startTask(const KvSpeechTaskParams &params)
{
    const bool onTimeline = params.kind == KvSpeechTaskKind::SpeechToText && params.target == KvSpeechTarget::Timeline;
    if (onTimeline ? params.rangeEndMs <= params.rangeBeginMs : params.clips.isEmpty()) {
        KV_LOG_ERROR("speech job without anything to work on (kind %d)", int(params.kind));
        return -1;
    }
    Task task;
    task.id = m_nextId++;
    task.params = params;
    m_tasks.append(task);
    KV_LOG_INFO("speech job %d queued: kind %d, language %s", task.id, int(params.kind), KV_CSTR(params.language));
    emit sigTaskChanged(task.id);
    m_stepTimer.start();
    return task.id;
}

bool KvSpeechServicePresenter::isTaskActive(int id) const
{
    for (const Task &task : m_tasks) {
        if (task.id == id)
            return task.state == TaskState::Waiting || task.state == TaskState::Running;
    }
    return false;
}

bool KvSpeechServicePresenter::hasRunningTask() const
{
    for (const Task &task : m_tasks) {
        if (task.state == TaskState::Waiting || task.state == TaskState::Running)
            return true;
    }
    return false;
}

void KvSpeechServicePresenter::cancelAll()
{
    m_stepTimer.stop();
    for (Task &task : m_tasks) {
        if (task.state == TaskState::Waiting || task.state == TaskState::Running) {
            task.state = TaskState::Cancelled;
            KV_LOG_INFO("speech job %d cancelled", task.id);
            emit sigTaskChanged(task.id);
        }
    }
}

qint64 KvSpeechServicePresenter::speechLengthMs(const QString &text)
{
    return qMax(kMinSpeechMs, qint64(text.trimmed().size()) * kMsPerCharacter);
}

QString KvSpeechServicePresenter::subtitleText(qint64 durationMs, const QString &language)
{
    QString text;
    int index = 1;
    qint64 begin = 0;
    do {
        const qint64 end = qMin(begin + kCueMs, qMax<qint64>(durationMs, 1));
        text += QStringLiteral("%1\n%2 --> %3\n[%4]\n\n").arg(index++).arg(srtTime(begin), srtTime(end), language);
        begin = end;
    } while (begin < durationMs);
    return text;
}

void KvSpeechServicePresenter::step()
{
    // Receivers of the signals below may start or cancel jobs, which moves
    // the tasks: a task is found again by its id after every signal.
    auto active = std::find_if(m_tasks.begin(), m_tasks.end(), [](const Task &t) {
        return t.state == TaskState::Waiting || t.state == TaskState::Running;
    });
    if (active == m_tasks.end())
        return;
    const int id = active->id;
    if (active->state == TaskState::Waiting) {
        active->state = TaskState::Running;
        emit sigTaskChanged(id);
    }
    Task *task = findTask(id);
    const bool ok = task && task->state == TaskState::Running && runItem(*task);
    task = findTask(id);
    if (task && task->state == TaskState::Running) {
        const bool onTimeline =
            task->params.kind == KvSpeechTaskKind::SpeechToText && task->params.target == KvSpeechTarget::Timeline;
        const int items = onTimeline ? 1 : task->params.clips.size();
        if (!ok || task->nextItem >= items) {
            task->state = ok ? TaskState::Finished : TaskState::Failed;
            KV_LOG_INFO("speech job %d %s", id, ok ? "finished" : "failed");
            emit sigTaskChanged(id);
            emit sigTaskFinish();
        }
    }
    if (hasRunningTask())
        m_stepTimer.start();
}

KvSpeechServicePresenter::Task *KvSpeechServicePresenter::findTask(int id)
{
    auto found = std::find_if(m_tasks.begin(), m_tasks.end(), [id](const Task &t) { return t.id == id; });
    return found == m_tasks.end() ? nullptr : &*found;
}

bool KvSpeechServicePresenter::runItem(Task &task)
{
    const KvSpeechTaskParams params = task.params;
    const int item = task.nextItem++;
    const bool isStart = item == 0;
    const QString stamp = QDateTime::currentDateTime().toString("yyyyMMdd_hhmmss");
    if (params.kind == KvSpeechTaskKind::TextToSpeech) {
        const QString path = uniquePath(m_ttsFolder, "TTS_" + stamp, ".wav");
        QString error;
        if (!KvWavFile::writeSilence(path, speechLengthMs(params.texts.value(item)), KvWavFile::Format(), &error)) {
            KV_LOG_ERROR("speech job %d: writing \"%s\" failed: %s", task.id, KV_CSTR(path), KV_CSTR(error));
            return false;
        }
        task.files << path;
        KvSpeechFileEvent event;
        event.taskId = task.id;
        event.path = path;
        event.clip = params.clips.value(item);
        event.isStart = isStart;
        emit sigAudioFileGenerated(event);
        return true;
    }

    const bool onTimeline = params.target == KvSpeechTarget::Timeline;
    const qint64 duration =
        onTimeline ? params.rangeEndMs - params.rangeBeginMs : params.durationsMs.value(item, kCueMs);
    const QString path = uniquePath(m_sttFolder, "STT_" + stamp, ".srt");
    QSaveFile file(path);
    if (!QDir().mkpath(m_sttFolder) || !file.open(QIODevice::WriteOnly)
        || file.write(subtitleText(duration, params.language).toUtf8()) < 0 || !file.commit()) {
        KV_LOG_ERROR("speech job %d: writing \"%s\" failed: %s", task.id, KV_CSTR(path), KV_CSTR(file.errorString()));
        return false;
    }
    task.files << path;
    KvSpeechFileEvent event;
    event.taskId = task.id;
    event.path = path;
    event.clip = onTimeline ? nullptr : params.clips.value(item);
    event.timeline = onTimeline ? params.timeline : nullptr;
    event.folderName = tr("Speech to Text");
    event.beginPos = onTimeline ? params.rangeBeginMs : 0;
    event.isStart = isStart;
    emit sigSrtFileGenerated(event);
    return true;
}

QString KvSpeechServicePresenter::uniquePath(const QString &folder, const QString &stem, const QString &suffix) const
{
    QDir().mkpath(folder);
    QString path = QDir(folder).filePath(stem + suffix);
    for (int n = 1; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(QStringLiteral("%1_%2%3").arg(stem).arg(n).arg(suffix));
    return path;
}
