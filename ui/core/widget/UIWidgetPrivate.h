#pragma once

#include "foundation/containers/List.h"
#include "foundation/geometry/Size.h"
#include "foundation/system/EventLoop.h"
#include "foundation/text/String.h"
#include "graphics/paint/BitmapSurface.h"
#include "ui/core/input/HotKeyShortcut.h"
#include "ui/core/layout/UIGridLayout.h"
#include "ui/core/theme/UICursor.h"
#include "ui/core/widget/UIContextMenu.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/core/widget/UIPaintEffect.h"

#include <cstdint>
#include <memory>
#include <vector>

class UIWidget;
class UIWidgetGuard;

// The state of a widget that its class does not show.
struct UIWidgetPrivate
{
    UIWidget* parent = nullptr;
    std::unique_ptr<UINativeWindow> native;
    mutable UIWidget* window = nullptr;
    std::unique_ptr<UIContextMenu> contextMenu;
    uint32_t id = 0;
    String styleName;
    uint64_t styleHash = 0;
    uint32_t focusPolicy = 0;
    int focusOrder = 0;
    bool keyPreviewAccepted = false;
    bool showMaximized = false;
    bool showMinimized = false;
    uint32_t dragDropFlags = 0;
    String toolTipText;
    String objectId;
    int toolTipMaxLength = -1;
    int toolTipGroup = 0;
    int toolTipDelay = 0;
    int toolTipDuration = 0;
    bool autoToolTip = true;
    UICursor cursor;
    UIWidgetGuard* guards = nullptr;
    // The layout of the children and the size caches of the last passes.
    UIGridLayout grid;
    // The grid was switched off on this widget itself, not by an ancestor.
    bool layoutSwitchedOffHere = false;
    // Shown moved by the parent's scroll offset, as the rest of what the
    // parent shows; a table's header keeps its place instead.
    bool scrollsWithParent = true;
    Size contentHint = Size(0, 0);
    Size layoutHint = Size(0, 0);
    Size effectiveHint = Size(0, 0);
    Size laidOutSize = Size(0, 0);
    Size laidOutHint = Size(0, 0);
    std::vector<std::unique_ptr<UIPaintEffect>> effects;
    // The widget's own paint surface, and a window's composed frame (made on
    // its first composition).
    std::unique_ptr<BitmapSurface> surface;
    std::unique_ptr<BitmapSurface> frame;
    // Hot keys registered on the native window, in registration order.
    List<HotKeyShortcut> shortcuts;
    // Set on a window while it paints.
    bool painting = false;
    // The title without the suffix, to set again when the suffix changes.
    String title;
    uint32_t placement = 0;
    // Shared with a running modal run, which must outlive a widget deleted
    // from inside it.
    std::shared_ptr<EventLoop> modalLoop = std::make_shared<EventLoop>();
    // How many modal runs of this widget are still on the stack, counting a
    // run asked to end that has not yet returned.
    int modalRunsOnStack = 0;
    // Windows blocked by this widget's modal run, known by address and id so
    // that a new window at a freed address is never unblocked.
    struct BlockedWindow
    {
        UIWidget* widget;
        uint32_t id;
    };
    std::vector<BlockedWindow> blockedWindows;
};

// Whether a window is the menu of a tray icon, which a modal run leaves
// usable.
bool isTrayMenu(const UIWidget* window);
