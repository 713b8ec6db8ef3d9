#pragma once

// Windows tests only: a window's frame dragged with the mouse as a user's
// hand drags it, through the system's own move or size loop.
#include <gtest/gtest.h>
#include <windows.h>

namespace testsupport {

class AppDriver;

// The window's frame on the screen.
RECT frameOf(HWND window);

// Points at the window's frame at from, presses the left button, drags by
// the offset and lets go: the caption moves the window, a corner sizes it.
// Each step waits for what the one before must have made. A failure names
// the step that did not come (the pointer did not reach the point, the
// press did not start the loop, the frame did not follow, the loop did not
// end at the release) and what was seen then: the frame, the loop's state,
// the capture, the active and foreground windows, the window under the
// point and the cursor.
testing::AssertionResult dragFrame(AppDriver& app, HWND window, POINT from, int dx, int dy);

} // namespace testsupport
