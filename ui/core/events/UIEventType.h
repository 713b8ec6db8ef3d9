#pragma once

// The type codes of the toolkit's events.
enum UIEventType
{
    kCustomEvent = 100,
    kPaintEvent = 101,
    kResizeEvent = 102,
    kShowEvent = 103,
    kHideEvent = 104,
    kMoveEvent = 105,
    kMousePressEvent = 106,
    kMouseReleaseEvent = 107,
    kClickEvent = 108,
    kDoubleClickEvent = 109,
    kMouseMoveEvent = 110,
    kMouseLeaveEvent = 111,
    kMouseEnterEvent = 112,
    kCloseEvent = 113,
    kContextMenuEvent = 114,
    kFocusInEvent = 115,
    kFocusOutEvent = 116,
    kHotKeyEvent = 117,
    kDragEnterEvent = 118,
    kDragMoveEvent = 119,
    kDragLeaveEvent = 120,
    kDropEvent = 121,
    kKeyPressEvent = 122,
    kKeyReleaseEvent = 123,
    kWheelEvent = 125,
    kEnabledChangeEvent = 126,
    kWindowStateEvent = 127,
    kExternalEvent = 128,
};
