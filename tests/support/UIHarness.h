#pragma once

#include "foundation/geometry/Point.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class UIWidget;

namespace testsupport {

// End-to-end tests of real toolkit windows under Wine and Xvfb. Typical use:
//
//   ASSERT_TRUE(UIHarness::start());
//   UIWidget* window = UIHarness::openWindow(nullptr, 100, 100, 300, 200);
//   MyWidget* button = new MyWidget(window); ... button->show();
//   UIEventRecorder events(button);
//   UIHarness::click(button, button->rect().center());
//   UIHarness::pumpUntil([&] { return events.has(kClickEvent); });
//   EXPECT_EQ(UIHarness::screenPixel(button, Point(2, 2)), expectedColor);
//   UIHarness::closeWindow(window);
//
// Mouse input is posted to the window (PostMessage), keys go through the
// system's input queue (SendInput) so that the key state is real. Pixels are
// read from the screen. With REELSTACK_SHOTS naming a folder, closeWindow
// writes a PNG of the window there first.
class UIHarness
{
public:
    // In each test's set-up: the message loop, the UI application with
    // test.style (or the skin named, such as "white.style"), its paint
    // device and the real native windows, put back where other tests changed
    // them. False when the theme or the input desktop is missing (nothing
    // would reach the screen).
    static bool start(const char* skin = "test.style");

    // A frameless, topmost window whose client area is at (x, y) with the
    // size given, shown and brought to the foreground, with its layout off.
    // With window null a plain widget is made; else the given widget is
    // turned into a window (before its setStyleName ran).
    static UIWidget* openWindow(UIWidget* window, int x, int y, int width, int height);
    // Writes the shot when asked for, then deletes the window.
    static void closeWindow(UIWidget* window);
    // Makes the window foreground and focused, as a user's click would.
    static bool activate(UIWidget* window);

    // Handles every waiting message and event.
    static void pump();
    // Keeps pumping for about that long.
    static void pumpFor(int ms);
    // Pumps until done answers true or the time runs out; done's answer.
    static bool pumpUntil(const std::function<bool()>& done, int timeoutMs = 2000);

    // A mouse message posted to the widget's window at a point of the
    // widget; keyState is the message's MK_ word.
    static void postMouse(UIWidget* widget, uint32_t message, const Point& at, uintptr_t keyState = 0);
    // Left button down and up at the point.
    static void click(UIWidget* widget, const Point& at);
    // Also puts the system cursor there.
    static void moveMouse(UIWidget* widget, const Point& at);
    // One notch; the point goes in screen coordinates as the system sends.
    static void wheel(UIWidget* widget, const Point& at, bool horizontal, int delta);

    // Keys through the input queue, to the foreground window.
    static void keyDown(int virtualKey);
    static void keyUp(int virtualKey);
    // Down and up of each key in turn.
    static void typeKeys(const std::vector<int>& virtualKeys);
    // Activates the widget's window, clicks at the widget's centre so that it
    // takes the focus, then types.
    static void typeAt(UIWidget* widget, const std::vector<int>& virtualKeys);

    // The screen's colour at a point of the widget, as 0xRRGGBB, after
    // handling what waits (drawing reaches the screen then).
    static uint32_t screenPixel(const UIWidget* widget, const Point& at);
    // Writes the window's screen area as "<folder>/<name>.png" when
    // REELSTACK_SHOTS is set; false when not written.
    static bool saveShot(const UIWidget* window, const std::string& name);
};

} // namespace testsupport
