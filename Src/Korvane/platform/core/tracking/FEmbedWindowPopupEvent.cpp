#include "FEmbedWindowPopupEvent.h"

FEmbedWindowPopupEvent::FEmbedWindowPopupEvent(const QString &name)
    : KvTrackEvent(QStringLiteral("embed_window_popup"))
{
    setField(QStringLiteral("name"), name);
}
