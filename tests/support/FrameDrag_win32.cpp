#include "tests/support/FrameDrag.h"

#include "tests/support/AppDriver.h"

#include <cstdio>
#include <string>

// Under Wine on X the mouse a test sends has two sides that are not in step:
// - SendInput moves the cursor at once in Wine's own record, which routes a
//   press to the window on top at the point by that record's stacking, and
//   then moves the display's pointer (a warp), holding the pointer grabbed
//   for the moment it takes. While another program holds a grab, the warp
//   is refused and the display's pointer stays where it was.
// - The program reads the display's pointer events when it next waits and,
//   from each one, puts the window the display has under the pointer on top
//   in that record, except for the window whose move or size loop it runs:
//   it grabs the pointer for the loop and skips that window's events.
// So a press sent just after a window opened can start a loop before the
// program has read that the pointer went into the window: the events of the
// window beneath, read inside the loop, then raise it above the new one in
// the record, and a later press on their common area goes to the window
// beneath (a disabled owner eats it). And a warp still in hand when the
// program grabs makes its grab fail, so that the loop reads pointer events
// of positions the drag has left behind. Hence each step here waits until
// the display has taken the last one.

namespace testsupport {

namespace {

constexpr int kSteps = 4;
constexpr int kWaitMs = 5000;
// Wine answers GetCursorPos from its own record while input has moved the
// cursor within this time, and asks the display after it: a round trip
// that the display answers only once it has carried out the warps sent
// before.
constexpr DWORD kCursorRecordMs = 100;

bool sendMouse(POINT at, DWORD buttons)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
    return SendInput(1, &input, sizeof(INPUT)) == 1;
}

GUITHREADINFO guiStateOf(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info;
}

bool inMoveOrSize(HWND window)
{
    return (guiStateOf(window).flags & GUI_INMOVESIZE) != 0;
}

// The top-level window a press at the point goes to.
HWND windowUnder(POINT at)
{
    HWND found = WindowFromPoint(at);
    return found ? GetAncestor(found, GA_ROOT) : nullptr;
}

bool cursorAt(POINT at)
{
    POINT cursor = {};
    return GetCursorPos(&cursor) && cursor.x == at.x && cursor.y == at.y;
}

std::string describePoint(POINT at)
{
    return "(" + std::to_string(at.x) + "," + std::to_string(at.y) + ")";
}

std::string describeRect(const RECT& rect)
{
    return describePoint({rect.left, rect.top}) + "-" + describePoint({rect.right, rect.bottom});
}

std::string describeWindow(HWND window)
{
    if (!window)
        return "none";
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char title[128] = {};
    GetWindowTextA(window, title, sizeof(title));
    char handle[32] = {};
    snprintf(handle, sizeof(handle), "%p", static_cast<void*>(window));
    return std::string(handle) + " \"" + title + "\" of process " + std::to_string(process) + " at " +
           describeRect(frameOf(window)) + (IsWindowEnabled(window) ? "" : ", disabled");
}

// What a failed step saw.
std::string dragState(HWND window, POINT at)
{
    const GUITHREADINFO info = guiStateOf(window);
    POINT cursor = {};
    GetCursorPos(&cursor);
    return "; frame " + describeRect(frameOf(window)) + ", loop " +
           ((info.flags & GUI_INMOVESIZE) ? "running" : "not running") + ", capture " +
           describeWindow(info.hwndCapture) + ", active " + describeWindow(info.hwndActive) +
           ", foreground " + describeWindow(GetForegroundWindow()) + ", under " + describePoint(at) + " " +
           describeWindow(WindowFromPoint(at)) + ", cursor at " + describePoint(cursor);
}

// Moves the pointer to the point and waits until the display has taken the
// warp (past the cursor record's time, the display answers where it has the
// pointer) and a press there goes to the window. A warp refused while the
// program still held its grab, or a stacking the program has not set right
// because the display's pointer did not move, is shown the move again.
bool pointAt(AppDriver& app, HWND window, POINT at)
{
    const POINT aside = {at.x - 1, at.y - 1};
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (attempt > 0 && !sendMouse(aside, 0))
            return false;
        if (!sendMouse(at, 0))
            return false;
        Sleep(kCursorRecordMs + 10);
        if (!cursorAt(at))
            continue;
        if (app.waitFor([&] { return windowUnder(at) == window; }, 1000))
            return true;
    }
    return false;
}

bool frameFollowed(HWND window, const RECT& before, int dx, int dy)
{
    const RECT now = frameOf(window);
    return now.right == before.right + dx && now.bottom == before.bottom + dy;
}

} // namespace

RECT frameOf(HWND window)
{
    RECT frame = {};
    GetWindowRect(window, &frame);
    return frame;
}

testing::AssertionResult dragFrame(AppDriver& app, HWND window, POINT from, int dx, int dy)
{
    const RECT before = frameOf(window);
    if (!pointAt(app, window, from))
        return testing::AssertionFailure()
               << "the pointer did not reach the point" << dragState(window, from);
    // At the point already: the press moves nothing, so it warps nothing
    // that the program's grab could meet.
    if (!sendMouse(from, MOUSEEVENTF_LEFTDOWN))
        return testing::AssertionFailure() << "the press did not go out";
    if (!app.waitFor([&] { return inMoveOrSize(window); }, kWaitMs)) {
        const std::string state = dragState(window, from);
        sendMouse(from, MOUSEEVENTF_LEFTUP);
        return testing::AssertionFailure() << "the press did not start the loop" << state;
    }
    // The loop follows the pointer as it reads each move and ends at the
    // release without reading where it happened: each step waits for the
    // frame to have followed (its bottom right corner moves by the step
    // whether the caption moves it or the corner sizes it).
    POINT at = from;
    for (int step = 1; step <= kSteps; ++step) {
        const int stepX = dx * step / kSteps;
        const int stepY = dy * step / kSteps;
        at = {from.x + stepX, from.y + stepY};
        if (!sendMouse(at, 0) ||
            !app.waitFor([&] { return frameFollowed(window, before, stepX, stepY); }, kWaitMs)) {
            const std::string state = dragState(window, at);
            sendMouse(at, MOUSEEVENTF_LEFTUP);
            return testing::AssertionFailure()
                   << "the frame did not follow step " << step << " to " << describePoint(at) << state;
        }
    }
    if (!sendMouse(at, MOUSEEVENTF_LEFTUP))
        return testing::AssertionFailure() << "the release did not go out";
    if (!app.waitFor([&] { return !inMoveOrSize(window); }, kWaitMs))
        return testing::AssertionFailure() << "the loop did not end at the release" << dragState(window, at);
    return testing::AssertionSuccess();
}

} // namespace testsupport
