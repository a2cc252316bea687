// Freeze frame: the picture under the playhead held as a still. The player
// gives the picture, the media library takes it in as a PNG medium, and the
// timeline places it.
#include "FTimelineModulePresenter.h"

#include "FTimelineModuleWidget.h"
#include "IKvAppInfo.h"
#include "IKvBaseLog.h"
#include "KvAppInfoId.h"
#include "KvEditingMessageId.h"
#include "KvMediaImportMessage.h"
#include "KvToast.h"

#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

int FTimelineModulePresenter::importFrozenPicture()
{
    KvMessage grab(KvEditingMessageId::PlayerGrabPicture);
    const QImage picture = view() && sendMessageToScene(&grab) ? grab.answer().value<QImage>() : QImage();
    if (picture.isNull()) {
        KV_LOG_INFO("Timeline: no player picture to freeze");
        KvToast::showFailure(m_view, tr("The frame could not be frozen: the player shows no picture."));
        return -1;
    }
    QString folder = IKvAppInfo::getInstance()->getString(KvAppInfoId::SnapshotDir);
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString path = QDir(folder).filePath(
        QStringLiteral("Freeze_%1.png").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_hhmmss_zzz"))));
    QSaveFile file(path);
    if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.commit()) {
        KV_LOG_ERROR("the frozen picture could not be written to \"%s\": %s", KV_CSTR(path),
                     KV_CSTR(file.errorString()));
        KvToast::showFailure(m_view, tr("The frame could not be frozen: %1 cannot be written.")
                                         .arg(QDir::toNativeSeparators(folder)));
        return -1;
    }
    KvMediaImportMessage import({path});
    sendMessageToScene(&import);
    if (import.firstImportedId() < 0)
        KV_LOG_ERROR("the frozen picture \"%s\" was not taken into the media library", KV_CSTR(path));
    return import.firstImportedId();
}

int FTimelineModulePresenter::freezeFrame(bool inPlace)
{
    if (!canFreezeFrame()) {
        KV_LOG_INFO("Timeline: freeze frame asked without one selected clip under the playhead");
        return -1;
    }
    const int clipIndex = m_timeline->selectedClips().first();
    const KvTimelineClip clip = m_timeline->clipAt(clipIndex);
    const qint64 at = m_timeline->currentPosition();
    KV_LOG_INFO("Timeline: freeze the frame at %lld ms of clip %d %s", static_cast<long long>(at), clipIndex,
                inPlace ? "in place" : "over it");
    const int medium = importFrozenPicture();
    if (medium < 0)
        return -1;
    if (!inPlace)
        return m_timeline->addMedia(medium, -1, at);

    // In place: cut the clip, then make room on its track for the hold by
    // moving what starts from the playhead on (the latest first, so that no
    // two clips ever meet on the way).
    if (!m_timeline->splitClip(clipIndex, at))
        return -1;
    QVector<int> later;
    for (int index = 0; index < m_timeline->clipCount(); ++index) {
        const KvTimelineClip other = m_timeline->clipAt(index);
        if (other.track == clip.track && other.startMs >= at)
            later << index;
    }
    const int still = m_timeline->addMedia(medium, clip.track, at);
    if (still < 0)
        return -1;
    const qint64 hold = m_timeline->clipAt(still).durationMs();
    std::sort(later.begin(), later.end(), [this](int a, int b) {
        return m_timeline->clipAt(a).startMs > m_timeline->clipAt(b).startMs;
    });
    for (int index : qAsConst(later))
        m_timeline->moveClip(index, clip.track, m_timeline->clipAt(index).startMs + hold);
    m_timeline->setSelectedClips({still});
    return still;
}
