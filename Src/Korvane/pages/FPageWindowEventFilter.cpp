#include "FPageWindowEventFilter.h"

#include "FNativeEngineInfoHelper.h"
#include "IKvBaseLog.h"

#include <QWidget>

#include <cstring>

namespace {

// xcb response types, without the bit that marks a sent event.
constexpr quint8 kXcbFocusIn = 9;
constexpr quint8 kXcbConfigureNotify = 22;
constexpr quint8 kXcbSentEventBit = 0x80;
// Focus-in names its window at byte 4, configure-notify the configured
// window at byte 8 (byte 4 there is the event window, possibly a parent).
constexpr int kFocusInWindowOffset = 4;
constexpr int kConfigureWindowOffset = 8;

} // namespace

FPageWindowEventFilter::FPageWindowEventFilter(std::function<QWidget *()> currentPage)
    : m_currentPage(std::move(currentPage))
{
}

FPageWindowEventFilter::WindowMessage FPageWindowEventFilter::translate(const QByteArray &eventType,
                                                                        const void *message, quint32 *window)
{
    if (eventType != "xcb_generic_event_t" || !message)
        return NoMessage;
    const auto *bytes = static_cast<const quint8 *>(message);
    const quint8 type = bytes[0] & quint8(~kXcbSentEventBit);
    int offset = 0;
    WindowMessage result = NoMessage;
    if (type == kXcbFocusIn) {
        result = Activate;
        offset = kFocusInWindowOffset;
    } else if (type == kXcbConfigureNotify) {
        result = WindowPosChanged;
        offset = kConfigureWindowOffset;
    } else {
        return NoMessage;
    }
    if (window)
        std::memcpy(window, bytes + offset, sizeof *window);
    return result;
}

bool FPageWindowEventFilter::handle(const QByteArray &eventType, const void *message) const
{
    quint32 window = 0;
    const WindowMessage windowMessage = translate(eventType, message, &window);
    if (windowMessage == NoMessage)
        return false;
    QWidget *page = m_currentPage ? m_currentPage() : nullptr;
    if (!page || !page->isVisible() || quint32(page->window()->winId()) != window)
        return false;
    if (!FNativeEngineInfoHelper::IsNativeEngineExists())
        return false;
    KV_LOG_TRACE("window message %d for the current page", int(windowMessage));
    FNativeEngineInfoHelper::ActiveNativeEngine();
    return true;
}
