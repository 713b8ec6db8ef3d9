#pragma once

#include "graphics/image/ImageSet.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/Pen.h"
#include "graphics/paint/UIMargins.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/widgets/UIStyleNames.h"
#include "ui/widgets/buttons/UIAbstractButton.h"

class Painter;
class UIMenu;

// The skinned push button: a nine-slice background with a frame per state,
// an optional icon beside or above the text, a text with a one-colour
// shadow, colour variants with backgrounds of their own and a flat mode
// without background.
class UIButton : public UIAbstractButton
{
public:
    // Background frames.
    static constexpr int kNormalFrame = 0;
    static constexpr int kHoveredFrame = 1;
    static constexpr int kPressedFrame = 2;
    static constexpr int kDisabledFrame = 3;
    static constexpr int kCheckedFrame = 4;
    static constexpr int kMenuGuardTimerId = 100004;

    struct Style
    {
        FontDesc font;
        Pen foreground;
        Point shadowOffset = Point(0, 0);
        Pen shadowForeground;
        Pen disabledForeground;
        Pen disabledShadowForeground;
        Point downOffset = Point(0, 0);
        UIMargins padding;
        Size minimumSize = Size(0, 0);
        int iconAndTextSpacing = 0;
        UISkinImage background;
    };

    explicit UIButton(UIWidget* parent);
    ~UIButton() override;

    static UIStyleNames styleNames();

    Size sizeHint() const override;
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;

    void setIcon(const ImageSet& icon) { m_icon = icon; }
    const ImageSet& icon() const { return m_icon; }
    void setFlat(bool on);
    bool isFlat() const { return m_flat; }
    // The mark the dialog looks for; it changes nothing drawn.
    void setDefault(bool on) { m_default = on; }
    bool isDefault() const { return m_default; }
    // 0 and 1 put the icon at the left of the text, 2 and 3 above it.
    void setIconPosition(int position) { m_iconPosition = position; }
    int iconPosition() const { return m_iconPosition; }
    void setForeground(const Color& color) { m_style.foreground = Pen(color); }
    Color foreground() const { return m_style.foreground.color(); }
    void setShadowForeground(const Color& color) { m_style.shadowForeground = Pen(color); }
    Color shadowForeground() const { return m_style.shadowForeground.color(); }
    void setBackground(const UISkinImage& image) { m_style.background = image; }
    const UISkinImage& background() const { return m_style.background; }
    // 0 plain, 1 green, 2 blue, 3 yellow: the background and text colours of
    // the variant. Another value is kept but changes nothing.
    void setColorVariant(int variant);
    int colorVariant() const { return m_colorVariant; }
    const Style& style() const { return m_style; }
    // A menu (not owned) that drops down below the button when it is
    // pressed; the button becomes checkable and shows checked while it is
    // open. The press that closes the menu does not open it again.
    void setMenu(UIMenu* menu);
    UIMenu* menu() const { return m_menu; }
    bool isMenuReady() const { return m_menuReady; }

    // What the paint draws, by the current state.
    int backgroundFrame() const;
    int iconState() const;
    void draw(Painter& painter) const;

protected:
    void paint(UIEvent* event) override;
    void mousePressEvent(UIEvent* event) override;
    void mouseReleaseEvent(UIEvent* event) override;
    void mouseEnterEvent(UIEvent* event) override;
    void mouseLeaveEvent(UIEvent* event) override;
    void clickEvent(UIEvent* event) override;
    void timerEvent(UIEvent* event) override;
    // Called when the attached menu hides.
    virtual void menuHidden();

private:
    bool isDown() const;
    void drawText(Painter& painter, const Rect& rect, uint32_t alignment) const;

    Style m_style;
    ImageSet m_icon;
    bool m_default = false;
    bool m_flat = false;
    int m_iconPosition = 1;
    int m_colorVariant = 0;
    UIMenu* m_menu = nullptr;
    bool m_menuReady = true;
};
