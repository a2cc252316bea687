#include "KvAutoBackupWriter.h"

#include "IKvAppInfo.h"
#include "IKvBaseLog.h"
#include "KvAppInfoId.h"
#include "KvBackupNote.h"
#include "KvBackupVersions.h"
#include "KvProject.h"
#include "KvProjectFile.h"
#include "KvProjectSuffixHelper.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <limits>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace {

// A revision no project reaches: "nothing backed up yet".
constexpr quint64 kNoRevision = std::numeric_limits<quint64>::max();

// The project as reading its backup gives it back: media paths resolved the
// way the reader resolves them.
KvProjectData asReadBack(KvProjectData data, const QString &folder)
{
    const QDir base(folder);
    for (QString &path : data.mediaPaths)
        path = QDir::cleanPath(base.absoluteFilePath(path));
    return data;
}

// The writing thread yields to the GUI thread: on a busy machine a backup
// of a large project must not take the editor's share of the processors.
void lowerThisThreadsPriority()
{
#ifdef Q_OS_LINUX
    static thread_local const bool lowered = [] {
        return ::setpriority(PRIO_PROCESS, id_t(::syscall(SYS_gettid)), 10) == 0;
    }();
    Q_UNUSED(lowered)
#endif
}

} // namespace

KvAutoBackupWriter::KvAutoBackupWriter(QObject *parent)
    : QObject(parent)
    , m_untitledToken(QUuid::createUuid().toString())
    , m_backedUpRevision(kNoRevision)
    , m_attemptedRevision(kNoRevision)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &KvAutoBackupWriter::onTimeout);
    m_pool.setMaxThreadCount(1);
    // The thread ends soon after the last write: an idle editor keeps none.
    m_pool.setExpiryTimeout(2000);
    const QByteArray override = qgetenv(kIntervalVariable);
    if (!override.isEmpty()) {
        bool ok = false;
        const int ms = override.toInt(&ok);
        if (ok && ms > 0) {
            m_intervalOverrideMs = ms;
            KV_LOG_INFO("automatic backup every %d ms (%s)", ms, kIntervalVariable);
        } else {
            KV_LOG_ERROR("%s=\"%s\" is not a positive number of milliseconds; the configured interval holds",
                         kIntervalVariable, override.constData());
        }
    }
}

KvAutoBackupWriter::~KvAutoBackupWriter()
{
    m_timer->stop();
    m_pool.waitForDone();
}

void KvAutoBackupWriter::setConfig(const KvAutoBackupConfig &config)
{
    const int before = intervalMs();
    m_config = config;
    if (!m_config.enabled || intervalMs() <= 0) {
        m_timer->stop();
        return;
    }
    // A new interval counts from now.
    if (m_timer->isActive() && intervalMs() != before)
        m_timer->stop();
    schedule();
}

void KvAutoBackupWriter::setProject(KvProject *project)
{
    m_timer->stop();
    ++m_generation;
    m_project = project;
    m_untitledToken = QUuid::createUuid().toString();
    m_series = project ? KvBackupVersions::seriesFor(project->filePath(), m_untitledToken) : QString();
    // A project that arrives with changes (made from a template, say) has
    // nothing backed up yet.
    m_backedUpRevision = project && !project->isModified() ? project->revision() : kNoRevision;
    m_attemptedRevision = kNoRevision;
    schedule();
}

void KvAutoBackupWriter::projectClosed()
{
    if (m_project)
        clearNote();
    setProject(nullptr);
}

void KvAutoBackupWriter::projectSaved()
{
    if (!m_project)
        return;
    m_timer->stop();
    ++m_generation;
    // The saved file holds everything the backups hold.
    clearNote();
    m_series = KvBackupVersions::seriesFor(m_project->filePath(), m_untitledToken);
    m_backedUpRevision = m_project->revision();
    m_attemptedRevision = kNoRevision;
}

void KvAutoBackupWriter::projectChanged()
{
    // Called at every change: only a timer that is not running yet is started.
    if (!m_timer->isActive())
        schedule();
}

int KvAutoBackupWriter::intervalMs() const
{
    if (m_intervalOverrideMs > 0)
        return m_intervalOverrideMs;
    return m_config.intervalSeconds > 0 ? m_config.intervalSeconds * 1000 : 0;
}

QString KvAutoBackupWriter::folder() const
{
    if (!m_config.backupProjectFile.isEmpty())
        return m_config.backupProjectFile;
    return IKvAppInfo::getInstance()->getString(KvAppInfoId::BackupDir);
}

QString KvAutoBackupWriter::notePath() const
{
    // The note stays in the backup folder of the application information,
    // where the next start looks, wherever the versions go.
    QString dir = IKvAppInfo::getInstance()->getString(KvAppInfoId::BackupDir);
    if (dir.isEmpty())
        dir = folder();
    return dir.isEmpty() ? QString() : KvBackupNote::pathIn(dir);
}

