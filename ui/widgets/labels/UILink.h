#pragma once

#include "foundation/signals/Signal.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/Pen.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"

#include <cstdint>

class Painter;

// A clickable text that opens its URL with the shell. It has a second look
// under the pointer, shows the hand cursor, offers the URL as tool tip and
// opens nothing for a click that follows the last opening too closely.
class UILink : public UIWidget
{
public:
    // Hover modes: 0 no hovered shadow, 1 the hovered look under the
    // pointer, 2 the hovered look always.
    static constexpr int kHandCursor = 5;
    // A click this soon after the last opening opens nothing.
    static constexpr int64_t kReopenGuardMs = 200;

    struct Style
    {
        FontDesc font;
        Pen foreground;
        Pen shadowForeground;
        Point shadowOffset = Point(0, 0);
        FontDesc hoveredFont;
        Pen hoveredForeground;
        Pen hoveredShadowForeground;
        Pen disabledForeground;
        Pen disabledShadowForeground;
    };

    // How a URL is opened: the shell, unless a test puts its own in.
    using Opener = void (*)(const String& url);
    static void setOpener(Opener opener);
    // The shell's "open" of the URL in the form shellWebAddress gives it,
    // nothing for one it refuses; natively, where there is no shell, nothing.
    static void openWithShell(const String& url);
    // Where the reopening guard reads the time: the system's tick count in
    // milliseconds, unless a test puts its own in.
    using Clock = int64_t (*)();
    static void setClock(Clock clock);

    explicit UILink(UIWidget* parent);

    static UIStyleNames styleNames();

    Size sizeHint() const override;
    void setStyleProperty(const String& name, const String& value) override;

    // A new text lays the tree out again.
    void setText(const String& text);
    const String& text() const { return m_text; }
    // Becomes the tool tip too, unless the link already has one or automatic
    // tool tips are off.
    void setUrl(const String& url);
    const String& url() const { return m_url; }
    void setToolTipPrefix(const String& prefix);
    const String& toolTipPrefix() const { return m_toolTipPrefix; }
    void setHoverMode(int mode) { m_hoverMode = mode; }
    int hoverMode() const { return m_hoverMode; }
    void setFont(const FontDesc& font) { m_style.font = font; }
    void setHoveredFont(const FontDesc& font) { m_style.hoveredFont = font; }
    void setFontSize(float points);
    const Style& style() const { return m_style; }

    void draw(Painter& painter) const;

    // Emitted on every left click, whether the URL was opened or not.
    Signal clicked;

protected:
    void paint(UIEvent* event) override;
    void clickEvent(UIEvent* event) override;
    void mouseEnterEvent(UIEvent* event) override;
    void mouseLeaveEvent(UIEvent* event) override;

private:
    Style m_style;
    String m_text;
    String m_toolTipPrefix;
    String m_url;
    int m_hoverMode = 1;
    int64_t m_lastOpenTime = 0;
};
