// Compile-only: the calls the toolkit and the windows make of the foundation's
// Windows side (message loop, screen, input, shell), written the way those
// callers write them. It is never run.
#include "foundation/platform/Input.h"
#include "foundation/platform/Platform.h"
#include "foundation/platform/Screen.h"
#include "foundation/platform/SystemInfo.h"
#include "foundation/system/EventLoop.h"
#include "foundation/system/EventReceiver.h"
#include "foundation/system/KeyShortcut.h"
#include "foundation/system/MessageLoop.h"
#include "foundation/system/UIEvent.h"

namespace callforms {

void events(EventReceiver* receiver, UIEvent& event, UIEvent* posted)
{
    bool accepted = event.isAccepted() || event.isInputEvent();
    uint32_t type = event.type();
    event.accept();
    event.setAccepted(true);
    event.setSpontaneous(false);
    MessageLoop* loop = MessageLoop::instance();
    int handled = loop->sendEvent(&event, receiver);
    loop->postEvent(posted, receiver);
    EventLoop nested;
    int code = nested.exec();
    nested.exit(0);
    bool running = nested.isRunning();
    nested.processPendingEvents();
    (void)accepted, (void)type, (void)handled, (void)code, (void)running;
}

void screenAndInput()
{
    Rect monitor = Screen::rectAt(Point(10, 10), true);
    Array<Rect> monitors = Screen::monitorRects(true);
    Rect primary = Screen::primaryRect(false);
    Rect desktop = Screen::virtualDesktopRect();
    Rect fitted = Screen::fitRect(Rect(0, 0, 10, 10), Point(5, 5), 0, 0, 0, 0, 2, true);
    Point cursor = Input::cursorPos();
    Input::setCursorPos(cursor);
    int buttons = Input::mouseButtons() | Input::keyboardModifiers();
    bool locked = Platform::isInputDesktopUnavailable();
    KeyShortcut shortcut;
    String keys = shortcut.toString(String(u"+"));
    (void)monitor, (void)monitors, (void)primary, (void)desktop, (void)fitted, (void)buttons, (void)locked;
    (void)keys;
}

void shell()
{
    String path(u"C:\\a\\b.txt");
    bool checks = SystemInfo::isVistaOrLater() || SystemInfo::isWindows7OrLater();
    SystemInfo::shellOpen(path);
    checks = checks || SystemInfo::shellExecute(path, String()) || SystemInfo::showInFolder(path);
    checks = checks || revealInFolder(path);
    (void)checks;
}

} // namespace callforms
