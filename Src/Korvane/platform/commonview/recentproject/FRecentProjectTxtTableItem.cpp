#include "FRecentProjectTxtTableItem.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

FRecentProjectTxtTableItem::FRecentProjectTxtTableItem(const KvProjectRecentInfo &info, QWidget *parent)
    : FRecentProjectListItem(info, parent, false)
{
    setObjectName(QStringLiteral("FRecentProjectTxtTableItem"));
    setFixedHeight(kRowHeight);
    // Fixed columns, so that times and sizes line up from row to row.
    nameLabel()->setFixedWidth(kNameWidth + 10);
    timeLabel()->setFixedWidth(140);
    sizeLabel()->setFixedWidth(80);
    sizeLabel()->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setSpacing(16);
    layout->addWidget(thumbnailLabel());
    layout->addWidget(nameLabel());
    layout->addStretch(1);
    layout->addWidget(timeLabel());
    layout->addWidget(sizeLabel());
    layout->addWidget(deleteButton());
    // The button's room is kept while it is hidden, so the row does not shift.
    QSizePolicy policy = deleteButton()->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    deleteButton()->setSizePolicy(policy);
}

FRecentProjectTxtTableItem::~FRecentProjectTxtTableItem() = default;
