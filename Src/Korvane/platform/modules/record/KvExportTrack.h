#pragma once

#include <QString>
#include <QVariantMap>

// What a recorder reports about a file it made, sent as an export success
// so that recordings and exports are counted alike.
struct KvExportTrackRecord
{
    QString fileType;
    QString fileFormat;
    QString filePath;
    QString videoResolution;
    QString videoCodec;
    QString videoMuxer;
    QString frameRate;
    QString audioCodec;
    QString audioMuxer;
    int duration = 0;
    QString source;
};

class KvExportTrack
{
public:
    // Fills a record from a recorder's two JSON texts: `recordInfo` holds
    // "frame_rate" and "video_resolution", `fileInfo` "file_type",
    // "file_format", "video_codec" and "video_muxer". Missing entries and
    // texts that are not JSON objects give empty fields.
    static KvExportTrackRecord recordFromRecorder(const QString &path, const QString &recordInfo,
                                                  const QString &fileInfo);
    // A JSON text as an object; empty for anything else.
    static QVariantMap parseObject(const QString &json);

    static void trackExportSuccessInRecord(const KvExportTrackRecord &record);
};
