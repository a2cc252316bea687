#include "KorvaneTitleBar.h"

#include "FLoginAccountBtn.h"
#include "IKvAccountService.h"
#include "IKvProject.h"
#include "IKvProjectManager.h"
#include "KorvaneMenuBar.h"
#include "KorvaneTitleBarPresenter.h"
#include "KorvaneTitleToolButtonWdg.h"
#include "KvTopLevelWindowTitleBar.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include "KvSkin.h"

#include <QIcon>
#include <QLabel>
#include <QToolButton>

namespace {

const QString kSeparator = QStringLiteral(" : ");

} // namespace

KorvaneTitleBar::KorvaneTitleBar(KorvaneTitleBarPresenter *presenter, KvUIView *parentView, QWidget *parent)
    : QFrame(parent)
    , KvUIView(this)
    , m_presenter(presenter)
{
    // The title bar talks to the form's scene directly: as a child view it
    // would outlive the form's view base during the form's destruction.
    if (parentView)
        setScene(parentView->scene());
    QWidget *topLevel = window();
    topLevel->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowSystemMenuHint
                             | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    setPresenter(presenter);
    setFixedHeight(kHeight);

    m_windowTitleBar = new KvTopLevelWindowTitleBar(topLevel, this);
    m_windowTitleBar->initMaximizeButtonState();
    m_windowTitleBar->setButtons(52);
    m_windowTitleBar->setResizable(true);
    m_windowTitleBar->setMaximizeByDrag(true);
    m_windowTitleBar->setSystemBorderVisible(false);
    m_windowTitleBar->setIconLabelVisible(false);
    m_windowTitleBar->setObjectName(QStringLiteral("KorvaneMainTitleBar"));
    m_windowTitleBar->setButtonWidth(24);

    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("KorvaneTitleBarLogo"));
    m_logo->setFixedSize(24, 24);
    m_logo->setPixmap(KvSkin::instance()->icon(QStringLiteral("logo")).pixmap(24, 24));
    m_titleText = new QLabel(tr("Korvane"), this);
    m_titleText->setObjectName(QStringLiteral("KorvaneTitleBar_pTitleText"));
    m_titleText->setFixedHeight(24);
    m_projectNameLabel = new QLabel(tr("Untitled"), this);
    m_projectNameLabel->setObjectName(QStringLiteral("TopLevelTitleBarProjectNameLab"));
    m_projectNameLabel->setFixedHeight(24);
    m_projectNameLabel->setAlignment(Qt::AlignCenter);
    m_projectNameLabel->setMinimumWidth(0);
    m_projectNameLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_projectNameLabel->installEventFilter(this);

    m_menuBar = new KorvaneMenuBar(presenter, this);
    if (auto *overflow = m_menuBar->findChild<QToolButton *>(QStringLiteral("qt_menubar_ext_button"))) {
        overflow->setIcon(KvSkin::instance()->icon(QStringLiteral("next")));
        overflow->setAccessibleName(tr("More Menus"));
    }
    m_toolButtons = new KorvaneTitleToolButtonWdg(this);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addSpacing(4);
    layout->addWidget(m_logo);
    layout->addSpacing(4);
    layout->addWidget(m_titleText);
    layout->addSpacing(24);
    layout->addWidget(m_menuBar, 0, Qt::AlignVCenter);
    layout->addWidget(m_projectNameLabel, 1);
    layout->addSpacing(8);
    layout->addWidget(m_toolButtons);
    layout->addSpacing(136);

    connectPresenter();
    topLevel->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint
                             | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    refresh();
}

