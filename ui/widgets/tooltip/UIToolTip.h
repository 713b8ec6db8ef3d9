#pragma once

#include "graphics/paint/Brush.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/Pen.h"
#include "graphics/paint/UIMargins.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"

#include <cstdint>

class Painter;

// The popup that shows a widget's tool tip near the pointer. One shared
// instance at a time, made for the widget whose tip is asked for: it shows
// after a delay, follows the pointer, hides after its display time and at
// once on a mouse button, when its owner's window goes inactive or hidden,
// or when the pointer leaves the owner's area.
class UIToolTip : public UIWidget
{
public:
    static constexpr int kShowTimerId = 100008;
    static constexpr int kDisplayTimerId = 100009;
    static constexpr int kFollowTimerId = 100010;
    static constexpr int kDefaultShowDelay = 800;
    static constexpr int kDefaultDisplayTime = 4500;
    static constexpr int kReshowDelay = 1000;
    static constexpr int kQuickShowDelay = 100;
    // Flags.
    static constexpr int kHideAfterDisplayTime = 1;
    static constexpr int kHideOutsideArea = 2;

    struct Style
    {
        FontDesc font;
        Pen foreground;
        Pen shadowForeground;
        Point shadowOffset = Point(0, 0);
        Brush background;
        Color borderColor = Color(0u);
        UIMargins padding;
        int cornerDiametr = 0;
        UIMargins desktopPadding;
        int desktopVerticalOffset = 0;
        UISkinImage skin;
    };

    explicit UIToolTip(UIWidget* owner);
    ~UIToolTip() override;

    static UIStyleNames styleNames();
    // Makes the tool tip the one the widget core shows widgets' tips with.
    static void install();

    // Point and area in screen coordinates; a delay or display time below 1
    // takes the default.
    static void showText(UIWidget* widget, const String& text, const Point& point, const Rect& area,
                         int delay, int displayTime, int group, int maxLength);
    static void hideShared();
    static void hideFor(const UIWidget* widget);
    // Visible, or waiting for its show delay.
    static bool isShowing();
    static UIWidget* owner();
    static bool isInstance(const UIWidget* widget);
    static String currentText();
    static void updateText(const String& text, bool resize);
    // The delay before a tip of this widget and group shows: 100 ms for the
    // same widget, or the same non-zero group, within the reshow delay of
    // the last hiding. The last owner is only compared, never used: it may
    // be gone.
    static int showDelayFor(const UIWidget* widget, int group, int givenDelay, int64_t now);
    // Forgets the last owner, group and hiding.
    static void resetHistory();

    Size sizeHint() const override;
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;
    void setVisible(bool visible) override;

    // Line breaks are kept, once each; other control characters become
    // spaces; a text cut at the maximum length ends in the ellipsis and never
    // splits a surrogate pair.
    void setText(const String& text);
    const String& text() const { return m_text; }
    void setMaxLength(int length) { m_maxLength = length; }
    int maxLength() const { return m_maxLength; }
    void setAlignment(uint32_t alignment) { m_alignment = alignment; }
    uint32_t alignment() const { return m_alignment; }
    void setTimes(int showDelay, int displayTime);
    void setShowDelay(int ms) { m_showDelay = ms; }
    int showDelay() const { return m_showDelay; }
    void setDisplayTime(int ms) { m_displayTime = ms; }
    int displayTime() const { return m_displayTime; }
    // A tip already up takes the flags at once: its display time starts or
    // stops with kHideAfterDisplayTime, as if the flags had been set before.
    void setFlags(int flags);
    int flags() const { return m_flags; }
    const Rect& area() const { return m_area; }
    const Style& style() const { return m_style; }

    // Keeps the area, cut to the monitor of the point, and starts the show
    // delay when anything of it is left.
    void showIn(const Point& point, const Rect& area);
    void showAt(const Point& point);
    // Hides when a button is down, the owner or its window is hidden or
    // inactive, or (with kHideOutsideArea) the pointer left the area; true
    // when it hid.
    bool checkClose(const Point& cursor);

    void draw(Painter& painter) const;

protected:
    void paint(UIEvent* event) override;
    void timerEvent(UIEvent* event) override;
    void focusOutEvent(UIEvent* event) override;

private:
    // Where the tool tip goes for a pointer at cursor.
    Point placeFor(const Point& cursor);
    void showNow();
    void follow();
    bool isPending() const { return isTimerActive(kShowTimerId); }

    // Platform: the mouse buttons held, the monitor rectangle at a point (the
    // empty Rect for none), a popup fitted onto the work area, the system's
    // drop-shadow setting, and the window's shape.
    static uint32_t pressedButtons();
    static Rect monitorRectAt(const Point& point);
    static Rect fittedRect(const Rect& popup, const Point& anchor, const UIMargins& margins, int offset);
    static bool dropShadowEnabled();
    // Cuts the native window to a rectangle of the size with corners of the
    // diameter, so that nothing shows beyond a rounded skin; 0 keeps it
    // square.
    static void roundWindow(void* handle, const Size& size, int diameter);

    Style m_style;
    String m_text;
    uint32_t m_alignment = 5;
    int m_maxLength = -1;
    Rect m_area;
    Point m_position;
    int m_showDelay = kDefaultShowDelay;
    int m_displayTime = kDefaultDisplayTime;
    int m_flags = kHideAfterDisplayTime | kHideOutsideArea;
};
