#pragma once

#include "foundation/geometry/Rect.h"
#include "foundation/text/String.h"
#include "graphics/image/Image.h"

#include <cstdint>

class UIWidget;

// What the widget core needs of a top-level widget's native window. The real
// host implements it over a window handle; tests use a fake. Every operation
// that needs the system window does nothing (or answers 0, false, empty)
// while there is none.
class UINativeWindow
{
public:
    // Window flags.
    static constexpr uint32_t kDropShadow = 1;
    static constexpr uint32_t kDesktopOwned = 2;
    static constexpr uint32_t kKeepsActiveLook = 4;
    static constexpr uint32_t kShowInactive = 8;
    static constexpr uint32_t kTopmost = 16;
    static constexpr uint32_t kResizable = 32;
    static constexpr uint32_t kMinimizeBox = 64;
    static constexpr uint32_t kMaximizeBox = 128;
    static constexpr uint32_t kSystemMenu = 256;
    static constexpr uint32_t kFrameless = 512;
    static constexpr uint32_t kKeyPreview = 1024;
    static constexpr uint32_t kDisabled = 2048;
    // The system window is made when first needed (shown, its handle asked
    // for), not with the widget: for menus, built by the dozen at start and
    // mostly never shown.
    static constexpr uint32_t kMadeWhenNeeded = 4096;
    static constexpr int kFlagCount = 13;

    // Window states.
    static constexpr uint32_t kMinimizedState = 1;
    static constexpr uint32_t kMaximizedState = 2;
    static constexpr uint32_t kKeepShowState = 4;
    static constexpr uint32_t kActiveState = 8;

    virtual ~UINativeWindow() = default;

    // Makes the system window once; a host that has one keeps it.
    virtual void create() = 0;
    virtual void* handle() const = 0;
    // The handle if the system window exists, never making it: for those
    // that only look windows up.
    virtual void* existingHandle() const { return handle(); }
    // Left, top, right and bottom frame widths in the fields of a Rect.
    virtual Rect frameMargins() const = 0;
    virtual Rect frameGeometry() const = 0;
    virtual bool isVisible() const = 0;
    virtual void setVisible(bool visible, bool maximized, bool minimized) = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
    // Moves the outer frame; the host then sends the move event.
    virtual void move(int x, int y) = 0;
    // Resizes the client area; the host then sends the resize event.
    virtual void resize(int width, int height) = 0;
    virtual void setFocus(bool focus) = 0;
    virtual bool hasFocus() const = 0;
    virtual void setWindowState(uint32_t states) = 0;
    virtual uint32_t windowState() const = 0;
    virtual void setWindowFlag(uint32_t flag, bool on) = 0;
    virtual void setWindowFlags(uint32_t flags) = 0;
    virtual uint32_t windowFlags() const = 0;
    // The modal mark: kept here for the widget, read by nothing in the host.
    virtual void setAuxFlag(bool on) = 0;
    virtual bool auxFlag() const = 0;
    // Counted: a window blocked twice is enabled again by the second unblock.
    virtual void setBlocked(bool block) = 0;
    virtual void setOpacity(float opacity) = 0;
    virtual float opacity() const = 0;
    virtual void flash(int count) = 0;
    // The suffix is appended to every title set after it.
    virtual void setTitle(const String& title) = 0;
    virtual String title() const = 0;
    virtual void setTitleSuffix(const String& suffix) = 0;
    virtual String titleSuffix() const = 0;
    virtual void invalidate() = 0;
    // Shows the image, with its alpha, as the whole window, scaled to the
    // window's size; the null image ends that.
    virtual void updateLayered(const Image& image) = 0;
    // The last image shown, at the window's size then.
    virtual Image layeredImage() const = 0;

    // Makes the native window of a widget that becomes a window; the host
    // installs it. Without a factory a window has no native side.
    using Factory = UINativeWindow* (*)(UIWidget* owner);
    static void setFactory(Factory factory) { s_factory = factory; }
    static UINativeWindow* createFor(UIWidget* owner) { return s_factory ? s_factory(owner) : nullptr; }

private:
    static inline Factory s_factory = nullptr;
};
