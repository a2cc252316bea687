// What the main form presenter asks of the editing modules: the player, the
// timeline with its render service, the media library.
#include "KorvaneMainFormPresenter.h"

#include "FFolderSettings.h"
#include "IKvBaseLog.h"
#include "KorvaneMainFormPresenterPrivate.h"
#include "KvAppSettings.h"
#include "KvDataMessage.h"
#include "KvMainFormMessageId.h"

bool KorvaneMainFormPresenter::isColorMatching() const
{
    return false;
}

void KorvaneMainFormPresenter::stopMainPlayer()
{
    d->send(KvMainFormMsg::StopPlayback);
}

bool KorvaneMainFormPresenter::isPlayerPlaying() const
{
    KvMessage query(KvMainFormMsg::IsPlayerPlaying);
    const_cast<KorvaneMainFormPresenter *>(this)->sendMessageToScene(&query);
    return query.answer().toBool();
}

bool KorvaneMainFormPresenter::selectionKeepsOwnPanel() const
{
    return false;
}

void KorvaneMainFormPresenter::importMedia(const QStringList &paths, int source)
{
    KV_LOG_INFO("import of %d files from source %d", paths.size(), source);
}

void KorvaneMainFormPresenter::handleDownloadResult(const QStringList &contents)
{
    Q_UNUSED(contents)
}

void KorvaneMainFormPresenter::handleDownloadFolderChanged() {}

bool KorvaneMainFormPresenter::isPlayerMuted() const
{
    return false;
}

void KorvaneMainFormPresenter::setPlayerMuted(bool muted)
{
    Q_UNUSED(muted)
}

void KorvaneMainFormPresenter::pausePlayer() {}

void KorvaneMainFormPresenter::setPlayheadConnectorEnabled(bool enabled)
{
    d->playheadConnectorEnabled = enabled;
}

bool KorvaneMainFormPresenter::isPlayheadConnectorEnabled() const
{
    return d->playheadConnectorEnabled;
}

void KorvaneMainFormPresenter::sendRecordingPhase(int phase, qint64 position)
{
    Q_UNUSED(phase)
    Q_UNUSED(position)
}

void KorvaneMainFormPresenter::prepareRecordingAtPlayhead() {}

void KorvaneMainFormPresenter::deleteRenderFiles() {}

void KorvaneMainFormPresenter::setPlayerMixerState(bool mixing)
{
    Q_UNUSED(mixing)
}
