#pragma once

#include "KvCommunicatorMsg.h"

#include <QObject>

class KvHelperChannel;

// The event tracker's side of the conversation with the editor. Every
// message is written to the tracker's own log ("received <command> [<contents>]")
// so that what the editor sent can be read back:
//   GACMD_TRACK_SERVER_PID       the editor's process id; the tracker then
//                                asks for the public events (GACMD_TRACK_PUBLIC)
//   TESSARACORPCMD_TRACKER_DATA_COLLECT   "1" or "0": whether events are collected
//   GACMD_EXIT_REQUEST           ends the tracker
class FTrackerCommands : public QObject
{
    Q_OBJECT

public:
    explicit FTrackerCommands(KvHelperChannel *channel, QObject *parent = nullptr);

    void handle(const KvCommunicatorMsg &message);

    qint64 editorPid() const { return m_editorPid; }
    bool collecting() const { return m_collecting; }

private:
    KvHelperChannel *m_channel;
    qint64 m_editorPid = 0;
    bool m_collecting = true;
};
