#include "FStockyardStore.h"

#include "IKvBaseLog.h"
#include "KvCommunicatorCommands.h"
#include "KvCommunicatorServer.h"
#include "KvHelperChannel.h"
#include "KvPaths.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

namespace {

const QString kStoreChannel = QStringLiteral("NEW_SERVER_EFFECTSTORE_COMMUNICATOR_NAME");

bool addEntry(QuaZip &zip, const QString &name, const QByteArray &bytes)
{
    QuaZipFile file(&zip);
    if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(name)))
        return false;
    const bool ok = file.write(bytes) == bytes.size();
    file.close();
    return ok && file.getZipError() == ZIP_OK;
}

} // namespace

FStockyardStore::FStockyardStore(KvHelperChannel *editor, QObject *parent)
    : QObject(parent)
    , m_editor(editor)
{
}

bool FStockyardStore::start(const QStringList &startContents)
{
    KvCommunicatorServer *server = KvCommunicatorServer::GetInstance();
    if (!server->Listen(kStoreChannel))
        return false;
    connect(server, &KvCommunicatorServer::sigReceveMsgFrom, this, [this](const QString &text) {
        for (const KvCommunicatorMsg &message : KvCommunicatorMsg::buildListFromString(text))
            onMessage(message);
    });
    if (m_editor) {
        connect(m_editor, &KvHelperChannel::sigMessage, this, &FStockyardStore::onMessage);
        // The editor connects to the store's channel when told it is up.
        m_editor->send(QString(KvCommand::EffectstoreStart), {QStringLiteral("0")});
    }
    KV_LOG_INFO("store showing %s (language %s)", KV_CSTR(startContents.value(0)),
                KV_CSTR(startContents.value(1, QStringLiteral("unchanged"))));
    return true;
}

void FStockyardStore::onMessage(const KvCommunicatorMsg &message)
{
    const QString command = message.command();
    KV_LOG_INFO("store received %s", KV_CSTR(command));
    if (command == KvCommand::KorvaneStart) {
        if (!m_greeted) {
            m_greeted = true;
            downloadRequested();
        }
    } else if (command == KvCommand::EffectstoreReopen) {
        KV_LOG_INFO("store showing %s", KV_CSTR(message.firstContent()));
    } else if (command == KvCommand::KorvanetoeffectstoreAccountinfo) {
        m_account = QJsonDocument::fromJson(message.firstContent().toUtf8()).object();
        KV_LOG_INFO("store account: %s", KV_CSTR(m_account.value("userId").toString()));
    } else if (command == KvCommand::KorvaneLogout) {
        m_account = {};
        KV_LOG_INFO("store account: signed out");
    }
}

void FStockyardStore::toEditor(const QString &command, const QStringList &contents)
{
    // The editor's client on the store's channel, or the channel back to the
    // editor that started the store.
    if (KvCommunicatorServer::GetInstance()->sendMsgToClients(command, contents) > 0)
        return;
    if (m_editor)
        m_editor->send(command, contents);
}

void FStockyardStore::downloadRequested()
{
    const QString wanted = qEnvironmentVariable("KV_STOCKYARD_DOWNLOAD");
    if (wanted.isEmpty())
        return;
    QString folder = qEnvironmentVariable("KV_STOCKYARD_DOWNLOAD_DIR");
    if (folder.isEmpty())
        folder = QDir(KvPaths::userDataDir()).filePath(QStringLiteral("StockyardDownloads"));
    QStringList files;
    for (const QString &pack : wanted.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString name = pack.section(QLatin1Char(':'), 0, 0).trimmed();
        const int id = pack.section(QLatin1Char(':'), 1, 1).toInt();
        const QString file = writePack(folder, name, id);
        if (!file.isEmpty())
            files << file;
    }
    if (!files.isEmpty())
        toEditor(QString(KvCommand::EffectstorePackdownload), files);
}

QString FStockyardStore::writePack(const QString &folder, const QString &name, int id)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/'))) {
        KV_LOG_ERROR("pack name \"%s\" refused", KV_CSTR(name));
        return {};
    }
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(QStringLiteral("%1 ^&^ %2.zip").arg(name).arg(id));
    const QString effect = name.toLower().remove(QLatin1Char(' '));
    const QJsonObject config{{"pack_info", QJsonObject{{"id", id}}},
                             {"name", QJsonObject{{"en", name}}},
                             {"resources", QJsonArray{effect + "01", effect + "02"}}};
    QuaZip zip(path);
    bool ok = zip.open(QuaZip::mdCreate);
    ok = ok && addEntry(zip, name + "/Config.json", QJsonDocument(config).toJson());
    ok = ok && addEntry(zip, name + "/" + effect + "01.preset", QByteArray("preset 1 of ") + name.toUtf8());
    ok = ok && addEntry(zip, name + "/" + effect + "02.preset", QByteArray("preset 2 of ") + name.toUtf8());
    zip.close();
    if (!ok || zip.getZipError() != ZIP_OK) {
        KV_LOG_ERROR("pack \"%s\" not written", KV_CSTR(path));
        QFile::remove(path);
        return {};
    }
    KV_LOG_INFO("pack downloaded: %s", KV_CSTR(path));
    return path;
}
