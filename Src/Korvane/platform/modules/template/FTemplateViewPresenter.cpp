#include "FTemplateViewPresenter.h"

#include "FProjectDocProxy.h"
#include "IKvAppInfo.h"
#include "IKvBaseLog.h"
#include "KvAppInfoId.h"
#include "KvProjectAspectRatioType.h"
#include "KvProjectSuffixHelper.h"

#include <QDir>
#include <QFileInfo>

FTemplateViewPresenter::FTemplateViewPresenter(QObject *parent)
    : KvPresenter(parent)
{
}

QVector<FTemplateViewPresenter::Entry> FTemplateViewPresenter::templates() const
{
    QVector<Entry> entries{{tr("Blank Template"), QString()}};
    const QString folder = IKvAppInfo::getInstance()->getString(KvAppInfoId::ProjectTemplateDir);
    if (folder.isEmpty()) {
        KV_LOG_ERROR("the project template folder is not known; only the built-in template is offered");
        return entries;
    }
    const QStringList filters{QLatin1String("*") + KvProjectSuffixHelper::instantModeFileDottedSuffix(),
                              QLatin1String("*") + KvProjectSuffixHelper::projectFileDottedSuffix(),
                              QLatin1String("*") + KvProjectSuffixHelper::archiveFileDottedSuffix()};
    const QFileInfoList files =
        QDir(folder).entryInfoList(filters, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &file : files)
        entries.append({file.completeBaseName(), file.absoluteFilePath()});
    return entries;
}

bool FTemplateViewPresenter::useTemplate(const Entry &entry)
{
    FProjectDocProxy *docs = FProjectDocProxy::instance();
    const bool ok = entry.path.isEmpty() ? docs->newProject(KvProjectAspectRatio::kDefault)
                                         : docs->openProjectTemplate(entry.path, entry.name);
    if (ok)
        KV_LOG_INFO("template \"%s\" in use", KV_CSTR(entry.name));
    else
        KV_LOG_ERROR("template \"%s\" could not be used", KV_CSTR(entry.name));
    return ok;
}
