#pragma once

#include "foundation/geometry/Rect.h"
#include "graphics/paint/Region.h"

#include <vector>

class PaintTarget;
class UIWidget;

// Composes widgets into their window's frame: each widget paints into its
// own surface, which is then copied into the frame where the widget and all
// its ancestors show; the window's overlays go over the result before the
// frame reaches the screen.
class UIComposer
{
public:
    // Paints the widget and its subtree into the frame and copies its visible
    // area to the screen. The caller has checked that it can be painted now.
    static void repaint(UIWidget* widget);
    // One widget: the parent's pixels under it when it is transparent, its
    // paint handler, then its visible part into the window's frame.
    static void paintWidget(UIWidget* widget);
    // The visible children that are not windows, depth first, each followed
    // by its own overlays; false when the widget went away meanwhile.
    static bool paintChildren(UIWidget* widget);
    // The widget's enabled overlays over area of target, in list order.
    static void paintOverlays(const UIWidget* widget, PaintTarget* target, const Rect& area);
    // Where the widget shows in its window: its rectangle in window
    // coordinates cut to its parent and every further ancestor.
    static Rect visibleRect(const UIWidget* widget);
    // The widget's rectangle minus the children that paint over all of
    // their area (not transparent, not windows). Windows only: the native
    // build's regions are single rectangles.
    static Region exposedRegion(const UIWidget* widget);
    // Where the widget's visible children that are not windows lie, in
    // window coordinates.
    static std::vector<Rect> childAreas(const UIWidget* widget);
};
