#include "FEffectInstallerCommunicatorHelper.h"

#include "FApplication.h"
#include "FEffectPackFiles.h"
#include "FExtractPackManager.h"
#include "FExtractPackWaitingDialog.h"
#include "FMessageDialog.h"
#include "IKvAccountService.h"
#include "IKvBaseLog.h"
#include "IKvProjectManager.h"
#include "KvAppSettings.h"
#include "KvCommunicatorClient.h"
#include "KvCommunicatorCommands.h"
#include "KvCommunicatorMsg.h"
#include "KvCommunicatorServer.h"
#include "KvDir.h"
#include "KvEffectPackUtility.h"
#include "KvElapsedTimer.h"
#include "KvFileLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QThread>

namespace {

FEffectInstallerCommunicatorHelper *g_helper = nullptr;

const QString kStoreChannel = QStringLiteral("NEW_SERVER_EFFECTSTORE_COMMUNICATOR_NAME");
const QString kStoreExecutable = QStringLiteral("StockyardService.exe");
// Account event kinds the store follows besides login and profile.
constexpr int kAccountInfoChanged = 18;

QString &storeDirectory()
{
    static QString directory;
    return directory;
}

bool onGuiThread(const QObject *object)
{
    return QThread::currentThread() == object->thread();
}

} // namespace

FEffectInstallerCommunicatorHelper *FEffectInstallerCommunicatorHelper::instance()
{
    // Start-up tasks reach it from workers; it belongs to the GUI thread.
    static QMutex mutex;
    QMutexLocker locker(&mutex);
    if (!g_helper) {
        g_helper = new FEffectInstallerCommunicatorHelper;
        if (QCoreApplication::instance())
            g_helper->moveToThread(QCoreApplication::instance()->thread());
    }
    return g_helper;
}

void FEffectInstallerCommunicatorHelper::Release()
{
    delete g_helper;
    g_helper = nullptr;
}

FEffectInstallerCommunicatorHelper::~FEffectInstallerCommunicatorHelper()
{
    if (m_observing)
        IKvAccountService::getInstance()->removeObserver(this);
    delete m_waiting.data();
}

FExtractPackWaitingDialog *FEffectInstallerCommunicatorHelper::waitingDialog() const
{
    return m_waiting;
}

int FEffectInstallerCommunicatorHelper::removeMarkedPackages()
{
    return KvEffectPackUtility::removeMarkedPackages();
}

void FEffectInstallerCommunicatorHelper::setStoreDirectory(const QString &directory)
{
    storeDirectory() = directory;
}

void FEffectInstallerCommunicatorHelper::start()
{
    if (onGuiThread(this))
        connectLink();
    else
        QMetaObject::invokeMethod(this, &FEffectInstallerCommunicatorHelper::connectLink, Qt::QueuedConnection);
}

void FEffectInstallerCommunicatorHelper::connectLink()
{
    if (m_client)
        return;
    m_client = new KvCommunicatorClient(this);
    connect(m_client, &KvCommunicatorClient::sigRecveMsg, this, &FEffectInstallerCommunicatorHelper::slotRecvMsg);
    // A store the editor started speaks first over the editor's own channel.
    connect(KvCommunicatorServer::GetInstance(), &KvCommunicatorServer::sigReceveMsgFrom, this,
            &FEffectInstallerCommunicatorHelper::slotRecvMsg);
    // A store that does not run is not greeted: it greets the editor when it
    // starts (and a send to nobody would only be an error in the log).
    if (isStoreRunning()) {
        m_client->ConnectToServer(kStoreChannel);
        m_client->SendMsg(KvCommand::KorvaneStart, {QStringLiteral("0")}, false);
    }
    IKvAccountService::getInstance()->addObserver(this);
    m_observing = true;
    // The link ends with the application, before the services go.
    if (QCoreApplication::instance()) {
        connect(QCoreApplication::instance(), &QObject::destroyed, this, [this] {
            if (m_observing)
                IKvAccountService::getInstance()->removeObserver(this);
            m_observing = false;
        });
    }
    KV_LOG_INFO("effect store link started (store %s)", isStoreRunning() ? "running" : "not running");
}

bool FEffectInstallerCommunicatorHelper::isStoreRunning() const
{
    return KvFileLock::isHeldByOther(FApplication::instanceLockPath(FApplication::getEffectInstallAppName()));
}

