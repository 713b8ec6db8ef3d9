// The application core's side of the system: the main message loop, the
// single-instance window and mutex, the module and the beep.
#include "foundation/core/AppCore.h"

#include "foundation/platform/SystemInfo.h"
#include "foundation/system/MessageLoop.h"
#include "foundation/system/NamedMutex.h"
#include "foundation/system/SingleInstanceWindow.h"

struct AppCore::Platform
{
    NamedMutex mutex;
    // A loop or window that was there before this core stays with its maker.
    bool ownsLoop = false;
    bool ownsWindow = false;
};

namespace {

void quitCurrentCore()
{
    AppCore* core = AppCore::instance();
    if (core)
        core->quit();
    else if (MessageLoop::instance())
        MessageLoop::instance()->quit(0);
}

} // namespace

void AppCore::startPlatform()
{
    m_commandLine = SystemInfo::commandLine();
    m_platform = new Platform;
    m_platform->ownsLoop = MessageLoop::instance() == nullptr;
    MessageLoop::create()->setQuitHandler(quitCurrentCore);
    m_platform->ownsWindow = SingleInstanceWindow::instance() == nullptr;
    if (m_platform->ownsWindow)
        SingleInstanceWindow::create(m_productName);
    if (InstanceClaimCheck check = instanceClaimCheck())
        check(m_productName);
    m_platform->mutex.open(SingleInstanceWindow::instanceName(m_productName));
}

void AppCore::stopPlatform()
{
    if (m_platform->ownsWindow)
        SingleInstanceWindow::destroy();
    if (m_platform->ownsLoop)
        MessageLoop::destroy();
    m_platform->mutex.close();
    delete m_platform;
    m_platform = nullptr;
}

int AppCore::run()
{
    MessageLoop* loop = MessageLoop::instance();
    return loop ? loop->run() : -1;
}

void AppCore::quit()
{
    MessageLoop* loop = MessageLoop::instance();
    if (loop)
        loop->quit(0);
}

bool AppCore::isAnotherInstanceRunning() const
{
    return m_platform->mutex.state() == NamedMutex::kAlreadyExists;
}

bool AppCore::forwardToFirstInstance()
{
    return SingleInstanceWindow::handOver();
}

void AppCore::setMainWindow(void* window)
{
    m_mainWindow = window;
    if (m_platform->ownsWindow && SingleInstanceWindow::instance())
        SingleInstanceWindow::instance()->setMainWindow(window);
}

void* AppCore::moduleHandle() const
{
    return SystemInfo::moduleHandle();
}

bool AppCore::isWindowsXpOrLater()
{
    return SystemInfo::isXpOrLater();
}

void AppCore::beep()
{
    SystemInfo::beep();
}
