// What the menus ask of the media library besides plain imports: imports
// that ask the user first, and the tools that work on the selected items.
#include "KvMediaLibraryPresenter.h"

#include "FMediaLibraryView.h"
#include "IKvBaseLog.h"
#include "KvActionManager.h"
#include "KvDataMessage.h"
#include "KvEditingMessageId.h"
#include "KvMediaImportMessage.h"
#include "KvMediaLibraryUtils.h"
#include "KvToast.h"

#include <QFileDialog>
#include <QStandardPaths>

namespace {

// The name each selected-item tool has in the log.
const char *toolName(int code)
{
    switch (code) {
    case KvEditingMessageId::MediaCreateProxy:
        return "create proxy files";
    case KvEditingMessageId::MediaSceneDetection:
        return "scene detection";
    case KvEditingMessageId::MediaAutoReframe:
        return "auto reframe";
    case KvEditingMessageId::MediaBeatDetection:
        return "beat detection";
    case KvEditingMessageId::MediaModifyBeatInfo:
        return "modify beat information";
    default:
        return nullptr;
    }
}

// Auto highlight modes of MediaAutoHighlight.
constexpr int kHighlightImport = 2;
constexpr int kHighlightSelected = 3;

QString logList(const QVariantList &ids)
{
    QStringList texts;
    for (const QVariant &id : ids)
        texts << id.toString();
    return texts.join(QLatin1Char(','));
}

} // namespace

QVector<int> KvMediaLibraryPresenter::selectedItemIds() const
{
    const auto *libraryView = dynamic_cast<const FMediaLibraryView *>(view());
    if (!libraryView || libraryView->selectedItemId() < 0)
        return {};
    return {libraryView->selectedItemId()};
}

QStringList KvMediaLibraryPresenter::choosePaths(int mode)
{
    if (m_chooser)
        return m_chooser(mode);
    QWidget *parent = view() ? view()->widget() : nullptr;
    const QString start = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    if (mode == KvMediaImportMessage::ModeFolder) {
        const QString folder = QFileDialog::getExistingDirectory(parent, tr("Import a Media Folder"), start);
        return folder.isEmpty() ? QStringList() : QStringList{folder};
    }
    const QStringList all = KvMediaLibraryUtils::videoSuffixes() + KvMediaLibraryUtils::audioSuffixes()
        + KvMediaLibraryUtils::imageSuffixes() + KvMediaLibraryUtils::subtitleSuffixes();
    const QStringList filters = {tr("All Media Files (*.%1)").arg(all.join(QStringLiteral(" *."))),
                                 KvMediaLibraryUtils::getImportVideoFilter(),
                                 KvMediaLibraryUtils::getImportAudioFilter(),
                                 KvMediaLibraryUtils::getImportImageFilter(),
                                 KvMediaLibraryUtils::getImportSubtitleFilter()};
    return QFileDialog::getOpenFileNames(parent, tr("Import Media Files"), start, filters.join(QStringLiteral(";;")));
}

int KvMediaLibraryPresenter::askAndImport(int mode, int source, bool toCurrentFolder)
{
    if (mode != KvMediaImportMessage::ModeFiles && mode != KvMediaImportMessage::ModeFolder) {
        KV_LOG_ERROR("unknown import mode %d; nothing asked", mode);
        return 0;
    }
    const QStringList paths = choosePaths(mode);
    KV_LOG_INFO("import asked (mode %d, source %d, %s): %d chosen", mode, source,
                toCurrentFolder ? "to the current folder" : "to the project's media", int(paths.size()));
    if (paths.isEmpty())
        return 0;
    if (mode == KvMediaImportMessage::ModeFolder)
        return importFolder(paths.first(), source) ? 1 : 0;
    return importFiles(paths, source).added.isEmpty() ? 0 : 1;
}

QVariantList KvMediaLibraryPresenter::selectionForTool(const QString &tool)
{
    QVariantList ids;
    for (int id : selectedItemIds())
        ids << id;
    if (ids.isEmpty()) {
        KV_LOG_INFO("media library: %s asked with nothing selected", KV_CSTR(tool));
        KvToast::show(view() ? view()->widget() : nullptr, tr("Select media in the library first."), QString());
    } else {
        KV_LOG_INFO("media library: %s for items %s", KV_CSTR(tool), KV_CSTR(logList(ids)));
    }
    return ids;
}

bool KvMediaLibraryPresenter::dispatchToolMessage(KvMessage *message)
{
    const int code = message->code();
    const auto *dataMessage = dynamic_cast<KvDataMessage *>(message);
    if (code == KvEditingMessageId::MediaImportAsk) {
        const QVariantMap request = dataMessage ? dataMessage->data().toMap() : QVariantMap();
        message->setAnswer(askAndImport(request.value(QStringLiteral("mode"), -1).toInt(),
                                        request.value(QStringLiteral("source")).toInt(),
                                        request.value(QStringLiteral("toCurrentFolder"), true).toBool()));
        return true;
    }
    if (code == KvEditingMessageId::MediaAutoHighlight) {
        const int mode = dataMessage ? dataMessage->data().toInt() : -1;
        if (mode == kHighlightImport) {
            KV_LOG_INFO("media library: import with auto highlight");
            message->setAnswer(askAndImport(KvMediaImportMessage::ModeFiles, KvMediaImportMessage::SourceUser));
        } else if (mode == kHighlightSelected) {
            message->setAnswer(selectionForTool(QStringLiteral("auto highlight")));
        } else {
            KV_LOG_ERROR("auto highlight mode %d is unknown; ignored", mode);
        }
        return true;
    }
    if (code == KvActionManager::kRunActionMessage) {
        const int id = dataMessage ? dataMessage->data().toInt() : -1;
        KvActionManager *actions = KvActionManager::instance();
        if (actions->targetOf(id) != KvActionTarget::MediaLibrary)
            return false;
        KV_LOG_INFO("Media library: %s (action %d)", KV_CSTR(actions->getSourceText(id)), id);
        return true;
    }
    if (const char *tool = toolName(code)) {
        message->setAnswer(selectionForTool(QString::fromLatin1(tool)));
        return true;
    }
    return false;
}
