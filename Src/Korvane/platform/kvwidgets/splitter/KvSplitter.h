#pragma once

#include <QSplitter>

// The editor's splitter: thin handles drawn by the skin, children that never
// collapse to nothing, and a way to move a widget in from another splitter
// without losing its place when it is already here.
class KvSplitter : public QSplitter
{
    Q_OBJECT

public:
    explicit KvSplitter(Qt::Orientation orientation, QWidget *parent = nullptr);

    // Puts `widget` into this splitter: at its own index when it is already
    // here, else at the end (taking it from wherever it was).
    void placeWidget(QWidget *widget);
};
