#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/geometry/Size.h"
#include "foundation/text/String.h"
#include "ui/core/widget/UINativeWindow.h"

#include <cstdint>

class UIWidget;

// The native window of a top-level widget over a real system window: it
// registers a window class of its own, maps the window flags onto window
// styles, keeps the window's state, opacity, title, focus and blocking, and
// turns every message of the window into toolkit events (handleMessage). It
// draws nothing itself: WM_PAINT copies the window's composed frame.
class UINativeWindowHost : public UINativeWindow
{
public:
    explicit UINativeWindowHost(UIWidget* widget);
    ~UINativeWindowHost() override;
    UINativeWindowHost(const UINativeWindowHost&) = delete;
    UINativeWindowHost& operator=(const UINativeWindowHost&) = delete;

    // The factory the UI application installs; null when out of memory.
    static UINativeWindow* createFor(UIWidget* widget);
    // "UI___" and the CRC-32 of the program's path, built once per run.
    static const String& classNameStem();

    void create() override;
    // Makes a window made when needed first.
    void* handle() const override;
    void* existingHandle() const override { return m_handle; }
    Rect frameMargins() const override;
    Rect frameGeometry() const override;
    bool isVisible() const override;
    void setVisible(bool visible, bool maximized, bool minimized) override;
    void setEnabled(bool enabled) override;
    bool isEnabled() const override;
    void move(int x, int y) override;
    void resize(int width, int height) override;
    void setFocus(bool focus) override;
    bool hasFocus() const override;
    void setWindowState(uint32_t states) override;
    uint32_t windowState() const override;
    void setWindowFlag(uint32_t flag, bool on) override;
    void setWindowFlags(uint32_t flags) override;
    uint32_t windowFlags() const override { return m_flags; }
    void setAuxFlag(bool on) override { m_auxFlag = on; }
    bool auxFlag() const override { return m_auxFlag; }
    void setBlocked(bool block) override;
    void setOpacity(float opacity) override;
    float opacity() const override { return m_opacity; }
    void flash(int count) override;
    void setTitle(const String& title) override;
    String title() const override;
    void setTitleSuffix(const String& suffix) override { m_titleSuffix = suffix; }
    String titleSuffix() const override { return m_titleSuffix; }
    void invalidate() override;
    void updateLayered(const Image& image) override;
    Image layeredImage() const override { return m_layeredImage; }

    const String& className() const { return m_className; }
    int blockCount() const { return m_blockCount; }
    UIWidget* widget() const { return m_widget; }

    // The window procedure's work for one message of this host's window.
    intptr_t handleMessage(void* window, uint32_t message, uintptr_t wParam, intptr_t lParam);

private:
    // Posted to itself at a show while windows wait (a private message number).
    static constexpr uint32_t kMakeOwnedWindowsMessage = 0xD001;
    // Tell the widget of a new place or client size, as the window's own
    // messages do; false when it heard nothing.
    bool tellWidgetMoved(const Point& to);
    bool tellWidgetResized(const Size& size);
    bool holdsPlacement() const;
    void applyHeldPlacement();
    void makeWindow();
    void makeUnlessWaiting();
    bool ownerIsVisible() const;
    void makeOwnedWindows();
    bool waitsToBeMade() const { return !m_handle && m_wanted; }
    void applyOpacity();
    void destroyWindow();
    void giveTaskbarButtonWhenOwnerHidden();
    void applyFlagChange(uint32_t flag, bool on);
    void applyStyleBits(uint32_t bits, bool on);
    void applyFrameChange();
    void setIcons();

    // Message handling, each answering the message's result; `handled` false
    // leaves the message to the system's default handling.
    intptr_t defaultResult(uint32_t message, uintptr_t wParam, intptr_t lParam);
    void onButtonDown(uint32_t message, uintptr_t wParam, intptr_t lParam);
    void onButtonUp(uint32_t message, uintptr_t wParam, intptr_t lParam);
    bool onMouseMove(uintptr_t wParam, intptr_t lParam);
    void onWheel(bool horizontal, uintptr_t wParam, intptr_t lParam);
    void onCaptureChanged();
    bool onPaint();
    bool onWindowPosChanged(intptr_t lParam);
    void onMinMaxInfo(intptr_t lParam);
    bool onSysCommand(uintptr_t wParam);
    void onSetFocus();
    void onKillFocus();
    void onStartComposition();
    bool onKey(uint32_t message, uintptr_t wParam, intptr_t lParam);
    bool onKeyDown(uint32_t message, int key, uint32_t compact, uint32_t full, UIWidget* target);
    bool onKeyUp(int key, uint32_t compact, uint32_t full, UIWidget* target);
    bool onCharacter(uintptr_t wParam, intptr_t lParam, uint32_t compact, uint32_t full, UIWidget* target);
    void onExternal(intptr_t lParam);

    UIWidget* mouseTarget(const Point& inWindow, Point* inTarget) const;
    void updateCursor(UIWidget* target, const Point& inTarget);
    // Sends a key event; false when the widget of this host is gone.
    bool sendKey(UIWidget* target, int type, int key, uint32_t compact, const String& text, bool repeat,
                 uint32_t scanCode, uint32_t full);

    UIWidget* m_widget;
    uint32_t m_flags = 0;
    float m_opacity = 1.0f;
    void* m_handle = nullptr;
    // create() was asked for; a window made when needed may not exist yet.
    bool m_wanted = false;
    // Enabled or not, for a window not made yet.
    bool m_enabled = true;
    // A hidden frameless window's moves and sizes wait for its show.
    bool m_placementHeld = false;
    String m_className;
    void* m_smallIcon = nullptr;
    void* m_bigIcon = nullptr;
    // Known by address and id: a new widget at a freed address is not it.
    UIWidget* m_lastFocusWidget = nullptr;
    uint32_t m_lastFocusId = 0;
    Point m_lastMousePos = Point(-1, -1);
    // Asking the system whether the window shows is a trip to the window
    // server, and every mouse move asks: the answer is kept until a message
    // says the window was shown, hidden or restyled (-1: not known).
    mutable int m_visibility = -1;
    bool m_releasingCapture = false;
    Size m_cachedWidgetSize = Size(0, 0);
    Size m_cachedMinTrackSize = Size(0, 0);
    bool m_enabledBeforeBlock = true;
    int m_blockCount = 0;
    bool m_auxFlag = false;
    String m_titleSuffix;
    Image m_layeredImage;
};