void FEffectInstallerCommunicatorHelper::sendCommand(const QString &command, const QStringList &contents)
{
    if (isStoreRunning()) {
        connectLink();
        // A store started after the link (by the user, say) was never dialled.
        if (m_client->serverPath().isEmpty())
            m_client->ConnectToServer(kStoreChannel);
        m_client->SendMsg(command, contents, false);
        return;
    }
    if (command != KvCommand::EffectstoreReopen) {
        KV_LOG_INFO("effect store not running; \"%s\" dropped", KV_CSTR(command));
        return;
    }
    const QString directory = storeDirectory().isEmpty() ? QCoreApplication::applicationDirPath() : storeDirectory();
    const QString path = QDir::cleanPath(QStringLiteral("%1/%2").arg(directory, kStoreExecutable));
    KV_LOG_INFO("starting the effect store: %s", KV_CSTR(path));
    KvCommunicatorServer::GetInstance()->StartProcess(path, contents, true, true);
}

void FEffectInstallerCommunicatorHelper::slotRecvMsg(const QString &text)
{
    for (const KvCommunicatorMsg &message : KvCommunicatorMsg::buildListFromString(text)) {
        const QString first = message.firstContent();
        if (message.contains(KvCommand::EffectstoreStart)) {
            if (first == QLatin1String("0")) {
                connectLink();
                // The store (re)started: connect to its new channel and greet it.
                m_client->ConnectToServer(kStoreChannel);
                m_client->SendMsg(KvCommand::KorvaneStart, {QStringLiteral("1")}, false);
            }
        } else if (message.contains(KvCommand::EffectstoretokorvaneAccountinfo)) {
            if (!first.isEmpty())
                applyAccountInfo(first);
        } else if (message.contains(KvCommand::EffectstoreLogout)) {
            if (!first.isEmpty())
                applyToken(first);
        } else if (message.contains(KvCommand::EffectstorePackdownload)) {
            installDownloadedPacks(message.contents());
        } else if (message.contains(KvCommand::EffectstoreUpdatetoken)) {
            if (!first.isEmpty())
                applyToken(first);
        } else if (message.contains(KvCommand::EffectstoreEffectpageEndLoad)) {
            if (!message.contents().isEmpty())
                KV_LOG_INFO("GetEffectsPageLoadTime:%d", first.toInt());
        } else if (message.contains(KvCommand::CloseOtherUseraccountpages)) {
            emit sigCloseOtherUserAccountPages();
        }
    }
}

void FEffectInstallerCommunicatorHelper::onTCIDEvent(const KvTCIDEvent &event)
{
    if (event.kind == KvTCIDEvent::kLogout) {
        sendCommand(KvCommand::KorvaneLogout, {QString()});
    } else if (event.kind == KvTCIDEvent::kLogin || event.kind == KvTCIDEvent::kUserInfo
               || event.kind == kAccountInfoChanged) {
        sendCommand(KvCommand::KorvanetoeffectstoreAccountinfo, {accountInfo()});
    }
}

QString FEffectInstallerCommunicatorHelper::accountInfo()
{
    IKvAccountService *account = IKvAccountService::getInstance();
    const IKvAccountService::KvAccountUser user = account->currentUser();
    if (!account->isLoggedIn())
        return QString::fromUtf8(QJsonDocument(QJsonObject{{"userId", QString()}}).toJson(QJsonDocument::Compact));
    return QString::fromUtf8(
        QJsonDocument(QJsonObject{{"userId", user.userId}, {"userName", user.userName}, {"token", user.token}})
            .toJson(QJsonDocument::Compact));
}

void FEffectInstallerCommunicatorHelper::applyAccountInfo(const QString &info)
{
    const QJsonObject object = QJsonDocument::fromJson(info.toUtf8()).object();
    if (object.isEmpty()) {
        KV_LOG_ERROR("account information from the effect store is not readable");
        return;
    }
    IKvAccountService *account = IKvAccountService::getInstance();
    // Not heard back by ourselves: the store already knows.
    account->removeObserver(this);
    const QString userId = object.value("userId").toString();
    const QString token = object.value("token").toString();
    if (userId.isEmpty()) {
        if (account->isLoggedIn())
            account->logout();
    } else if (!account->isLoggedIn() || account->currentUser().userId != userId
               || account->currentUser().token != token) {
        account->loginByToken(token.toUtf8(), userId);
    }
    account->addObserver(this);
}

