#include "foundation/net/Url.h"
#include "foundation/platform/SystemInfo.h"
#include "ui/widgets/labels/UILink.h"

// The same form of a web address the model hands the shell: the ui layers
// stand beside the model, not on it, so they call the rule themselves.
void UILink::openWithShell(const String& url)
{
    const String shellForm = shellWebAddress(url);
    if (!shellForm.isEmpty())
        SystemInfo::shellOpen(shellForm);
}
