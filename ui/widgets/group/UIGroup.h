#pragma once

#include "foundation/signals/Signal.h"
#include "graphics/paint/Brush.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/Pen.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"

class Painter;

// A framed container with an optional title and check indicator in its
// header; a checkable group toggles when its header is clicked.
class UIGroup : public UIWidget
{
public:
    struct Style
    {
        FontDesc font;
        Pen foreground;
        Pen shadowForeground;
        Pen disabledForeground;
        Pen disabledShadowForeground;
        Point shadowOffset = Point(0, 0);
        Brush background;
        UISkinImage frame;
        UISkinImage indicator;
        int indicatorSpacing = 0;
    };

    explicit UIGroup(UIWidget* parent);

    static UIStyleNames styleNames();

    // At least 20 more than the header in each direction; the layout makes
    // room for the children.
    Size sizeHint() const override;
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;

    void setTitle(const String& title);
    const String& title() const { return m_title; }
    void setCheckable(bool on);
    bool isCheckable() const { return m_checkable; }
    // Only a checkable group changes; `toggled` after each change.
    void setChecked(bool on);
    bool isChecked() const { return m_checked; }
    void setTitleAlignment(int alignment) { m_titleAlignment = alignment; }
    int titleAlignment() const { return m_titleAlignment; }
    const Style& style() const { return m_style; }

    bool hasHeader() const { return m_checkable || !m_title.isEmpty(); }
    int headerHeight() const;
    // Where a click toggles: the indicator and the title, as high as the
    // title; the indicator alone without a title. Empty unless checkable.
    Rect headerRect() const;
    int indicatorFrame() const;
    void draw(Painter& painter) const;

    Signal toggled;

protected:
    void paint(UIEvent* event) override;
    void mousePressEvent(UIEvent* event) override;
    void mouseReleaseEvent(UIEvent* event) override;
    void mouseLeaveEvent(UIEvent* event) override;
    void mouseMoveEvent(UIEvent* event) override;

private:
    bool takesClicks() const { return m_checkable && isEnabled(); }
    int lineHeight() const;
    void updateHeaderLayout();
    int titleX() const;
    Rect titleRect() const;
    void drawTitle(Painter& painter) const;

    Style m_style;
    String m_title;
    int m_titleAlignment = 5;
    bool m_checkable = false;
    bool m_checked = false;
    bool m_headerHovered = false;
    bool m_headerPressed = false;
};
