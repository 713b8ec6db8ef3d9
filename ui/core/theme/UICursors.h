#pragma once

#include "graphics/image/Image.h"
#include "ui/core/theme/UICursor.h"

// The program's cursor table on Windows: the system cursors and the cursors
// of "cursors.xml" in the data archive, loaded on first use. A shape without
// a cursor (0, above 28, or an image that made none) shows the arrow; only
// the "empty" cursor hides the pointer.
class UICursors
{
public:
    // The handle of the shape, or null; the first call fills the table.
    static void* handle(int shape);
    // Sets nothing when the cursor is the one this thread set last.
    static void setCursor(const UICursor& cursor);
    // Someone else may have set the cursor (the system's default handling,
    // another window): the next setCursor sets it whatever it is.
    static void forgetLastCursor();
    // The cursor on the screen, or null when it cannot be read (a locked or
    // switched desktop, no window under the pointer).
    static void* currentHandle();
    static int currentShape();
    static bool isShadowedSystemCursor(void* handle);
    // The image of the cursor on the screen with the hot spot, with the
    // system's cursor shadow when the system draws one; empty without a cursor.
    static Image cursorImage(int* hotspotX, int* hotspotY);
    // Destroys the cursors made from images and empties the table.
    static void destroy();
};
