#include "ui/views/web/browser/SystemBrowser.h"

#include "ui/views/web/WebViewEngine.h"

bool SystemBrowser::isAvailable()
{
    return false;
}

std::unique_ptr<WebViewEngine> SystemBrowser::createEngine(void*, WebViewEventSink*, uint32_t)
{
    return nullptr;
}
