#pragma once

#include <QFrame>

class QButtonGroup;

// The split-screen editor shown over the player for a split-screen clip:
// choose how many cells the screen is split into and their arrangement.
class KvSplitScreenFloatingWidget : public QFrame
{
    Q_OBJECT

public:
    enum Layout { SideBySide = 0, Stacked = 1, Grid = 2, ThreeColumns = 3 };

    explicit KvSplitScreenFloatingWidget(QWidget *playerView);
    ~KvSplitScreenFloatingWidget() override;

    // Shows the editor for the selected clip, set to its current layout.
    void showFor(int layout);
    int currentLayout() const;
    // Hides the editor; nothing is selected afterwards.
    void clear();

    static int cellCount(int layout);

signals:
    void sigLayoutChosen(int layout);
    void sigClosed();

private:
    QButtonGroup *m_group;
};
