#include "FTemplateTimeLinePageButtonClickEvent.h"

FTemplateTimeLinePageButtonClickEvent::FTemplateTimeLinePageButtonClickEvent()
    : KvTrackEvent(QStringLiteral("template_timeline_page_button_click"))
{
}
