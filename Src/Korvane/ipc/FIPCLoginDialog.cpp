#include "FIPCLoginDialog.h"

#include "FIPCLoginWidget.h"
#include "FIPCServer.h"
#include "IKvBaseLog.h"
#include "KvIPCProtocol.h"
#include "KvIPCUITaskArguments.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// The account service's web login page.
const char *const kLoginPageUrl = "https://account.tessaracorp.com/login";
} // namespace

FIPCLoginDialog::FIPCLoginDialog(QWidget *parent)
    : KvFramelessDialog(parent, NarrowWidth)
    , m_widget(new FIPCLoginWidget)
    , m_back(new QToolButton)
{
    setObjectName(QStringLiteral("FIPCLoginDialog"));
    setTitle(tr("Log in"));
    if (QWidget *titleBar = findChild<QWidget *>(QStringLiteral("KvFramelessDialog_TitleBar"))) {
        titleBar->setObjectName(QStringLiteral("FCommonLib_FUserAccountPages_TopLevelWindowTitleBar"));
        if (auto *layout = qobject_cast<QHBoxLayout *>(titleBar->layout()))
            layout->insertWidget(0, m_back);
    }
    closeButton()->setObjectName(QStringLiteral("FUserAccountPages_closeButton"));
    m_back->setObjectName(QStringLiteral("FCefEngineView_BackBtn"));
    m_back->setText(QStringLiteral("<"));
    m_back->setToolTip(tr("Back"));
    m_back->setAccessibleName(m_back->toolTip());
    m_back->hide();

    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_widget);
    setContentWidget(content);
    m_widget->setFixedSize(kPageWidth, kPageHeight);
    setFixedSize(sizeHint());

    connect(m_widget, &KvIPCWidget::sigTaskCreated, this, &FIPCLoginDialog::slotTaskCreated);
    connect(m_widget, &KvIPCWidget::sigClose, this, &QDialog::accept);
    connect(m_widget, &FIPCLoginWidget::sigChangeBackBtnState, m_back, &QWidget::setVisible);
    connect(m_back, &QToolButton::clicked, this, [this] {
        if (m_widget->task())
            m_widget->task()->sendEvent(KvIPCEvent(KvIPC::EventGoBack));
    });
}

void FIPCLoginDialog::slotTaskCreated()
{
    KV_LOG_INFO("login page opened (window %llu, embedded: %s)",
                qulonglong(m_widget->task() ? m_widget->task()->windowId() : 0),
                m_widget->isEmbedded() ? "yes" : "no");
}

bool FIPCLoginDialog::popup(QWidget *parent)
{
    KvIPCUITaskArguments arguments(QSize(kPageWidth, kPageHeight));
    arguments.setStartUrl(QString::fromLatin1(kLoginPageUrl));
    FIPCServer *server = FIPCServer::instance();
    IKvIPCTask *task = server->createTask(KvIPC::kTaskKindUi, arguments);
    if (!task) {
        KV_LOG_ERROR("pTask is NULL!");
        return false;
    }
    KV_LOG_INFO("Login begin.");
    FIPCLoginDialog dialog(parent);
    dialog.loginWidget()->setTask(task);
    dialog.DoModal();
    KV_LOG_INFO("Login end.");
    return true;
}
