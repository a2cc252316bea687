// The main form's handling of the commands that helper processes send
// through the communicator: the screen recorder, the download centre and a
// second start of the editor.
#include "KorvaneMainForm.h"

#include "FFolderSettings.h"
#include "IKvBaseLog.h"
#include "KorvaneMainFormPresenter.h"
#include "KvAppSettings.h"
#include "KvCommunicatorCommands.h"
#include "KvCommunicatorMsg.h"
#include "KvExportTrack.h"
#include "KvMediaImportMessage.h"
#include "KvMainWindowTracking.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <iterator>

namespace {

QJsonObject jsonObjectAt(const QStringList &contents, int index)
{
    return index < contents.size() ? QJsonDocument::fromJson(contents.at(index).toUtf8()).object() : QJsonObject();
}

} // namespace

void KorvaneMainForm::slotReceveMsgFrom(const QString &msg)
{
    // Most texts are for other receivers: pass them by without splitting.
    static const QLatin1String handled[] = {KvCommand::ReopenApp, KvCommand::RecorderCapturedirNotifiy,
                                            KvCommand::RecorderFilepathNotifiy, KvCommand::RecorderEixtNotifiy,
                                            KvCommand::DownloadcenterDownloadResultEffect};
    if (std::none_of(std::begin(handled), std::end(handled),
                     [&msg](QLatin1String command) { return msg.contains(command); }))
        return;
    const QList<KvCommunicatorMsg> messages = KvCommunicatorMsg::buildListFromString(msg);
    for (const KvCommunicatorMsg &message : messages) {
        const QStringList contents = message.contents();
        if (message.contains(KvCommand::ReopenApp)) {
            if (isMinimized()) {
                bringToFront();
            } else if (!isVisible()) {
                show();
            }
        } else if (message.contains(KvCommand::RecorderCapturedirNotifiy)) {
            if (contents.isEmpty())
                continue;
            KvAppSettings *settings = KvAppSettings::GetInstance();
            settings->GetSettings().GetFolderSettings().SetCaptureFileFolder(contents.first());
            if (!KvAppSettings::Save())
                KV_LOG_ERROR("the capture folder %s could not be stored", KV_CSTR(contents.first()));
        } else if (message.contains(KvCommand::RecorderFilepathNotifiy)) {
            if (!contents.isEmpty())
                processFileFromScreenRecorder(contents);
        } else if (message.contains(KvCommand::RecorderEixtNotifiy)) {
            bringToFront();
        } else if (message.contains(KvCommand::DownloadcenterDownloadResultEffect)) {
            m_presenter->handleDownloadResult(contents);
        }
    }
}

void KorvaneMainForm::processFileFromScreenRecorder(const QStringList &strContents)
{
    const QString path = strContents.value(0);
    const QJsonObject recording = jsonObjectAt(strContents, 1);
    if (!recording.isEmpty())
        KvMainWindowTracking::sendFields(KvMainWindowTracking::ScreenRecording, recording.toVariantMap());
    KvExportTrackRecord record =
        KvExportTrack::recordFromRecorder(path, strContents.value(1), strContents.value(2));
    record.source = QStringLiteral("record");
    KvExportTrack::trackExportSuccessInRecord(record);

    bringToFront();
    if (QFileInfo::exists(path))
        m_presenter->importMedia({path}, KvMediaImportMessage::SourceScreenRecorder);
    else
        KV_LOG_INFO("the recorded file %s does not exist; nothing imported", KV_CSTR(path));
}

void KorvaneMainForm::bringToFront()
{
    // The recorder minimized the window when it started.
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}
