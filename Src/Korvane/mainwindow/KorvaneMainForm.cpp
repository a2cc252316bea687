#include "KorvaneMainForm.h"

#include "KvCommunicatorCommands.h"

#include "FMediaLibraryView.h"
#include "FMediaPlayerModuleWidget.h"
#include "FProjectDocProxy.h"
#include "FPropertyPanelModuleWidget.h"
#include "FTimelineModuleWidget.h"
#include "IKvBaseLog.h"
#include "IKvProject.h"
#include "IKvProjectManager.h"
#include "KorvaneMainFormPresenter.h"
#include "KvAppSettings.h"
#include "KvCloseRequest.h"
#include "KvCommunicatorMsg.h"
#include "KvCommunicatorServer.h"
#include "KvConfig.h"
#include "KvEditingViewType.h"
#include "KvElapsedTimer.h"
#include "KvMessage.h"
#include "KvMessageId.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QWindow>

namespace {

constexpr int kTitleHeight = 32;
const QSize kDefaultSize(1280, 720);

} // namespace

KorvaneMainForm::KorvaneMainForm(KorvaneMainFormPresenter *presenter, KvUIScene *scene, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , KvUIView(this)
{
    KvElapsedTimer timer("KorvaneMainForm::KorvaneMainForm");
    setObjectName(QStringLiteral("KorvaneMainForm"));
    setWindowTitle(tr("Tessaracorp Korvane X"));
    setMinimumSize(1024, 600);
    FProjectDocProxy::instance()->setParentWidget(this);
    setScene(scene);
    setPresenter(presenter);

    m_titleStrip = createTitleStrip();
    m_outerSplitter = new QSplitter(Qt::Vertical, this);
    m_outerSplitter->setObjectName(QStringLiteral("KorvaneMainForm_OuterSplitter"));
    m_upperSplitter = new QSplitter(Qt::Horizontal, m_outerSplitter);
    m_upperSplitter->setObjectName(QStringLiteral("KorvaneMainForm_UpperSplitter"));
    m_upperSplitter->setMinimumHeight(200);
    m_moduleStack = new QStackedWidget(m_upperSplitter);
    m_moduleStack->setMinimumWidth(657);

    auto *propertyPanel = new FPropertyPanelModuleWidget(m_moduleStack);
    auto *mediaLibrary = new FMediaLibraryView(m_moduleStack);
    m_moduleStack->addWidget(propertyPanel);
    m_moduleStack->addWidget(mediaLibrary);
    m_moduleStack->setCurrentWidget(mediaLibrary);
    auto *player = new FMediaPlayerModuleWidget(m_upperSplitter);
    auto *timeline = new FTimelineModuleWidget(m_outerSplitter);
    m_upperSplitter->setSizes({2000, 2000});
    m_outerSplitter->setSizes({523, 471});

    registerView(KvEditingViewType::MediaLibrary, mediaLibrary);
    registerView(KvEditingViewType::PropertyPanel, propertyPanel);
    registerView(KvEditingViewType::Player, player);
    registerView(KvEditingViewType::Timeline, timeline);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(1);
    layout->addWidget(m_titleStrip);
    layout->addWidget(m_outerSplitter, 1);

    connect(KvCommunicatorServer::GetInstance(), &KvCommunicatorServer::sigReceveMsgFrom, this,
            &KorvaneMainForm::slotReceveMsgFrom);
    refreshProjectTitle();
}

KorvaneMainForm::~KorvaneMainForm()
{
    FProjectDocProxy *docs = FProjectDocProxy::instance();
    if (docs->parentWidget() == this)
        docs->setParentWidget(nullptr);
}

QWidget *KorvaneMainForm::createTitleStrip()
{
    auto *strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("KorvaneMainForm_TitleBar"));
    strip->setFixedHeight(kTitleHeight);
    strip->installEventFilter(this);

    auto *home = new QPushButton(tr("Home"), strip);
    home->setObjectName(QStringLiteral("KorvaneMainForm_HomeBtn"));
    m_projectName = new QLabel(strip);
    m_projectName->setObjectName(QStringLiteral("KorvaneMainForm_ProjectName"));
    m_projectName->setAlignment(Qt::AlignCenter);
    auto *minimize = new QPushButton(QStringLiteral("\u2013"), strip);
    minimize->setObjectName(QStringLiteral("KorvaneMainForm_MinBtn"));
    auto *maximize = new QPushButton(QStringLiteral("\u25a1"), strip);
    maximize->setObjectName(QStringLiteral("KorvaneMainForm_MaxBtn"));
    auto *close = new QPushButton(QStringLiteral("\u00d7"), strip);
    close->setObjectName(QStringLiteral("KorvaneMainForm_CloseBtn"));
    for (QPushButton *button : {minimize, maximize, close}) {
        button->setFlat(true);
        button->setFixedSize(40, kTitleHeight - 4);
    }

    auto *layout = new QHBoxLayout(strip);
    layout->setContentsMargins(4, 2, 0, 2);
    layout->addWidget(home);
    layout->addWidget(m_projectName, 1);
    layout->addWidget(minimize);
    layout->addWidget(maximize);
    layout->addWidget(close);

    connect(home, &QPushButton::clicked, this, &KorvaneMainForm::slotBackHomepage);
    connect(minimize, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(maximize, &QPushButton::clicked, this, &KorvaneMainForm::toggleMaximized);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    return strip;
}

void KorvaneMainForm::showWithStoredGeometry()
{
    KvConfig *config = KvConfig::Instance();
    int width = 0;
    int height = 0;
    QSize size = kDefaultSize;
    if (config->getMainFormSizeConfig(width, height) && width > 0 && height > 0)
        size = QSize(width, height);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        size = size.boundedTo(available.size()).expandedTo(minimumSize());
        resize(size);
        move(available.center() - QPoint(size.width() / 2, size.height() / 2));
    } else {
        resize(size.expandedTo(minimumSize()));
    }
    if (config->getMainFormMaximizedConfig())
        showMaximized();
    else
        showNormal();
    raise();
    activateWindow();
}

