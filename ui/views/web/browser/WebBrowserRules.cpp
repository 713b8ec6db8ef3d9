#include "ui/views/web/browser/WebBrowserRules.h"

#include "ui/views/web/WebViewOption.h"

uint32_t WebBrowserRules::downloadControl(uint32_t options, bool silent)
{
    uint32_t control = silent ? kSilent : 0;
    if (!(options & WebViewOption::NoImages))
        control |= kImages;
    if (!(options & WebViewOption::NoVideos))
        control |= kVideos;
    if (!(options & WebViewOption::NoBackgroundSounds))
        control |= kBackgroundSounds;
    if (options & WebViewOption::NoActiveContent)
        control |= kNoActiveContent;
    if (options & WebViewOption::NoCache)
        control |= kNoCache;
    return control;
}

uint32_t WebBrowserRules::hostFlags(uint32_t options)
{
    uint32_t flags = kBaseHostFlags;
    if (options & WebViewOption::NoScrollBars)
        flags |= kNoScrollHostFlag;
    if (options & WebViewOption::DialogFrame)
        flags |= kDialogHostFlag;
    return flags;
}

bool WebBrowserRules::cancelsNavigation(uint32_t options, const String* address)
{
    if (!(options & WebViewOption::BlankOnly))
        return false;
    return !address || *address != String(u"about:blank");
}
