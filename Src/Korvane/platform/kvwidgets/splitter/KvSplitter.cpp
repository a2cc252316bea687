#include "KvSplitter.h"

KvSplitter::KvSplitter(Qt::Orientation orientation, QWidget *parent)
    : QSplitter(orientation, parent)
{
    setChildrenCollapsible(false);
    setHandleWidth(2);
    setOpaqueResize(true);
}

void KvSplitter::placeWidget(QWidget *widget)
{
    if (!widget)
        return;
    const int index = indexOf(widget);
    if (index >= 0)
        insertWidget(index, widget);
    else
        addWidget(widget);
}