void KvAutoBackupWriter::waitForDone()
{
    m_pool.waitForDone();
}

bool KvAutoBackupWriter::hasNewChanges() const
{
    return m_project && m_project->isModified() && m_project->revision() != m_backedUpRevision
        && m_project->revision() != m_attemptedRevision;
}

void KvAutoBackupWriter::schedule()
{
    // While a backup is written, its end decides whether another is due.
    if (m_writing || m_timer->isActive() || !m_config.enabled || intervalMs() <= 0 || !hasNewChanges())
        return;
    m_timer->start(intervalMs());
}

void KvAutoBackupWriter::onTimeout()
{
    if (!m_config.enabled || !hasNewChanges())
        return;
    Job job;
    job.folder = folder();
    job.notePath = notePath();
    if (job.folder.isEmpty() || job.notePath.isEmpty()) {
        KV_LOG_ERROR("no backup folder is known: the changes of \"%s\" are not backed up", KV_CSTR(m_project->name()));
        return;
    }
    // Cheap: the lists are shared with the project until it changes them.
    job.data = m_project->data();
    job.revision = m_project->revision();
    m_attemptedRevision = job.revision;
    job.projectPath = m_project->filePath();
    job.series = m_series;
    job.dottedSuffix = m_project->type() == KvProjectType::InstantMode
        ? KvProjectSuffixHelper::instantModeFileDottedSuffix()
        : KvProjectSuffixHelper::projectFileDottedSuffix();
    job.keepCount = qMax(1, m_config.keepCount);
    m_writing = true;
    const quint64 generation = m_generation;
    m_pool.start([this, job, generation] {
        lowerThisThreadsPriority();
        const Result result = write(job);
        // Queued to this object: dropped if it is gone (it waits for this
        // job in its destructor, so it is not).
        QMetaObject::invokeMethod(
            this, [this, result, generation] { onWritten(result, generation); }, Qt::QueuedConnection);
    });
}

void KvAutoBackupWriter::onWritten(const Result &result, quint64 generation)
{
    m_writing = false;
    if (result.ok) {
        if (generation == m_generation)
            m_backedUpRevision = result.revision;
        KV_LOG_INFO("automatic backup written to \"%s\" (%d older removed)", KV_CSTR(result.path), result.pruned);
    } else {
        KV_LOG_ERROR("automatic backup failed: %s", KV_CSTR(result.error));
    }
    emit sigBackupFinished(result.ok, result.path);
    // Changes made meanwhile (or a failed write) wait one more interval.
    schedule();
}

void KvAutoBackupWriter::clearNote()
{
    const QString note = notePath();
    if (note.isEmpty() || m_series.isEmpty())
        return;
    // After any backup still being written, so that its note is cleared too.
    const QString prefix = m_series + QLatin1Char('_');
    m_pool.start([note, prefix] {
        if (!KvBackupNote::clear(note, prefix))
            KV_LOG_ERROR("the backup note \"%s\" still names a backup of a closed project", KV_CSTR(note));
    });
}

KvAutoBackupWriter::Result KvAutoBackupWriter::write(const Job &job)
{
    Result result;
    result.revision = job.revision;
    if (!QDir().mkpath(job.folder)) {
        result.error = QStringLiteral("cannot create the backup folder \"%1\"").arg(job.folder);
        return result;
    }
    const QString path = KvBackupVersions::nextPath(job.folder, job.series, job.dottedSuffix,
                                                    QDateTime::currentDateTimeUtc());
    QString why;
    if (!KvProjectFile::write(path, job.data, &why)) {
        result.error = QStringLiteral("\"%1\": %2").arg(path, why);
        return result;
    }
    // The copy counts only when it gives the project back.
    KvProjectData back;
    const KvProjectFile::ReadResult read = KvProjectFile::read(path, &back, &why);
    if (read != KvProjectFile::ReadResult::Ok || back != asReadBack(job.data, job.folder)) {
        QFile::remove(path);
        result.error = read != KvProjectFile::ReadResult::Ok
            ? QStringLiteral("\"%1\" does not read back: %2").arg(path, why)
            : QStringLiteral("\"%1\" does not read back as the project").arg(path);
        return result;
    }
    if (!KvBackupNote::write(job.notePath, path, &why)) {
        result.error = QStringLiteral("the note \"%1\" cannot name \"%2\": %3").arg(job.notePath, path, why);
        return result;
    }
    result.pruned = KvBackupVersions::prune(job.folder, job.series, job.keepCount, job.projectPath);
    result.ok = true;
    result.path = path;
    return result;
}