void FEffectInstallerCommunicatorHelper::applyToken(const QString &token)
{
    IKvAccountService *account = IKvAccountService::getInstance();
    if (!account->isLoggedIn()) {
        KV_LOG_INFO("token from the effect store ignored: nobody is signed in");
        return;
    }
    if (account->currentUser().token == token)
        return;
    account->loginByToken(token.toUtf8(), account->currentUser().userId);
}

void FEffectInstallerCommunicatorHelper::installDownloadedPacks(const QStringList &files)
{
    const QString folder = KvAppSettings::GetInstance()->GetSettings().GetFolderSettings().GetInstallEffectPackTo();
    QDir().mkpath(folder);
    if (!KvDir::IsPathWriteAndReadable(folder)) {
        KV_LOG_ERROR("effect pack install folder \"%s\" cannot be written; %d downloads deleted", KV_CSTR(folder),
                     int(files.size()));
        for (const QString &file : files) {
            if (QFileInfo(file).isDir())
                QDir(file).removeRecursively();
            else
                QFile::remove(file);
        }
        FMessageDialog::information(nullptr, tr("Alert"),
                                    tr("The install directory ") + folder + tr(" has no permission."),
                                    QStringLiteral("FEffectInstaller_NoPermission"));
        return;
    }
    const QStringList renamed = FEffectPackFiles::renamePacks(files);
    KvEffectPackUtility::saveEffectPackTables(KvEffectPackUtility::getEffectPackTables() + renamed);

    if (!m_extract) {
        m_extract = new FExtractPackManager(this);
        connect(m_extract, &FExtractPackManager::sigTaskFinished, this,
                [this](const QStringList &installed, const QStringList &failed) {
                    if (m_waiting && !m_extract->isBusy())
                        m_waiting->close();
                    loadInstalledEffectPack();
                    emit sigPacksInstalled(installed, failed);
                });
    }
    if (!m_waiting)
        m_waiting = new FExtractPackWaitingDialog;
    m_waiting->show();
    m_extract->AddTask(renamed, folder);
}

QStringList FEffectInstallerCommunicatorHelper::loadInstalledEffectPack()
{
    KvElapsedTimer timer("FEffectInstallerCommunicatorHelper::loadInstalledEffectPack");
    const QStringList waiting = KvEffectPackUtility::getStartInstallPackages();
    const QStringList renamed = FEffectPackFiles::renamePacks(waiting);
    if (renamed != waiting) {
        QStringList tables = KvEffectPackUtility::getEffectPackTables();
        for (int i = 0; i < waiting.size(); ++i) {
            const int at = tables.indexOf(waiting.at(i));
            if (at >= 0)
                tables[at] = renamed.at(i);
        }
        KvEffectPackUtility::saveEffectPackTables(tables);
    }
    KV_LOG_INFO("start load pack:%s,renameed:%s", KV_CSTR(waiting.join(QLatin1Char('\n'))),
                KV_CSTR(renamed.join(QLatin1Char('\n'))));
    const QStringList paths = KvEffectPackUtility::getEffectPackPath();
    KV_LOG_INFO("pack paths:%s", KV_CSTR(paths.join(QLatin1Char('\n'))));

    if (!IKvProjectManager::hasInstance())
        return {};
    const QVector<KvEffectPackRecord> records = IKvProjectManager::getInstance()->installedEffectPacks();
    QStringList folders;
    for (const KvEffectPackRecord &record : records)
        folders << record.folder;
    if (onGuiThread(this))
        loadPacks(records);
    else
        QMetaObject::invokeMethod(this, [this, records] { loadPacks(records); }, Qt::QueuedConnection);
    return folders;
}

void FEffectInstallerCommunicatorHelper::loadPacks(const QVector<KvEffectPackRecord> &records)
{
    IKvProjectManager *model = IKvProjectManager::getInstance();
    QStringList effects = model->installedEffects();
    int loaded = 0;
    for (const KvEffectPackRecord &record : records) {
        const int id = FEffectPackFiles::packId(record.folder);
        // Packs without a store id are loaded once per folder scan.
        if (id >= 0 && m_loadedIds.contains(id))
            continue;
        if (id >= 0)
            m_loadedIds.insert(id);
        for (const QString &effect : record.resources) {
            if (!effects.contains(effect, Qt::CaseInsensitive))
                effects << effect;
        }
        ++loaded;
    }
    model->setInstalledEffects(effects);
    KV_LOG_INFO("effect packs loaded: %d", loaded);
}
