#pragma once

#include "KvCommunicatorMsg.h"

#include <QJsonObject>
#include <QObject>
#include <QStringList>

class KvHelperChannel;

// The effect store stand-in: no web page, only its side of the link with
// the editor. It listens on the store's channel, follows the account the
// editor tells it, and "downloads" packs: each a real zip named
// "<pack name> ^&^ <id>.zip" that holds "<pack name>/Config.json" and a few
// resource files, announced with "CMD_EFFECTSTORE_PACKDOWNLOAD".
//
// What a user would click is steered from outside:
//   KV_STOCKYARD_DOWNLOAD=<name>:<id>[,<name>:<id>...]
//       downloaded once the editor has greeted the store
//   KV_STOCKYARD_DOWNLOAD_DIR=<folder>   where downloads go (default: the
//       user's data folder, "StockyardDownloads")
class FStockyardStore : public QObject
{
    Q_OBJECT

public:
    explicit FStockyardStore(KvHelperChannel *editor, QObject *parent = nullptr);

    // Listens on the store's channel; false when it cannot.
    bool start(const QStringList &startContents);

    // Writes the pack zip; returns its path, empty on failure.
    static QString writePack(const QString &folder, const QString &name, int id);

private:
    void onMessage(const KvCommunicatorMsg &message);
    void toEditor(const QString &command, const QStringList &contents);
    void downloadRequested();

    KvHelperChannel *m_editor;
    QJsonObject m_account;
    bool m_greeted = false;
};
