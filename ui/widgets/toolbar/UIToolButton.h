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

// A button of a tool bar: an icon, optionally a text below it, and
// optionally a menu that drops down when it is pressed. The press that
// closes its menu (by taking the menu's focus) does not open it again.
class UIToolButton : public UIAbstractButton
{
public:
    static constexpr int kRearmTimerId = 100003;
    // Button styles: the icon only, or the icon with its text below.
    static constexpr int kIconOnly = 0;
    static constexpr int kTextBelowIcon = 3;
    // Room at the right for the menu arrow.
    static constexpr int kArrowRoom = 12;

    struct Style
    {
        FontDesc font;
        Pen foreground;
        Pen shadowForeground;
        Point shadowOffset = Point(0, 0);
        Pen disabledForeground;
        Pen disabledShadowForeground;
        UIMargins padding;
    };

    UIToolButton(UIWidget* parent, const ImageSet& icon, const String& text);
    ~UIToolButton() override;

    static UIStyleNames styleNames();

    // Not owned; the button becomes checkable and is unchecked when the menu
    // hides.
    void setMenu(UIMenu* menu);
    UIMenu* menu() const { return m_menu; }
    bool isMenuAllowed() const { return m_menuAllowed; }
    void setIcon(const ImageSet& icon);
    const ImageSet& icon() const { return m_icon; }
    void setButtonStyle(int style);
    int buttonStyle() const { return m_buttonStyle; }
    void setNoBackground(bool on);
    bool noBackground() const { return m_noBackground; }
    void setPadding(const UIMargins& padding);
    const Style& style() const { return m_style; }

    // What the paint draws, by the current state.
    int backgroundFrame() const;
    int iconState() const;
    void draw(Painter& painter) const;

    Size sizeHint() const override;
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;

protected:
    void paint(UIEvent* event) override;
    void mousePressEvent(UIEvent* event) override;
    void mouseReleaseEvent(UIEvent* event) override;
    void mouseEnterEvent(UIEvent* event) override;
    void mouseLeaveEvent(UIEvent* event) override;
    void timerEvent(UIEvent* event) override;

private:
    enum Skin
    {
        kBackground,
        kArrow,
        kSkinCount
    };

    bool isMenuOpen() const;
    void menuHidden();

    Style m_style;
    UISkinImage m_skins[kSkinCount];
    int m_buttonStyle = kIconOnly;
    UIMenu* m_menu = nullptr;
    bool m_menuAllowed = true;
    ImageSet m_icon;
    bool m_noBackground = false;
};
