#include "KvIPCWidget.h"

#include "IKvBaseLog.h"
#include "KvIPCProtocol.h"

#include <QGuiApplication>
#include <QLabel>
#include <QStackedLayout>
#include <QWindow>

KvIPCWidget::KvIPCWidget(QWidget *parent)
    : QWidget(parent)
    , m_stack(new QStackedLayout(this))
    , m_status(new QLabel(this))
{
    m_status->setObjectName(QStringLiteral("KvIPCWidget_status"));
    m_status->setAlignment(Qt::AlignCenter);
    m_status->setWordWrap(true);
    m_stack->addWidget(m_status);
    showStatus(tr("Loading..."));
}

KvIPCWidget::~KvIPCWidget()
{
    if (m_task)
        m_task->close();
}

void KvIPCWidget::setTask(IKvIPCTask *task)
{
    if (m_task == task)
        return;
    if (m_task) {
        disconnect(m_task, nullptr, this, nullptr);
        m_task->close();
    }
    m_task = task;
    if (!task) {
        showStatus(tr("The page is unavailable."));
        return;
    }
    connect(task, &IKvIPCTask::sigEvent, this, [this](const KvIPCEventPtr &event) { processEvent(event.data()); });
}

QString KvIPCWidget::statusText() const
{
    return m_status->text();
}

void KvIPCWidget::processEvent(KvIPCEvent *event)
{
    switch (event->number()) {
    case KvIPC::EventTaskCreated:
        embed(quintptr(event->params().value(QStringLiteral("window")).toDouble()));
        emit sigTaskCreated();
        break;
    case KvIPC::EventPageLoaded:
        emit sigPageLoaded(event->params().value(QStringLiteral("ok")).toBool());
        break;
    case KvIPC::EventTaskClosed:
        // Let go of the page's window while it still exists; the helper
        // destroys it once the task is closed.
        if (m_container) {
            delete m_container;
            m_container = nullptr;
            showStatus(QString());
        }
        if (m_task) {
            disconnect(m_task, nullptr, this, nullptr);
            m_task->close();
            m_task = nullptr;
        }
        emit sigClose();
        break;
    default:
        break;
    }
}

void KvIPCWidget::embed(quintptr windowId)
{
    // Foreign windows can only be adopted where the window system has them.
    if (windowId == 0 || QGuiApplication::platformName() != QLatin1String("xcb")) {
        KV_LOG_INFO("web page window %llu cannot be embedded on \"%s\"", qulonglong(windowId),
                    KV_CSTR(QGuiApplication::platformName()));
        showStatus(tr("The page is unavailable here; it is shown in a window of its own."));
        return;
    }
    QWindow *foreign = QWindow::fromWinId(WId(windowId));
    if (!foreign) {
        showStatus(tr("The page is unavailable."));
        return;
    }
    m_container = QWidget::createWindowContainer(foreign, this);
    m_container->setObjectName(QStringLiteral("KvIPCWidget_page"));
    m_stack->addWidget(m_container);
    m_stack->setCurrentWidget(m_container);
}

void KvIPCWidget::showStatus(const QString &text)
{
    m_status->setText(text);
    m_stack->setCurrentWidget(m_status);
}
