#include "foundation/platform/SystemInfo.h"
#include "ui/widgets/labels/UILink.h"

void UILink::openWithShell(const String& url)
{
    SystemInfo::shellOpen(url);
}
