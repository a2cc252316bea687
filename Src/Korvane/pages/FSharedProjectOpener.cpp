#include "FSharedProjectOpener.h"

#include "FForwardedOpenHandler.h"
#include "FPageNotices.h"
#include "FShareDescription.h"
#include "IKvAppInfo.h"
#include "IKvBaseLog.h"
#include "KvAppInfoId.h"
#include "KvCloudDisk.h"
#include "KvCloudDiskViewPresenter.h"
#include "KvProjectSuffixHelper.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

FSharedProjectOpener::FSharedProjectOpener(Hooks hooks)
    : m_hooks(std::move(hooks))
{
    connect(getCloudDisk()->viewPresenter(), &KvCloudDiskViewPresenter::sigShareDownloadFailed, this,
            [this](const QString &message) {
                FPageNotices::showInformation(m_hooks.currentPage ? m_hooks.currentPage() : nullptr, message);
            });
}

QString FSharedProjectOpener::safeName(const QString &name)
{
    // The name comes from the file: it must not lead out of the folder.
    QString safe = name;
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar &c : safe) {
        if (forbidden.contains(c) || c.unicode() < 0x20)
            c = QLatin1Char('_');
    }
    safe = safe.trimmed();
    while (safe.startsWith(QLatin1Char('.')))
        safe.remove(0, 1);
    return safe;
}

QString FSharedProjectOpener::templateFolder()
{
    return IKvAppInfo::getInstance()->getString(KvAppInfoId::UserMediaDir) + QLatin1Char('/')
           + QLatin1String(kTemplateGroupName);
}

FSharedProjectOpener::Outcome FSharedProjectOpener::handle(const QString &argument)
{
    KvCloudDiskViewPresenter *presenter = getCloudDisk()->viewPresenter();
    if (presenter->downloadShareTask()) {
        KV_LOG_INFO("shared project %s ignored: a share download runs", KV_CSTR(argument));
        return Ignored;
    }
    if (FForwardedOpenHandler::projectServicesBusy()) {
        KV_LOG_INFO("shared project %s ignored: a project operation runs", KV_CSTR(argument));
        return Ignored;
    }
    if (!argument.startsWith(QLatin1String(kSharePrefix)))
        return Ignored;

    const QString file = argument.mid(int(qstrlen(kSharePrefix)));
    const Outcome outcome = fetch(file);
    if (outcome != Located)
        bringForward();
    return outcome;
}

FSharedProjectOpener::Outcome FSharedProjectOpener::fetch(const QString &file)
{
    FShareDescription description;
    QString why;
    const FShareDescription::ReadResult read = FShareDescription::read(file, &description, &why);
    if (read != FShareDescription::Ok) {
        KV_LOG_ERROR("shared project description %s not used: %s", KV_CSTR(file), KV_CSTR(why));
        FPageNotices::showInformation(
            m_hooks.currentPage ? m_hooks.currentPage() : nullptr,
            tr("The shared project file \"%1\" cannot be read, so nothing was downloaded.")
                .arg(QDir::toNativeSeparators(file)));
        return Unreadable;
    }

    const QFileInfo info(file);
    QString name = safeName(description.fileName);
    if (name.isEmpty())
        name = safeName(info.completeBaseName());
    if (name.isEmpty())
        name = QStringLiteral("Shared Project");
    m_descriptionFile = info.fileName();
    KV_LOG_INFO("shared project \"%s\" (share %s, kind \"%s\")", KV_CSTR(name), KV_CSTR(description.shareId),
                KV_CSTR(description.assertion));

    KvCloudDiskViewPresenter *presenter = getCloudDisk()->viewPresenter();
    const QString target = QStringLiteral("%1/%2%3").arg(info.absolutePath(), name);
    switch (description.kind()) {
    case FShareDescription::Project:
        return presenter->downloadShareProject(description.shareId,
                                               target.arg(KvProjectSuffixHelper::projectFileDottedSuffix()))
                   ? Started
                   : NotStarted;
    case FShareDescription::ProjectArchive:
        return presenter->downloadShareProjectArchive(description.shareId,
                                                      target.arg(KvProjectSuffixHelper::archiveFileDottedSuffix()))
                   ? Started
                   : NotStarted;
    case FShareDescription::ProjectTemplate: {
        const QString shortName = safeName(description.fileName).section(QLatin1Char('_'), 0, 0);
        const QString folder = templateFolder();
        if (IKvAppInfo::getInstance()->getString(KvAppInfoId::UserMediaDir).isEmpty()) {
            KV_LOG_ERROR("shared template \"%s\": no media folder is known", KV_CSTR(description.fileName));
            return NotStarted;
        }
        if (!description.fileName.isEmpty() && QFileInfo(QDir(folder).filePath(description.fileName)).isDir()) {
            KV_LOG_INFO("shared template \"%s\" is here already: located", KV_CSTR(description.fileName));
            if (m_hooks.locateTemplate)
                m_hooks.locateTemplate(description.fileName);
            return Located;
        }
        const bool started = presenter->downloadShareProjectTemplate(
            description.shareId, shortName + QLatin1String(kTemplatePackageSuffix), folder);
        m_descriptionFile.clear();
        return started ? Started : NotStarted;
    }
    default:
        KV_LOG_INFO("shared project kind \"%s\" is not one this editor opens: nothing downloaded",
                    KV_CSTR(description.assertion));
        return NothingToFetch;
    }
}

void FSharedProjectOpener::bringForward()
{
    QWidget *page = m_hooks.currentPage ? m_hooks.currentPage() : nullptr;
    FPageNotices::bringForward(page ? page->window() : nullptr);
    getCloudDisk()->openView(page);
}
