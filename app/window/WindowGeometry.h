#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/geometry/Rect.h"
#include "foundation/geometry/Size.h"
#include "foundation/text/String.h"

#include <cstdint>

class ConfigFile;
class UIWidget;

// A window's position and size as the configuration keeps them, under
// "view/window" + name + "Left", "Top", "Width" and "Height": the frame
// rectangle in screen pixels. A key the configuration lacks reads as 0; the
// registered default of -1 for both Left and Top means that the window has
// never stored its place.
struct StoredGeometry
{
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// What restoring does to a window: its frame size and frame position.
struct RestoredPlacement
{
    bool resize = false;
    Size size;
    bool move = false;
    Point position;
};

StoredGeometry readStoredGeometry(const ConfigFile& config, const String& name);

// frameMargins are the window's frame borders as UIWidget::frameMargins
// gives them (x left, y top, width right, height bottom). The frame the
// system reports may reach past what the user sees: under a window manager
// the borders are the system's own sizes around the client area, not the
// manager's thinner title bar and edges, and a window the manager puts
// against the top of the screen reports a frame starting above it. So a
// window counts as on screen by its client area: the frame less these
// margins.

// The restore rule. The size is the stored one, never below the frame size
// hint, and never beyond the work area unless the hint itself is larger:
// a window saved on a larger screen still fits. A window whose client area
// lies wholly inside the work area (edges may touch) keeps its place; any
// other, and one that never stored its place, is centred in it, and one
// larger than the area keeps its title bar on screen. Without a work area
// the window is not moved.
RestoredPlacement placeRestoredWindow(const StoredGeometry& stored, const Size& frameHint,
                                      const Rect& frameMargins, const Rect& workArea, bool restorePosition,
                                      bool restoreSize);

// Writes the frame's position and size under name, as asked, when the
// top-left corner of its client area lies on the desktop; false, with
// nothing written, when it does not (a minimised window parked far off
// screen).
bool writeWindowGeometry(ConfigFile& config, const String& name, const Rect& frame, const Rect& frameMargins,
                         const Rect& desktop, bool savePosition, bool saveSize);

// The window's layout size with the native frame around it.
Size frameSizeHint(UIWidget* window);

// Both work on the application's configuration, the primary monitor's work
// area and the bounds of all monitors. A maximised or minimised window
// saves nothing: its frame is not the place it returns to, and the one
// stored before stays.
void restoreWindowGeometry(UIWidget* window, const String& name, bool restorePosition, bool restoreSize);
void saveWindowGeometry(UIWidget* window, const String& name, bool savePosition, bool saveSize);
