// What the main form presenter asks of the editing modules: the player, the
// timeline with its render service, the media library.
#include "KorvaneMainFormPresenter.h"

#include "FColorMatchPresenter.h"
#include "FFolderSettings.h"
#include "FMainPlayerPresenter.h"
#include "FMainPlayheadConnector.h"
#include "FTimelineModulePresenter.h"
#include "FTimelineModuleWidget.h"
#include "IKvBaseLog.h"
#include "IKvProjectManager.h"
#include "IKvTimeline.h"
#include "KorvaneMainFormPresenterPrivate.h"
#include "KvAppSettings.h"
#include "KvClipSelectorConnector.h"
#include "KvDataMessage.h"
#include "KvEditingMessageId.h"
#include "KvMediaImportMessage.h"
#include "KvMediaLibraryPresenter.h"
#include "KvPlayhead.h"
#include "KvProjectPlayer.h"
#include "KvRenderService.h"
#include "KvTimelineRecordingMessage.h"

#include <QDir>
#include <QFontDatabase>

void KorvaneMainFormPresenter::setModulePresenters(FTimelineModulePresenter *timeline,
                                                   KvMediaLibraryPresenter *mediaLibrary,
                                                   FMainPlayerPresenter *player)
{
    d->timelinePresenter = timeline;
    d->mediaLibraryPresenter = mediaLibrary;
    d->playerPresenter = player;
}

IKvTimeline *KorvaneMainFormPresenter::timeline() const
{
    return IKvProjectManager::getInstance()->timeline();
}

KvProjectPlayer *KorvaneMainFormPresenter::player() const
{
    return IKvProjectManager::getInstance()->player();
}

void KorvaneMainFormPresenter::initServices()
{
    IKvProjectManager *manager = IKvProjectManager::getInstance();
    IKvTimeline *projectTimeline = manager->timeline();
    KvProjectPlayer *projectPlayer = manager->player();
    d->playheadConnector->clear();
    if (projectTimeline)
        d->playheadConnector->addPlayhead(projectTimeline->playhead(), 1);
    if (projectPlayer)
        d->playheadConnector->addPlayhead(projectPlayer->playhead(), 2);
    d->clipSelectorConnector->init(projectTimeline, manager->mediaEditor());
}

bool KorvaneMainFormPresenter::isColorMatching() const
{
    return d->playerPresenter && d->playerPresenter->colorMatchPresenter()
           && d->playerPresenter->colorMatchPresenter()->isMatching();
}

void KorvaneMainFormPresenter::stopMainPlayer()
{
    if (KvProjectPlayer *projectPlayer = player())
        projectPlayer->stop();
}

bool KorvaneMainFormPresenter::isPlayerPlaying() const
{
    const KvProjectPlayer *projectPlayer = player();
    return projectPlayer && projectPlayer->isPlaying();
}

bool KorvaneMainFormPresenter::selectionKeepsOwnPanel() const
{
    const IKvTimeline *projectTimeline = timeline();
    return projectTimeline && projectTimeline->selectionKeepsOwnPanel();
}

int KorvaneMainFormPresenter::importMedia(const QStringList &paths, int source)
{
    KvMediaImportMessage message(paths, KvMediaImportMessage::ModeFiles, source);
    if (!sendMessageToScene(&message)) {
        KV_LOG_ERROR("the media library took no import of %d files", paths.size());
        return -1;
    }
    return message.firstImportedId();
}

void KorvaneMainFormPresenter::handleDownloadResult(const QStringList &contents)
{
    if (contents.size() < 5) {
        KV_LOG_ERROR("a download result needs 5 contents, got %d", contents.size());
        return;
    }
    const QString folder = contents.at(1);
    // Fonts that came with the download are usable at once.
    const QDir fonts(folder + QStringLiteral("/Font"));
    const QStringList fontFiles = fonts.entryList({QStringLiteral("*.ttf"), QStringLiteral("*.otf")}, QDir::Files);
    for (const QString &file : fontFiles) {
        if (QFontDatabase::addApplicationFont(fonts.filePath(file)) < 0)
            KV_LOG_ERROR("the font %s could not be added", KV_CSTR(fonts.filePath(file)));
    }
    KvMediaLibraryPresenter *library = d->mediaLibraryPresenter;
    if (!library) {
        KV_LOG_ERROR("a download result arrived without a media library");
        return;
    }
    library->reloadResources(folder);
    library->downloadResult(contents.at(0), folder, {contents.at(4), contents.at(2), contents.at(3)});
    library->refreshFolderRedDots();
}

void KorvaneMainFormPresenter::handleDownloadFolderChanged()
{
    KvMediaLibraryPresenter *library = d->mediaLibraryPresenter;
    if (!library)
        return;
    const QString folder = KvAppSettings::GetInstance()->GetSettings().GetFolderSettings().GetDownloadFileFolder();
    library->setDownloadFolder(folder);
    library->reloadResources(folder);
}

bool KorvaneMainFormPresenter::isPlayerMuted() const
{
    const KvProjectPlayer *projectPlayer = player();
    return projectPlayer && projectPlayer->isMute();
}

void KorvaneMainFormPresenter::setPlayerMuted(bool muted)
{
    if (KvProjectPlayer *projectPlayer = player())
        projectPlayer->setMute(muted);
}

void KorvaneMainFormPresenter::pausePlayer()
{
    if (KvProjectPlayer *projectPlayer = player())
        projectPlayer->pause();
}

void KorvaneMainFormPresenter::setPlayheadConnectorEnabled(bool enabled)
{
    d->playheadConnector->setEnabled(enabled);
}

bool KorvaneMainFormPresenter::isPlayheadConnectorEnabled() const
{
    return d->playheadConnector->isEnabled();
}

void KorvaneMainFormPresenter::sendRecordingPhase(int phase, qint64 position, int mediaItem)
{
    KvTimelineRecordingMessage message(phase, position, mediaItem);
    sendMessageToScene(&message);
}

void KorvaneMainFormPresenter::prepareRecordingAtPlayhead()
{
    IKvTimeline *projectTimeline = timeline();
    if (!projectTimeline || projectTimeline->currentPosition() >= projectTimeline->endLimit())
        return;
    KvDataMessage prepare(KvEditingMessageId::TimelineRecordingPrepare,
                          QVariant::fromValue(static_cast<QObject *>(projectTimeline)));
    sendMessageToScene(&prepare);
    KvMessage play(KvEditingMessageId::PlayerPlay);
    sendMessageToScene(&play);
}

void KorvaneMainFormPresenter::deleteRenderFiles()
{
    IKvTimeline *projectTimeline = timeline();
    if (!projectTimeline || !projectTimeline->renderService()) {
        KV_LOG_ERROR("no render service to clean");
        return;
    }
    projectTimeline->renderService()->deleteRenderFiles(true);
}

void KorvaneMainFormPresenter::setPlayerMixerState(bool mixing)
{
    if (KvProjectPlayer *projectPlayer = player())
        projectPlayer->setMixerState(mixing);
}
