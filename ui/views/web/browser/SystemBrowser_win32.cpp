#include "ui/views/web/browser/SystemBrowser.h"

#include "ui/views/web/browser/MshtmlProbe.h"
#include "ui/views/web/browser/SystemWebBrowserControl.h"
#include "ui/views/web/browser/WebBrowserHost.h"
#include "ui/views/web/browser/WebBrowserPump.h"

bool SystemBrowser::isAvailable()
{
    return MshtmlProbe::works();
}

std::unique_ptr<WebViewEngine> SystemBrowser::createEngine(void* parentWindow, WebViewEventSink* sink,
                                                           uint32_t options)
{
    if (!parentWindow || !isAvailable())
        return nullptr;
    auto control = std::make_unique<SystemWebBrowserControl>(parentWindow, sink);
    if (!control->isCreated())
        return nullptr;
    return std::make_unique<WebBrowserHost>(std::move(control), std::make_shared<WebBrowserPump>(), sink,
                                            options);
}
