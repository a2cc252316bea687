#include "KvMediaLibraryPresenter.h"

#include "IKvBaseLog.h"
#include "KvEditingMessageId.h"
#include "KvMediaImportMessage.h"

#include <QDir>
#include <QFileInfo>
#include <QtConcurrent>

#include <algorithm>

KvMediaLibraryPresenter::KvMediaLibraryPresenter(IKvMediaLibrary *library, QObject *parent)
    : KvPresenter(parent)
    , m_library(library)
{
}

KvMediaLibraryPresenter::~KvMediaLibraryPresenter()
{
    // A folder still being read is waited for: its job must not outlive us.
    for (const auto &job : m_folderJobs) {
        job->disconnect(this);
        job->waitForFinished();
    }
}

KvMediaImportResult KvMediaLibraryPresenter::importFiles(const QStringList &paths, int source)
{
    KvMediaImportResult result;
    if (!m_library) {
        KV_LOG_ERROR("no media library to import into");
        return result;
    }
    result = m_library->importFiles(paths);
    report(result, source);
    return result;
}

bool KvMediaLibraryPresenter::importFolder(const QString &folder, int source)
{
    if (!QFileInfo(folder).isDir()) {
        KV_LOG_INFO("\"%s\" is not a folder; nothing imported", KV_CSTR(folder));
        emit sigImportRefused({QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(folder), tr("not a folder"))});
        return false;
    }
    auto watcher = std::make_unique<QFutureWatcher<QStringList>>();
    QFutureWatcher<QStringList> *raw = watcher.get();
    connect(raw, &QFutureWatcher<QStringList>::finished, this,
            [this, raw, source]() { finishFolder(raw, source); });
    m_folderJobs.push_back(std::move(watcher));
    raw->setFuture(QtConcurrent::run([folder]() { return IKvMediaLibrary::importableFilesIn(folder); }));
    KV_LOG_INFO("reading folder \"%s\" for media", KV_CSTR(folder));
    return true;
}

void KvMediaLibraryPresenter::finishFolder(QFutureWatcher<QStringList> *watcher, int source)
{
    const QStringList files = watcher->result();
    const auto it = std::find_if(m_folderJobs.begin(), m_folderJobs.end(),
                                 [watcher](const auto &job) { return job.get() == watcher; });
    if (it != m_folderJobs.end()) {
        it->release()->deleteLater();
        m_folderJobs.erase(it);
    }
    if (files.isEmpty()) {
        KV_LOG_INFO("the folder holds no media to import");
        emit sigImportRefused({tr("The folder holds no media files that can be imported.")});
        return;
    }
    importFiles(files, source);
}

void KvMediaLibraryPresenter::report(const KvMediaImportResult &result, int source)
{
    if (!result.refused.isEmpty())
        emit sigImportRefused(result.refused);
    emit sigImported(result, source);
    if (!result.added.isEmpty() && view()) {
        KvMessage imported(KvEditingMessageId::MediaImported);
        sendMessageToScene(&imported);
    }
}

void KvMediaLibraryPresenter::setCurrentCategoryType(int category)
{
    if (m_category == category)
        return;
    m_category = category;
    if (category == CategoryDownloads)
        clearRedDots();
    emit sigCategoryChanged(category);
}

void KvMediaLibraryPresenter::setDownloadFolder(const QString &folder)
{
    if (m_library)
        m_library->setDownloadFolder(folder);
}

QString KvMediaLibraryPresenter::downloadFolder() const
{
    return m_library ? m_library->downloadFolder() : QString();
}

void KvMediaLibraryPresenter::reloadResources(const QString &folder)
{
    KV_LOG_INFO("resources of \"%s\" reloaded", KV_CSTR(folder));
    emit sigResourcesReloaded(folder);
}

void KvMediaLibraryPresenter::downloadResult(const QString &category, const QString &folder, const QStringList &facts)
{
    KV_LOG_INFO("download of %s finished in \"%s\" (%s)", KV_CSTR(category), KV_CSTR(folder),
                KV_CSTR(facts.join(QLatin1Char(','))));
    if (!folder.isEmpty() && m_category != CategoryDownloads)
        m_redDots.insert(folder);
}

QStringList KvMediaLibraryPresenter::redDotFolders() const
{
    QStringList folders = m_redDots.values();
    folders.sort();
    return folders;
}

void KvMediaLibraryPresenter::refreshFolderRedDots()
{
    emit sigRedDotsChanged(redDotFolders());
}

void KvMediaLibraryPresenter::clearRedDots()
{
    if (m_redDots.isEmpty())
        return;
    m_redDots.clear();
    refreshFolderRedDots();
}

bool KvMediaLibraryPresenter::dispatchMessage(KvMessage *message)
{
    if (!message)
        return false;
    if (message->code() != KvEditingMessageId::MediaImport)
        return dispatchToolMessage(message) || KvPresenter::dispatchMessage(message);
    auto *request = dynamic_cast<KvMediaImportMessage *>(message);
    if (!request) {
        KV_LOG_ERROR("message %d is not an import request; ignored", message->code());
        return false;
    }
    KV_LOG_INFO("import of %d paths (mode %d, source %d)", int(request->paths().size()), request->mode(),
                request->source());
    if (request->mode() == KvMediaImportMessage::ModeFolder) {
        int started = 0;
        for (const QString &folder : request->paths())
            started += importFolder(folder, request->source()) ? 1 : 0;
        request->setAnswer(started);
        return true;
    }
    const KvMediaImportResult result = importFiles(request->paths(), request->source());
    request->setImportedIds(result.ids);
    request->setAnswer(int(result.added.size()));
    return true;
}
