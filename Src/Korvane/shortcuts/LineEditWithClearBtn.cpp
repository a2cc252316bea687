#include "LineEditWithClearBtn.h"

#include "KvToolButtonFactory.h"

#include <QStyle>
#include <QToolButton>

namespace {
constexpr int kClearButtonSize = 16;
constexpr int kClearButtonMargin = 6;
} // namespace

LineEditWithClearBtn::LineEditWithClearBtn(QWidget *parent)
    : QLineEdit(parent)
    , m_clearButton(KvToolButtonFactory::create(this, QStringLiteral("LineEditWithClearBtn_ClearBtn"), tr("Clear"),
                                                QStringLiteral("close"), QSize(kClearButtonSize, kClearButtonSize)))
{
    m_clearButton->setCursor(Qt::ArrowCursor);
    m_clearButton->setFocusPolicy(Qt::NoFocus);
    m_clearButton->hide();
    // The text never runs under the button.
    setTextMargins(0, 0, kClearButtonSize + kClearButtonMargin, 0);
    connect(m_clearButton, &QToolButton::clicked, this, &LineEditWithClearBtn::sigSetEmptyBtnClicked);
}

void LineEditWithClearBtn::setClearButtonShown(bool shown)
{
    m_clearButton->setVisible(shown);
}

void LineEditWithClearBtn::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    m_clearButton->move(width() - kClearButtonSize - kClearButtonMargin, (height() - kClearButtonSize) / 2);
}
