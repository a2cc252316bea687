#pragma once

#include <QCloseEvent>

// A window's close that its owner may refuse: `ask(ignore)` emits the
// window's close signal, whose receivers set `ignore` to keep it open.
template <class Ask>
void kvAnswerCloseRequest(QCloseEvent *event, Ask &&ask)
{
    bool ignore = false;
    ask(ignore);
    if (ignore)
        event->ignore();
    else
        event->accept();
}
