#pragma once

#include "FRecentProjectListItem.h"

// A recent project as one row of the dialog's table: thumbnail, name, time,
// size and the delete button side by side.
class FRecentProjectTxtTableItem : public FRecentProjectListItem
{
    Q_OBJECT

public:
    static constexpr int kRowHeight = 72;

    explicit FRecentProjectTxtTableItem(const KvProjectRecentInfo &info, QWidget *parent = nullptr);
    ~FRecentProjectTxtTableItem() override;
};
