#include "FCopyProxyFileDlg.h"

#include "IKvBaseLog.h"
#include "IKvMediaProxyService.h"
#include "KvDir.h"

#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QVariant>
#include <QVBoxLayout>

namespace {

constexpr int kDialogHeight = 120;
constexpr int kProgressWidth = 520;

} // namespace

FCopyProxyFileDlg::FCopyProxyFileDlg(const QString &oldFolder, const QString &newFolder, QWidget *parent)
    : KvFramelessDialog(parent, StandardWidth)
    , m_oldFolder(oldFolder)
    , m_newFolder(newFolder)
    , m_status(new QLabel)
    , m_progress(new QProgressBar)
    , m_failure(new QLabel)
{
    setObjectName(QStringLiteral("FCopyProxyFileDlg"));
    setTitle(tr("Proxy"));
    setFixedSize(StandardWidth, kDialogHeight);
    setCloseButtonVisible(false);

    m_status->setObjectName(QStringLiteral("FCopyProxyFileDlg_Status"));
    m_status->setTextFormat(Qt::PlainText);
    m_progress->setObjectName(QStringLiteral("FCopyProxyFileDlg_Progress"));
    m_progress->setProperty("mini", true);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->setFixedWidth(kProgressWidth);
    m_progress->setAccessibleName(tr("Proxy copy progress"));
    m_failure->setObjectName(QStringLiteral("FCopyProxyFileDlg_Failure"));
    m_failure->setTextFormat(Qt::PlainText);
    m_failure->setWordWrap(true);
    m_failure->hide();

    auto *layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(10, 6, 10, 6);
    layout->setSpacing(6);
    layout->addWidget(m_status);
    layout->addWidget(m_progress, 0, Qt::AlignHCenter);
    layout->addWidget(m_failure);
    layout->addStretch();

    if (!KvDir::checkDir(m_newFolder, true))
        KV_LOG_ERROR("proxy folder \"%s\" could not be created", KV_CSTR(m_newFolder));
}

FCopyProxyFileDlg::~FCopyProxyFileDlg() = default;

void FCopyProxyFileDlg::showEvent(QShowEvent *event)
{
    KvFramelessDialog::showEvent(event);
    if (!m_started)
        startCopy();
}

void FCopyProxyFileDlg::startCopy()
{
    m_started = true;
    // The service reports from its worker; the values cross to the GUI
    // thread by a queued call. The dialog outlives the copy: it only closes
    // on the last report.
    QPointer<FCopyProxyFileDlg> self(this);
    getMediaProxyService()->copyProxyFiles(m_oldFolder, m_newFolder,
                                           [self](int status, int value, const QString &fileBaseName) {
                                               QMetaObject::invokeMethod(self.data(), "slotUpdateProgress",
                                                                         Qt::QueuedConnection, Q_ARG(int, status),
                                                                         Q_ARG(int, value),
                                                                         Q_ARG(QString, fileBaseName));
                                           });
}

void FCopyProxyFileDlg::slotUpdateProgress(int status, int value, const QString &fileBaseName)
{
    m_progress->setValue(value);
    switch (status) {
    case IKvMediaProxyService::StatusWorking:
        m_status->setText(tr("Copying file ") + fileBaseName);
        break;
    case IKvMediaProxyService::StatusFinished:
        m_finished = true;
        done(Finished);
        break;
    case IKvMediaProxyService::StatusFailed:
        m_failedFiles << fileBaseName;
        m_failure->setText(tr("copy files ") + m_failedFiles.join(QLatin1Char(',')) + tr(" failed!"));
        m_failure->show();
        break;
    default:
        break;
    }
}

void FCopyProxyFileDlg::reject()
{
    if (m_finished)
        KvFramelessDialog::reject();
}
