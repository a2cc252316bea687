#include "KorvaneBootWindow.h"

#include "FProjectDocProxy.h"
#include "IKvBaseLog.h"
#include "KvCommunicatorMsg.h"
#include "KvCommunicatorServer.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>

KorvaneBootWindow::KorvaneBootWindow(const QString &title, QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("KorvaneBootWindow"));
    setWindowTitle(title);
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    m_projectLabel = new QLabel(tr("No project open"), central);
    m_projectLabel->setObjectName(QStringLiteral("projectLabel"));
    QFont font = m_projectLabel->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    m_projectLabel->setFont(font);
    m_received = new QListWidget(central);
    m_received->setObjectName(QStringLiteral("receivedCommands"));
    layout->addWidget(m_projectLabel);
    layout->addWidget(new QLabel(tr("Requests from other starts:"), central));
    layout->addWidget(m_received, 1);
    setCentralWidget(central);

    resize(1280, 720);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = geometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

    connect(KvCommunicatorServer::GetInstance(), &KvCommunicatorServer::sigReceveMsgFrom, this,
            &KorvaneBootWindow::slotReceveMsgFrom);
}

void KorvaneBootWindow::slotReceveMsgFrom(const QString &text)
{
    const QList<KvCommunicatorMsg> messages = KvCommunicatorMsg::buildListFromString(text);
    for (const KvCommunicatorMsg &message : messages) {
        m_received->addItem(QStringLiteral("%1 %2").arg(message.command(), message.contents().join(QLatin1Char(' '))));
        if (message.contains(QStringLiteral("CMD_OPEN_PROJECT"))) {
            KV_LOG_INFO("CMD_OPEN_PROJECT: %s", KV_CSTR(message.firstContent()));
            bringToFront();
            openProject(message.firstContent());
        } else if (message.contains(QStringLiteral("CMD_REOPEN_APP"))) {
            KV_LOG_INFO("CMD_REOPEN_APP");
            bringToFront();
        }
    }
}

void KorvaneBootWindow::bringToFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void KorvaneBootWindow::openProject(const QString &argument)
{
    // The forwarded argument is the whole command-line word, key included.
    const QString path = FProjectDocProxy::projectPathFromArgument(argument);
    if (!QFileInfo::exists(path)) {
        KV_LOG_ERROR("forwarded project does not exist: %s", KV_CSTR(path));
        return;
    }
    if (FProjectDocProxy::instance()->openProject(path, false))
        m_projectLabel->setText(QFileInfo(path).completeBaseName());
    else
        KV_LOG_ERROR("Open Project failed: %s", KV_CSTR(path));
}
