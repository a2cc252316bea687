#include "FEffectStoreOpener.h"

#include "FCBSUpdater.h"
#include "FEffectInstallerCommunicatorHelper.h"
#include "IKvBaseLog.h"
#include "KvCommunicatorCommands.h"
#include "KvLocale.h"
#include "KvStockyardUrlHelper.h"

namespace {

// The web-address request of the effect store page.
constexpr int kStorePageRequest = 2;

} // namespace

void FEffectStoreOpener::open(QObject *context)
{
    FEffectInstallerCommunicatorHelper *store = FEffectInstallerCommunicatorHelper::instance();
    // A store that starts now is told the interface language as well.
    const bool wasRunning = store->isStoreRunning();
    FCBSUpdater *updater = createCBSUpdater(context);
    QObject::connect(updater, &FCBSUpdater::sigTargetUrlFinished, updater,
                     [updater, wasRunning](int, bool succeed, const QString &targetUrl) {
                         KV_LOG_INFO("FCBSUpdater::VendaraEffectsPageUrl Success=%s, url=%s",
                                     succeed ? "true" : "false", KV_CSTR(targetUrl));
                         QStringList contents{succeed ? targetUrl : KvStockyardUrlHelper::downloadPage()};
                         if (!wasRunning)
                             contents << QString::number(KvLocale::instance()->languageType());
                         FEffectInstallerCommunicatorHelper::instance()->sendCommand(
                             QString(KvCommand::EffectstoreReopen), contents);
                         updater->deleteLater();
                     });
    updater->requestTargetUrl(kStorePageRequest, QStringLiteral("EffectStorePage"));
}
