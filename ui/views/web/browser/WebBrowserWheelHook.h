#pragma once

class WebBrowserHostWindow;

// A wheel turned over a browser page while the keyboard focus rests on the
// top-level window itself moves the focus into the page, so that the page
// scrolls. One thread mouse hook serves every browser host and lives as
// long as one does. For the Windows build only.
class WebBrowserWheelHook
{
public:
    static void add(WebBrowserHostWindow* hostWindow);
    static void remove(WebBrowserHostWindow* hostWindow);
    static bool isInstalled();
};
