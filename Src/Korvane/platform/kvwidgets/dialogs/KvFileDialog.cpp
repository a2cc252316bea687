#include "KvFileDialog.h"

#include "IKvBaseLog.h"

#include <QFileDialog>

namespace {

KvFileDialog::DirectoryAnswerer &directoryAnswerer()
{
    static KvFileDialog::DirectoryAnswerer answerer;
    return answerer;
}

} // namespace

QString KvFileDialog::getExistingDirectory(QWidget *parent, const QString &title, const QString &startFolder)
{
    KV_LOG_INFO("choose a folder: %s, from %s", KV_CSTR(title), KV_CSTR(startFolder));
    const QString chosen = directoryAnswerer() ? directoryAnswerer()(title, startFolder)
                                               : QFileDialog::getExistingDirectory(parent, title, startFolder);
    KV_LOG_INFO("folder chosen: \"%s\"", KV_CSTR(chosen));
    return chosen;
}

void KvFileDialog::setDirectoryAnswerer(DirectoryAnswerer answerer)
{
    directoryAnswerer() = std::move(answerer);
}