void KorvaneTitleBar::connectPresenter()
{
    KorvaneTitleToolButtonWdg *row = m_toolButtons;
    connect(row->supportButton(), &QToolButton::clicked, m_presenter, &KorvaneTitleBarPresenter::onSupportClicked);
    connect(row->saveButton(), &QToolButton::clicked, m_presenter, &KorvaneTitleBarPresenter::onSaveClicked);
    connect(row->moreEffectsButton(), &QToolButton::clicked, m_presenter,
            &KorvaneTitleBarPresenter::onMoreEffectsClicked);
    connect(row->creativeButton(), &QToolButton::clicked, m_presenter, &KorvaneTitleBarPresenter::onCreativeClicked);
    connect(row->cloudButton(), &QToolButton::clicked, m_presenter, &KorvaneTitleBarPresenter::onCloudClicked);
    connect(row->accountButton(), &QToolButton::clicked, m_presenter, &KorvaneTitleBarPresenter::onAccountClicked);
    connect(row->messageButton(), &QToolButton::clicked, m_presenter,
            [this] { m_presenter->requestCaddy(true, 0, QString()); });
    connect(row->messageInfoButton(), &QToolButton::clicked, m_presenter,
            [this] { m_presenter->requestCaddy(true, 1, QString()); });

    connect(m_presenter, &KorvaneTitleBarPresenter::sigTimelineDurationChanged, this, &KorvaneTitleBar::setDuration);
    connect(m_presenter, &KorvaneTitleBarPresenter::sigProjectChanged, this, &KorvaneTitleBar::slotProjectChanged);
    connect(m_presenter, &KorvaneTitleBarPresenter::sigReceiveCaddyMsg, this, &KorvaneTitleBar::slotReceiveCaddyMsg);
    connect(m_presenter, &KorvaneTitleBarPresenter::sigUpdateCreativeBtn, row,
            &KorvaneTitleToolButtonWdg::updateCreativeBtn);
    connect(m_presenter, &KorvaneTitleBarPresenter::sigTCIDStatusChanged, this, [this] {
        IKvAccountService *account = IKvAccountService::getInstance();
        m_toolButtons->accountButton()->setSignedIn(account->isLoggedIn(), account->currentUser().userName);
    });
    connect(m_presenter, &KorvaneTitleBarPresenter::sigExit, this, &KorvaneTitleBar::sigExit);
}

bool KorvaneTitleBar::isMaximized() const
{
    return m_windowTitleBar->isMaximized();
}

void KorvaneTitleBar::setProjectName(const QString &name)
{
    m_projectName = name;
    updateProjectNameText();
}

void KorvaneTitleBar::setDuration(const QString &duration)
{
    m_duration = duration;
    updateProjectNameText();
}

void KorvaneTitleBar::refresh()
{
    const IKvProject *project = IKvProjectManager::getInstance()->currentProject();
    setProjectName(project ? project->name() : QString());
    m_toolButtons->saveButton()->setEnabled(project && project->isModified());
    IKvAccountService *account = IKvAccountService::getInstance();
    m_toolButtons->accountButton()->setSignedIn(account->isLoggedIn(), account->currentUser().userName);
}

QString KorvaneTitleBar::projectText(const QFontMetrics &metrics, const QString &name, const QString &duration,
                                     int available)
{
    const QString shownName = name.isEmpty() ? tr("Untitled") : name;
    const int durationWidth = metrics.horizontalAdvance(duration);
    const int minimumWidth = metrics.horizontalAdvance(metrics.elidedText(QStringLiteral("elide"), Qt::ElideRight, 16));
    const int separatorWidth = metrics.horizontalAdvance(kSeparator);
    if (available > minimumWidth + separatorWidth + durationWidth) {
        const QString elided =
            metrics.elidedText(shownName, Qt::ElideRight, available - separatorWidth - minimumWidth - durationWidth);
        return elided.isEmpty() ? duration : elided + kSeparator + duration;
    }
    if (available >= durationWidth)
        return duration;
    if (available > minimumWidth)
        return metrics.elidedText(duration, Qt::ElideLeft, available);
    return QString();
}

int KorvaneTitleBar::availableNameWidth() const
{
    return width() - kReservedWidth - m_logo->width() - m_titleText->width() - m_menuBar->actionsWidth()
           - m_toolButtons->width();
}

void KorvaneTitleBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_titleText->setText(tr("Korvane"));
        if (auto *overflow = m_menuBar->findChild<QToolButton *>(QStringLiteral("qt_menubar_ext_button")))
            overflow->setAccessibleName(tr("More Menus"));
        updateProjectNameText();
    }
    QFrame::changeEvent(event);
}

void KorvaneTitleBar::updateProjectNameText()
{
    const QString text =
        projectText(m_projectNameLabel->fontMetrics(), m_projectName, m_duration, availableNameWidth());
    m_projectNameLabel->setText(text);
    m_projectNameLabel->setToolTip(m_projectName.isEmpty() ? tr("Untitled") : m_projectName);
}

void KorvaneTitleBar::slotReceiveCaddyMsg(int type, const QString &text)
{
    Q_UNUSED(text)
    // A type above zero counts unread messages.
    m_toolButtons->setHasNewMessage(type > 0);
}

void KorvaneTitleBar::slotProjectChanged(bool canSave)
{
    m_toolButtons->saveButton()->setEnabled(canSave);
    const IKvProject *project = IKvProjectManager::getInstance()->currentProject();
    setProjectName(project ? project->name() : QString());
}

bool KorvaneTitleBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_projectNameLabel && event->type() == QEvent::Resize)
        updateProjectNameText();
    return QFrame::eventFilter(watched, event);
}

void KorvaneTitleBar::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    updateProjectNameText();
}
