#include "KvExportTrack.h"

#include "KvTrackEvents.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QVariantMap>

namespace {

const char kRecordSource[] = "record";

} // namespace

QVariantMap KvExportTrack::parseObject(const QString &json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8());
    return document.isObject() ? document.object().toVariantMap() : QVariantMap();
}

KvExportTrackRecord KvExportTrack::recordFromRecorder(const QString &path, const QString &recordInfo,
                                                      const QString &fileInfo)
{
    const QVariantMap info = parseObject(recordInfo);
    const QVariantMap file = parseObject(fileInfo);
    KvExportTrackRecord record;
    record.fileType = file.value("file_type").toString();
    record.fileFormat = file.value("file_format").toString();
    record.filePath = path;
    record.videoResolution = info.value("video_resolution").toString();
    record.videoCodec = file.value("video_codec").toString();
    record.videoMuxer = file.value("video_muxer").toString();
    record.frameRate = info.value("frame_rate").toString();
    record.source = QString::fromLatin1(kRecordSource);
    return record;
}

void KvExportTrack::trackExportSuccessInRecord(const KvExportTrackRecord &record)
{
    KvTrackEvent event(KvTrackEvents::nameOf(KvTrackEventKind::ExportSuccess));
    event.setField("file_type", record.fileType);
    event.setField("file_format", record.fileFormat);
    event.setField("file_path", record.filePath);
    event.setField("video_resolution", record.videoResolution);
    event.setField("video_codec", record.videoCodec);
    event.setField("video_muxer", record.videoMuxer);
    event.setField("frame_rate", record.frameRate);
    event.setField("audio_codec", record.audioCodec);
    event.setField("audio_muxer", record.audioMuxer);
    event.setField("duration", record.duration);
    event.setField("source", record.source);
    event.sendEvent();
}