void KorvaneMainForm::handleToolIndex(int toolIndex)
{
    KV_LOG_INFO("tool %d asked for; no tool is wired to the main form yet", toolIndex);
}

bool KorvaneMainForm::closeProject()
{
    return FProjectDocProxy::instance()->exit();
}

QString KorvaneMainForm::projectTitle() const
{
    return m_projectName->text();
}

bool KorvaneMainForm::dispatchMessage(KvMessage *message)
{
    if (message
        && (message->code() == KvMessageId::ProjectChanged || message->code() == KvMessageId::ProjectModifiedChanged))
        refreshProjectTitle();
    return KvUIView::dispatchMessage(message);
}

void KorvaneMainForm::slotHasReward(bool isReward)
{
    KV_LOG_INFO("has reward: %d", int(isReward));
    m_hasReward = isReward;
}

void KorvaneMainForm::slotReceveMsgFrom(const QString &text)
{
    // Most texts are for other receivers; only parse what concerns the window.
    if (!text.contains(KvCommand::ReopenApp))
        return;
    const QList<KvCommunicatorMsg> messages = KvCommunicatorMsg::buildListFromString(text);
    for (const KvCommunicatorMsg &message : messages) {
        if (!message.contains(KvCommand::ReopenApp))
            continue;
        if (isMinimized()) {
            setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
            show();
        } else if (!isVisible()) {
            show();
        }
        raise();
        activateWindow();
    }
}

void KorvaneMainForm::slotBackHomepage()
{
    if (!closeProject()) {
        KV_LOG_INFO("back to the start page cancelled: the project was kept");
        return;
    }
    emit sigBackHomepage();
}

void KorvaneMainForm::slotShowPropertyPanel(bool show)
{
    KvUIView *target = view(show ? KvEditingViewType::PropertyPanel : KvEditingViewType::MediaLibrary);
    if (target && m_moduleStack->currentWidget() != target->widget())
        m_moduleStack->setCurrentWidget(target->widget());
}

void KorvaneMainForm::refreshProjectTitle()
{
    const IKvProject *project = IKvProjectManager::getInstance()->currentProject();
    if (!project) {
        m_projectName->clear();
        return;
    }
    const QString name = project->name().isEmpty() ? tr("Untitled") : project->name();
    m_projectName->setText(project->isModified() ? name + QLatin1Char('*') : name);
}

void KorvaneMainForm::closeEvent(QCloseEvent *event)
{
    KV_LOG_INFO("close requested");
    if (!closeProject()) {
        event->ignore();
        return;
    }
    const bool showProjectLibrary =
        KvAppSettings::GetInstance()->GetSettings().GetGeneralSetting().GetShowProjectLibrary();
    KV_LOG_INFO("bCanShowProjectLibrary: %d", int(showProjectLibrary));
    if (showProjectLibrary) {
        emit sigBackHomepage();
        event->accept();
        return;
    }
    kvAnswerCloseRequest(event, [this](bool &ignore) { emit sigMainFormClose(ignore); });
}

void KorvaneMainForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Sizes set before the first show are not the user's.
    if (!isVisible() || isMinimized())
        return;
    KvConfig *config = KvConfig::Instance();
    config->setMainFormMaximizedConfig(isMaximized());
    if (!isMaximized() && !isFullScreen())
        config->setMainFormSizeConfig(width(), height());
}

bool KorvaneMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_titleStrip) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            toggleMaximized();
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress
            && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && windowHandle()) {
            // A frameless window moves by asking the window manager.
            windowHandle()->startSystemMove();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void KorvaneMainForm::toggleMaximized()
{
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}
