// Natively there is no message loop, no other instance and no module: the
// core serves the tests and the tools, which need its portable half only.
#include "foundation/core/AppCore.h"

void AppCore::startPlatform() {}

void AppCore::stopPlatform() {}

int AppCore::run()
{
    return 0;
}

void AppCore::quit() {}

bool AppCore::isAnotherInstanceRunning() const
{
    return false;
}

bool AppCore::forwardToFirstInstance()
{
    return false;
}

void AppCore::setMainWindow(void* window)
{
    m_mainWindow = window;
}

void* AppCore::moduleHandle() const
{
    return nullptr;
}

bool AppCore::isWindowsXpOrLater()
{
    return false;
}

void AppCore::beep() {}
