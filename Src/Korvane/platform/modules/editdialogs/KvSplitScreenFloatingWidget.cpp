#include "KvSplitScreenFloatingWidget.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QToolButton>

namespace {

struct LayoutRow
{
    int layout;
    const char *name;
    const char *text;
    int cells;
};

constexpr LayoutRow kLayouts[] = {
    {KvSplitScreenFloatingWidget::SideBySide, "SideBySide", QT_TRANSLATE_NOOP("KvSplitScreenFloatingWidget", "Side by Side"), 2},
    {KvSplitScreenFloatingWidget::Stacked, "Stacked", QT_TRANSLATE_NOOP("KvSplitScreenFloatingWidget", "Top and Bottom"), 2},
    {KvSplitScreenFloatingWidget::Grid, "Grid", QT_TRANSLATE_NOOP("KvSplitScreenFloatingWidget", "Four Cells"), 4},
    {KvSplitScreenFloatingWidget::ThreeColumns, "ThreeColumns", QT_TRANSLATE_NOOP("KvSplitScreenFloatingWidget", "Three Columns"), 3},
};

} // namespace

KvSplitScreenFloatingWidget::KvSplitScreenFloatingWidget(QWidget *playerView)
    : QFrame(playerView)
    , m_group(new QButtonGroup(this))
{
    setObjectName("KvSplitScreenFloatingWidget");
    m_group->setExclusive(true);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    for (const LayoutRow &row : kLayouts) {
        auto *button = new QToolButton(this);
        const QString text = tr(row.text);
        button->setObjectName(QStringLiteral("KvSplitScreenFloatingWidget_%1").arg(QLatin1String(row.name)));
        button->setText(text);
        button->setToolTip(text);
        button->setAccessibleName(text);
        button->setCheckable(true);
        m_group->addButton(button, row.layout);
        layout->addWidget(button);
    }
    auto *close = new QToolButton(this);
    close->setObjectName("KvSplitScreenFloatingWidget_CloseBtn");
    close->setText(tr("Done"));
    close->setAccessibleName(tr("Done"));
    layout->addWidget(close);
    connect(m_group, &QButtonGroup::idClicked, this, &KvSplitScreenFloatingWidget::sigLayoutChosen);
    connect(close, &QToolButton::clicked, this, [this] {
        clear();
        emit sigClosed();
    });
    adjustSize();
    hide();
}

KvSplitScreenFloatingWidget::~KvSplitScreenFloatingWidget() = default;

void KvSplitScreenFloatingWidget::showFor(int layout)
{
    if (QAbstractButton *button = m_group->button(layout))
        button->setChecked(true);
    if (parentWidget())
        move((parentWidget()->width() - width()) / 2, 8);
    show();
    raise();
}

int KvSplitScreenFloatingWidget::currentLayout() const
{
    return m_group->checkedId();
}

void KvSplitScreenFloatingWidget::clear()
{
    m_group->setExclusive(false);
    for (QAbstractButton *button : m_group->buttons())
        button->setChecked(false);
    m_group->setExclusive(true);
    hide();
}

int KvSplitScreenFloatingWidget::cellCount(int layout)
{
    for (const LayoutRow &row : kLayouts) {
        if (row.layout == layout)
            return row.cells;
    }
    return 0;
}
