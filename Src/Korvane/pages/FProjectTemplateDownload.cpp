#include "FProjectTemplateDownload.h"

#include "CreativeHelper.h"
#include "FMaskManager.h"
#include "FPageNotices.h"
#include "IKvBaseLog.h"
#include "KvBoolGuards.h"
#include "KvCustomProductInfo.h"
#include "KvProgressDialog.h"

#include <QFileInfo>
#include <QTimer>
#include <QUrl>
#include <QWidget>

FProjectTemplateDownload::FProjectTemplateDownload(Hooks hooks)
    : m_hooks(std::move(hooks))
{
}

FProjectTemplateDownload::~FProjectTemplateDownload()
{
    m_context.reset();
    if (m_dialog) {
        m_dialog->disconnect(this);
        delete m_dialog;
    }
}

KvProgressDialog *FProjectTemplateDownload::progressDialog() const
{
    return m_dialog;
}

int FProjectTemplateDownload::percent(qint64 received, qint64 total)
{
    if (total <= 0 || received <= 0)
        return 0;
    if (received >= total)
        return 100;
    // Integer arithmetic: half a percent rounds up without floating error.
    return int((received * 200 + total) / (total * 2));
}

bool FProjectTemplateDownload::mustWait() const
{
    QWidget *window = m_hooks.mainWindow ? m_hooks.mainWindow() : nullptr;
    return m_running || FMaskManager::IsMaskVisible() || (window && !window->isEnabled());
}

void FProjectTemplateDownload::request(const QString &url, const QString &name)
{
    KV_LOG_INFO("project template requested: %s (\"%s\")", KV_CSTR(url), KV_CSTR(name));
    const quint64 serial = ++m_serial;
    if (m_hooks.enterEditing)
        m_hooks.enterEditing();
    QWidget *window = m_hooks.mainWindow ? m_hooks.mainWindow() : nullptr;
    FPageNotices::bringForward(window);

    if (mustWait() && !m_promptShown) {
        KvBoolGuards prompt(m_promptShown);
        FPageNotices::showInformation(window,
                                      tr("Please close the other window to continue downloading the project template."));
    }
    // A newer request came while the prompt was up: that one goes ahead.
    if (serial != m_serial)
        return;
    m_context = std::make_unique<QObject>();
    QTimer::singleShot(kRetryMs, m_context.get(), [this, url, name] { attempt(url, name); });
}

void FProjectTemplateDownload::attempt(const QString &url, const QString &name)
{
    if (mustWait()) {
        QTimer::singleShot(kRetryMs, m_context.get(), [this, url, name] { attempt(url, name); });
        return;
    }
    m_running = true;
    m_helper = std::make_unique<CreativeHelper>();
    QWidget *window = m_hooks.mainWindow ? m_hooks.mainWindow() : nullptr;
    auto *dialog = new KvProgressDialog(window);
    m_dialog = dialog;
    dialog->setObjectName(QStringLiteral("FProjectTemplateDownload_Progress"));
    dialog->setTitle(KvCustomProductInfo::FGetProductName());
    dialog->setProgressTitle(tr("Downloading Project Template:"));
    dialog->setRange(0, 100);
    dialog->setProgress(0);
    dialog->setProgressText(tr("None"));

    connect(m_helper.get(), &CreativeHelper::sigProgress, dialog, [dialog](qint64 received, qint64 total) {
        if (total <= 0)
            return;
        const int value = percent(received, total);
        dialog->setProgress(value);
        dialog->setProgressText(QStringLiteral("%1%").arg(value));
    });
    connect(m_helper.get(), &CreativeHelper::DownloadFinished, dialog, &KvProgressDialog::finish);
    // Queued: the project opens after the helper and the dialog have
    // finished their signals.
    connect(dialog, &QDialog::finished, this, [this, name](int result) { done(result, name); }, Qt::QueuedConnection);
    // The window under the dialog can go (a page change); the download goes with it.
    connect(dialog, &QObject::destroyed, this, [this] {
        if (!m_running)
            return;
        KV_LOG_INFO("project template download ended with its window");
        m_running = false;
        m_helper.reset();
    });
    dialog->open();
    m_helper->download(QUrl::fromUserInput(url), name);
}

void FProjectTemplateDownload::done(int result, const QString &name)
{
    if (!m_running)
        return;
    m_running = false;
    const QString file = m_helper ? m_helper->downloadedFile() : QString();
    m_helper.reset();
    if (m_dialog)
        m_dialog->deleteLater();
    QWidget *window = m_hooks.mainWindow ? m_hooks.mainWindow() : nullptr;
    if (result == KvProgressDialog::Finished && !file.isEmpty() && QFileInfo::exists(file)) {
        KV_LOG_INFO("opening the downloaded template %s", KV_CSTR(file));
        if (m_hooks.openTemplate)
            m_hooks.openTemplate(file, name);
        return;
    }
    FPageNotices::showInformation(window, tr("The project template download has failed, please try again."));
}
