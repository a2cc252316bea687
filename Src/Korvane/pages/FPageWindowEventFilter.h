#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <functional>

class QWidget;

// Turns the X server's window events into the two window messages the
// native engine link understands, and wakes the engine when the current
// page's own window was activated or moved. It never consumes an event.
class FPageWindowEventFilter
{
public:
    enum WindowMessage : int {
        NoMessage = 0,
        Activate = 6,         // focus-in
        WindowPosChanged = 71, // configure-notify
    };

    // `currentPage` names the window the engine follows; it may return null.
    explicit FPageWindowEventFilter(std::function<QWidget *()> currentPage);

    // The message an xcb event stands for, and the window it concerns.
    // NoMessage for every other event type and for anything not from xcb.
    static WindowMessage translate(const QByteArray &eventType, const void *message, quint32 *window);

    // True when the engine was activated.
    bool handle(const QByteArray &eventType, const void *message) const;

private:
    std::function<QWidget *()> m_currentPage;
};
