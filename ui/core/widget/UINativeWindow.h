#pragma once

#include "foundation/geometry/Rect.h"

#include <cstdint>

class UIWidget;

// What the widget core needs of a top-level widget's native window. The real
// host implements it over a window handle; tests use a fake.
class UINativeWindow
{
public:
    virtual ~UINativeWindow() = default;

    virtual void* handle() const = 0;
    // Left, top, right and bottom frame widths in the fields of a Rect.
    virtual Rect frameMargins() const = 0;
    virtual bool isVisible() const = 0;
    virtual void setVisible(bool visible, bool maximized, bool minimized) = 0;
    virtual void setEnabled(bool enabled) = 0;
    // Moves the outer frame; the host then sends the move event.
    virtual void move(int x, int y) = 0;
    // Resizes the client area; the host then sends the resize event.
    virtual void resize(int width, int height) = 0;
    virtual void setFocus(bool focus) = 0;
    virtual uint32_t windowState() const = 0;
    virtual uint32_t flags() const = 0;
    virtual void setFlags(uint32_t flags) = 0;

    static constexpr uint32_t kActiveState = 8;
    static constexpr uint32_t kKeyPreview = 1024;

    // Makes the native window of a widget that becomes a window; the host
    // installs it. Without a factory a window has no native side.
    using Factory = UINativeWindow* (*)(UIWidget* owner);
    static void setFactory(Factory factory) { s_factory = factory; }
    static UINativeWindow* create(UIWidget* owner) { return s_factory ? s_factory(owner) : nullptr; }

private:
    static inline Factory s_factory = nullptr;
};
