#include "IKvUpgradeModule.h"

#include "IKvBaseLog.h"
#include "KvPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

IKvUpgradeModule::IKvUpgradeModule(int mode, QObject *parent)
    : QObject(parent)
    , m_mode(mode)
{
}

QString IKvUpgradeModule::updaterExecutableName()
{
    return QStringLiteral("KorvaneUpdater.exe");
}

QString IKvUpgradeModule::stagedUpdaterPath()
{
    return QDir(KvPaths::userDataDir()).filePath(QStringLiteral("Upgrade/") + updaterExecutableName());
}

void IKvUpgradeModule::checkUpdate(int reason)
{
    m_lastCheckReason = reason;
    KV_LOG_INFO("check update (reason %d, mode %d): no update service on this installation, nothing to install", reason,
                m_mode);
}

bool IKvUpgradeModule::checkAndInstallUpdateExe()
{
    const QString staged = stagedUpdaterPath();
    if (!QFile::exists(staged)) {
        KV_LOG_INFO("no staged updater");
        return false;
    }
    const QString target = QDir(QCoreApplication::applicationDirPath()).filePath(updaterExecutableName());
    // Copy beside the target first, so that a failed copy leaves the
    // installed updater as it was.
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    if (!QFile::copy(staged, partial)) {
        KV_LOG_ERROR("cannot copy the staged updater %s to %s", KV_CSTR(staged), KV_CSTR(partial));
        return false;
    }
    QFile::setPermissions(partial, QFile::permissions(staged) | QFile::ExeOwner | QFile::ReadOwner);
    // rename() replaces the old file in one step.
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(target).constData()) != 0) {
        KV_LOG_ERROR("cannot replace the updater %s", KV_CSTR(target));
        QFile::remove(partial);
        return false;
    }
    QFile::remove(staged);
    KV_LOG_INFO("updater installed: %s", KV_CSTR(target));
    return true;
}

IKvUpgradeModule *createUpgradeModule(int mode)
{
    KV_LOG_INFO("create upgrade module, mode %d", mode);
    return new IKvUpgradeModule(mode);
}

void releaseUpgradeModule(IKvUpgradeModule *module)
{
    if (!module)
        return;
    KV_LOG_INFO("release upgrade module");
    delete module;
}
