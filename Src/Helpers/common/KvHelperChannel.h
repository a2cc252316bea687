#pragma once

#include "KvCommunicatorClient.h"
#include "KvCommunicatorMsg.h"

#include <QObject>

// A helper stand-in's channel to the editor that started it
// (KvCommunicatorServer::StartProcess), with the switches by which tests
// steer a helper through its environment:
//
//   KV_HELPER_EXIT_AFTER_MS=<n>   end with exit code 0 after n ms, and until
//                                 then keep running even without a channel
//   KV_HELPER_CRASH_ON=<command>  abort (no core file) when <command> arrives
//   KV_HELPER_HANG_ON=<command>   stop responding for good when <command>
//                                 arrives: the process runs, reads nothing
//
// Without KV_HELPER_EXIT_AFTER_MS a helper ends (exit code 0) when its
// channel is lost: a stand-in has no window that would keep it open.
class KvHelperChannel : public QObject
{
    Q_OBJECT

public:
    explicit KvHelperChannel(QObject *parent = nullptr);

    // Connects back; false, with a log line, when this process was not
    // started by a communicator server or the server is gone.
    bool open();
    // Queues a message to the editor; KvCommunicator::SendResult.
    int send(const QString &command, const QStringList &contents);

signals:
    // Every message from the editor that no switch has taken.
    void sigMessage(const KvCommunicatorMsg &message);

private:
    void onText(const QString &text);
    void onLost();

    KvCommunicatorClient *m_client;
    QString m_crashOn;
    QString m_hangOn;
    bool m_fixedLifetime = false;
};
