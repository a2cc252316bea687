#include "KvFramelessDialog.h"

#include "IKvBaseLog.h"
#include "KvCheck.h"
#include "KvToolButtonFactory.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace {

const char *const kResultProperty = "framelessDialogResult";

KvFramelessDialog::Answerer &answerer()
{
    static KvFramelessDialog::Answerer s_answerer;
    return s_answerer;
}

} // namespace

KvFramelessDialog::KvFramelessDialog(QWidget *parent, WidthClass widthClass)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_frame(new QFrame(this))
    , m_titleBar(new QWidget(m_frame))
    , m_title(new QLabel(m_titleBar))
    , m_closeButton(KvToolButtonFactory::create(m_titleBar, QStringLiteral("KvFramelessDialog_CloseBtn"), tr("Close"),
                                                QStringLiteral("close"), QSize(28, 28)))
    , m_frameLayout(new QVBoxLayout(m_frame))
    , m_content(new QWidget(m_frame))
    , m_buttonBar(new QWidget(m_frame))
    , m_buttons(new QHBoxLayout(m_buttonBar))
    , m_widthClass(widthClass)
{
    setObjectName(QStringLiteral("KvFramelessDialog"));
    setModal(true);
    setAttribute(Qt::WA_StyledBackground);
    m_frame->setObjectName(QStringLiteral("KvFramelessDialog_Frame"));
    m_titleBar->setObjectName(QStringLiteral("KvFramelessDialog_TitleBar"));
    m_titleBar->setAttribute(Qt::WA_StyledBackground);
    m_titleBar->setFixedHeight(kTitleBarHeight);
    m_titleBar->installEventFilter(this);
    m_title->setObjectName(QStringLiteral("KvFramelessDialog_Title"));
    m_title->setTextFormat(Qt::PlainText);
    m_content->setObjectName(QStringLiteral("KvFramelessDialog_Content"));
    m_buttonBar->setObjectName(QStringLiteral("KvFramelessDialog_ButtonBar"));
    m_buttonBar->setAttribute(Qt::WA_StyledBackground);
    m_buttonBar->hide();

    auto *titleLayout = new QHBoxLayout(m_titleBar);
    titleLayout->setContentsMargins(16, 0, 8, 0);
    titleLayout->setSpacing(8);
    titleLayout->addWidget(m_title, 1);
    titleLayout->addWidget(m_closeButton);

    m_buttons->setContentsMargins(16, 12, 16, 14);
    m_buttons->setSpacing(10);
    m_buttons->addStretch();

    m_frameLayout->setContentsMargins(1, 1, 1, 1);
    m_frameLayout->setSpacing(0);
    m_frameLayout->addWidget(m_titleBar);
    m_frameLayout->addWidget(m_content, 1);
    m_frameLayout->addWidget(m_buttonBar);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_frame);

    setWidthClass(widthClass);
    connect(m_closeButton, &QToolButton::clicked, this, [this] {
        emit sigCloseClicked();
        onCloseClicked();
    });
}

KvFramelessDialog::~KvFramelessDialog() = default;

void KvFramelessDialog::setTitle(const QString &title)
{
    setWindowTitle(title);
    m_title->setText(title);
    setAccessibleName(title);
}

QString KvFramelessDialog::title() const
{
    return m_title->text();
}

void KvFramelessDialog::setContentWidget(QWidget *content)
{
    KV_CHECK(content, return);
    if (content == m_content)
        return;
    content->setParent(m_frame);
    // The layout hands back the old item; it is ours to delete.
    delete m_frameLayout->replaceWidget(m_content, content);
    delete m_content;
    m_content = content;
}

QPushButton *KvFramelessDialog::addButton(const QString &text, int result, bool primary)
{
    auto *pushButton = new QPushButton(text, m_buttonBar);
    pushButton->setObjectName(QStringLiteral("KvFramelessDialog_Button%1").arg(result));
    pushButton->setAccessibleName(text);
    pushButton->setProperty(kResultProperty, result);
    pushButton->setProperty("primary", primary);
    pushButton->setAutoDefault(false);
    m_buttons->addWidget(pushButton);
    m_buttonBar->show();
    connect(pushButton, &QPushButton::clicked, this, [this, result] { done(result); });
    return pushButton;
}

QPushButton *KvFramelessDialog::button(int result) const
{
    for (int i = 0; i < m_buttons->count(); ++i) {
        auto *pushButton = qobject_cast<QPushButton *>(m_buttons->itemAt(i)->widget());
        if (pushButton && pushButton->property(kResultProperty).toInt() == result)
            return pushButton;
    }
    return nullptr;
}

QStringList KvFramelessDialog::buttonTexts() const
{
    QStringList texts;
    for (int i = 0; i < m_buttons->count(); ++i) {
        if (auto *pushButton = qobject_cast<QPushButton *>(m_buttons->itemAt(i)->widget()))
            texts << pushButton->text();
    }
    return texts;
}

bool KvFramelessDialog::hasButtonBar() const
{
    return !m_buttonBar->isHidden();
}

void KvFramelessDialog::setCloseButtonVisible(bool visible)
{
    m_closeButton->setVisible(visible);
}

void KvFramelessDialog::setWidthClass(WidthClass widthClass)
{
    m_widthClass = widthClass;
    setFixedWidth(widthClass);
}

int KvFramelessDialog::DoModal()
{
    Answerer &answer = answerer();
    return runModal("dialog", title(), answer ? std::function<int()>([&] { return answer(*this); }) : nullptr);
}

int KvFramelessDialog::runModal(const char *kind, const QString &what, const std::function<int()> &answer)
{
    KV_LOG_INFO("%s %s: %s", kind, KV_CSTR(objectName()), KV_CSTR(what));
    int result = Closed;
    if (answer) {
        result = answer();
        setResult(result);
    } else {
        result = exec();
    }
    KV_LOG_INFO("%s %s answered %d", kind, KV_CSTR(objectName()), result);
    return result;
}

void KvFramelessDialog::setAnswerer(Answerer answerer)
{
    ::answerer() = std::move(answerer);
}

bool KvFramelessDialog::hasAnswerer()
{
    return bool(answerer());
}

void KvFramelessDialog::onCloseClicked()
{
    done(Closed);
}

bool KvFramelessDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_titleBar && handleTitleBarMouse(event))
        return true;
    return QDialog::eventFilter(watched, event);
}

bool KvFramelessDialog::handleTitleBarMouse(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        // The window manager moves the window where there is one; without
        // one (a bare X server) the dialog follows the mouse itself.
        if (windowHandle() && windowHandle()->startSystemMove())
            return true;
        m_dragging = true;
        m_dragOffset = mouse->globalPos() - frameGeometry().topLeft();
        return true;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (!m_dragging || !(mouse->buttons() & Qt::LeftButton))
            return false;
        move(mouse->globalPos() - m_dragOffset);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (!m_dragging)
            return false;
        m_dragging = false;
        return true;
    default:
        return false;
    }
}
