#include "KvTextFloatingAdjustWidget.h"

#include <QHBoxLayout>
#include <QToolButton>

KvTextFloatingAdjustWidget::KvTextFloatingAdjustWidget(QWidget *parent)
    : QFrame(parent)
{
    setObjectName("KvTextFloatingAdjustWidget");
    QToolButton *edit = makeButton("KvTextFloatingAdjustWidget_EditBtn", tr("Edit Text"));
    QToolButton *smaller = makeButton("KvTextFloatingAdjustWidget_SmallerBtn", tr("Smaller Text"));
    QToolButton *larger = makeButton("KvTextFloatingAdjustWidget_LargerBtn", tr("Larger Text"));
    m_next = makeButton("KvTextFloatingAdjustWidget_NextBtn", tr("Next Text Item"));
    smaller->setText(QStringLiteral("A-"));
    larger->setText(QStringLiteral("A+"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    for (QToolButton *button : {edit, smaller, larger, m_next})
        layout->addWidget(button);
    connect(edit, &QToolButton::clicked, this, &KvTextFloatingAdjustWidget::sigEditText);
    connect(smaller, &QToolButton::clicked, this, [this] { emit sigFontSizeStep(-kFontStep); });
    connect(larger, &QToolButton::clicked, this, [this] { emit sigFontSizeStep(kFontStep); });
    connect(m_next, &QToolButton::clicked, this, &KvTextFloatingAdjustWidget::sigNextTextItem);
    setFewerThanTwoTextItems(true);
    adjustSize();
    hide();
}

KvTextFloatingAdjustWidget::~KvTextFloatingAdjustWidget() = default;

void KvTextFloatingAdjustWidget::setFewerThanTwoTextItems(bool fewer)
{
    m_fewerThanTwo = fewer;
    m_next->setVisible(!fewer);
    adjustSize();
}

void KvTextFloatingAdjustWidget::attach()
{
    m_attached = true;
    if (isHidden()) {
        show();
        raise();
    }
}

void KvTextFloatingAdjustWidget::detach()
{
    m_attached = false;
    hide();
}

QToolButton *KvTextFloatingAdjustWidget::makeButton(const QString &objectName, const QString &text)
{
    auto *button = new QToolButton(this);
    button->setObjectName(objectName);
    button->setText(text);
    button->setToolTip(text);
    button->setAccessibleName(text);
    return button;
}
