#include "KvRenderService.h"

#include "IKvBaseLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString kPrefix = QStringLiteral("preview_");
const QString kSuffix = QStringLiteral(".kvrender");

} // namespace

KvRenderService::KvRenderService(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this]() { renderNow(); });
}

void KvRenderService::reset()
{
    stop();
    m_folder.clear();
    m_delaySeconds = kDefaultDelaySeconds;
    m_autoRender = false;
}

void KvRenderService::setOutputFolder(const QString &folder)
{
    m_folder = folder;
}

void KvRenderService::setAutoRenderDelay(int seconds)
{
    m_delaySeconds = qMax(0, seconds);
}

void KvRenderService::setAutoRender(bool enabled)
{
    m_autoRender = enabled;
    if (!enabled)
        m_timer->stop();
}

void KvRenderService::start()
{
    m_running = true;
}

void KvRenderService::stop()
{
    m_running = false;
    m_timer->stop();
}

void KvRenderService::timelineChanged()
{
    if (m_running && m_autoRender)
        m_timer->start(m_delaySeconds * 1000);
}

bool KvRenderService::renderNow()
{
    if (m_folder.isEmpty()) {
        KV_LOG_ERROR("no render folder; preview not rendered");
        return false;
    }
    if (!QDir().mkpath(m_folder)) {
        KV_LOG_ERROR("cannot create the render folder \"%s\"", KV_CSTR(m_folder));
        return false;
    }
    const QString path = QDir(m_folder).filePath(kPrefix + QString::number(++m_serial) + kSuffix);
    QSaveFile file(path);
    const QByteArray bytes = m_describe ? m_describe() : QByteArray();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        KV_LOG_ERROR("cannot write the preview \"%s\": %s", KV_CSTR(path), KV_CSTR(file.errorString()));
        return false;
    }
    // Only the newest preview is worth keeping.
    for (const QString &old : renderFiles()) {
        if (old != path)
            QFile::remove(old);
    }
    emit sigRendered(path);
    return true;
}

bool KvRenderService::deleteRenderFiles(bool stopFirst)
{
    if (stopFirst)
        stop();
    bool ok = true;
    for (const QString &path : renderFiles()) {
        if (!QFile::remove(path)) {
            KV_LOG_ERROR("cannot delete the render file \"%s\"", KV_CSTR(path));
            ok = false;
        }
    }
    return ok;
}

QStringList KvRenderService::renderFiles() const
{
    if (m_folder.isEmpty())
        return {};
    QStringList files;
    const QDir dir(m_folder);
    const QFileInfoList entries =
        dir.entryInfoList({kPrefix + QStringLiteral("*") + kSuffix}, QDir::Files | QDir::NoSymLinks, QDir::Name);
    for (const QFileInfo &entry : entries)
        files << entry.absoluteFilePath();
    return files;
}
