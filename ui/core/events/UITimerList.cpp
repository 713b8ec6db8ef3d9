#include "ui/core/events/UITimerList.h"

#include "ui/core/events/UITimerBackend.h"

List<UITimerRecord>& UITimerList::records()
{
    static List<UITimerRecord> list;
    return list;
}

void UITimerList::clear()
{
    for (const UITimerRecord& record : records())
        UITimerBackend::instance()->stop(record.nativeId);
    records().clear();
}
