#pragma once

#include "graphics/image/Image.h"
#include "graphics/paint/Brush.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/Pen.h"
#include "graphics/paint/UIMargins.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"

class Painter;

// The speech balloon that points the user at a control: a rounded body with
// a title, a text, an optional icon and a close button, and an arrow whose
// tip touches an anchor point on the screen. One balloon at a time: a new one
// replaces the current. It shows after a delay, may hide after a display
// time, and hides on a click, Escape, the loss of the focus, any mouse button
// pressed anywhere, or when its owner or the owner's window is hidden.
class UIBalloonTip : public UIWidget
{
public:
    static constexpr int kShowTimerId = 100005;
    static constexpr int kDisplayTimerId = 100006;
    static constexpr int kCloseCheckTimerId = 100007;
    // Arrow sides: where the balloon lies from its anchor.
    static constexpr int kLeftOfAnchor = 1;
    static constexpr int kRightOfAnchor = 2;
    static constexpr int kAboveAnchor = 3;
    static constexpr int kBelowAnchor = 4;
    static constexpr int kEscapeKey = 27;
    static constexpr int kCopyKey = 67;

    struct Style
    {
        FontDesc font;
        Pen foreground;
        Pen shadowForeground;
        Point shadowOffset = Point(0, 0);
        FontDesc titleFont;
        Pen titleForeground;
        Pen titleShadowForeground;
        Point titleShadowOffset = Point(0, 0);
        Brush background;
        int horizontalSpacing = 0;
        int verticalSpacing = 0;
        UIMargins padding;
        UIMargins desktopPadding;
        int cornerDiametr = 0;
        int arrowLength = 0;
        int arrowThickness = 0;
        int arrowBorderSpacing = 0;
    };

    explicit UIBalloonTip(UIWidget* parent);
    ~UIBalloonTip() override;

    static UIStyleNames styleNames();

    // Replaces the current balloon with a new one for the widget. A delay or
    // display time below 1 keeps the defaults.
    static void showBalloon(UIWidget* widget, const Point& anchor, const String& title, const String& text,
                            int iconKind, const Image& icon, int arrowSide, int showDelay, int displayTime,
                            int soundKind, int highlightKind);
    static void hideBalloon();
    static void hideFor(const UIWidget* widget);
    // Visible, or waiting for its show delay.
    static bool isShowing();
    static UIWidget* owner();
    static bool isInstance(const UIWidget* widget);
    static UIBalloonTip* instance();
    static String currentText();
    static void updateText(const String& text, bool resize);
    // Line breaks once each (CR LF and runs of breaks give one line feed),
    // other control characters as spaces.
    static String normalizedText(const String& text);

    void setTitle(const String& title);
    const String& title() const { return m_title; }
    void setText(const String& text);
    const String& text() const { return m_text; }
    // 0 the balloon's own icon; 1 to 12 the theme's built-in images 3 to 14;
    // larger values no icon.
    void setIconKind(int kind);
    int iconKind() const { return m_iconKind; }
    void setIcon(const Image& icon);
    const Image& icon() const { return m_icon; }
    // The image drawn: the own icon or the theme's.
    Image iconImage() const;
    // 0 left of the texts, 1 above them.
    void setIconPosition(int position) { m_iconPosition = position; }
    int iconPosition() const { return m_iconPosition; }
    void setIconAlignment(uint32_t alignment) { m_iconAlignment = alignment; }
    uint32_t iconAlignment() const { return m_iconAlignment; }
    void setTimes(int showDelay, int displayTime);
    void setShowDelay(int ms) { m_showDelay = ms; }
    int showDelay() const { return m_showDelay; }
    void setDisplayTime(int ms) { m_displayTime = ms; }
    int displayTime() const { return m_displayTime; }
    void setSoundKind(int kind) { m_soundKind = kind; }
    int soundKind() const { return m_soundKind; }
    // Kinds 1 to 4 name red, green, blue and yellow; they are kept only.
    void setHighlight(int kind);
    int highlight() const { return m_highlight; }
    void setArrowSide(int side) { m_arrowSide = side; }
    int arrowSide() const { return m_arrowSide; }

    const Rect& bodyRect() const { return m_bodyRect; }
    const Rect& arrowRect() const { return m_arrowRect; }
    const Rect& closeButtonRect() const { return m_closeRect; }
    const Point& anchor() const { return m_anchor; }
    const Point& windowPosition() const { return m_windowPos; }
    const Style& style() const { return m_style; }

    // Body and arrow rectangles for the effective size.
    void layout();
    // Chooses the side and the position within the work area (shrunk by the
    // desktop padding) for the anchor.
    void choosePlacement(const Rect& area);
    // Places and shapes the balloon for the anchor and starts its delay.
    void showAt(const Point& anchor);
    // Hides when a mouse button is down or the owner or its window is
    // hidden; true when it hid.
    bool checkClose();
    // The triangle of the arrow, tip in the middle.
    void arrowTriangle(Point points[3]) const;
    void draw(Painter& painter);

    Size sizeHint() const override;
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;
    void setVisible(bool visible) override;

protected:
    void paint(UIEvent* event) override;
    void keyPressEvent(UIEvent* event) override;
    void clickEvent(UIEvent* event) override;
    void mouseLeaveEvent(UIEvent* event) override;
    void mouseMoveEvent(UIEvent* event) override;
    void timerEvent(UIEvent* event) override;
    void focusOutEvent(UIEvent* event) override;

private:
    enum Skin
    {
        kBackground,
        kWorkingBackground,
        kBackgroundBorder,
        kCloseButton,
        kArrowLeft,
        kArrowTop,
        kArrowRight,
        kArrowBottom,
        kSkinCount
    };

    bool isPending() const { return isTimerActive(kShowTimerId); }
    bool tryVertical(const Rect& area, bool forced);
    bool tryHorizontal(const Rect& area, bool forced);
    void place(const Rect& area);
    void showNow();
    void copyText();
    int arrowSkin() const;

    // Platform: the mouse buttons held, and the window's shape.
    static uint32_t pressedButtons();
    void shapeWindow();

    Style m_style;
    UISkinImage m_skins[kSkinCount];
    String m_title;
    String m_text;
    int m_iconKind = 0;
    Image m_icon;
    int m_iconPosition = 0;
    uint32_t m_iconAlignment = Rect::kAlignLeft | Rect::kAlignTop;
    Point m_anchor;
    int m_showDelay = 10;
    int m_displayTime = 0;
    int m_soundKind = 0;
    int m_highlight = 0;
    Rect m_closeRect;
    bool m_closeHovered = false;
    int m_arrowSide = kAboveAnchor;
    Rect m_bodyRect;
    Rect m_arrowRect;
    Point m_windowPos;
};
