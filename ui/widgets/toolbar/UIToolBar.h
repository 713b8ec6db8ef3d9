#pragma once

#include "foundation/containers/List.h"
#include "graphics/image/Image.h"
#include "graphics/image/ImageSet.h"
#include "graphics/paint/Brush.h"
#include "graphics/paint/UIMargins.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"

class Painter;
class UIToolButton;

// A horizontal strip of tool buttons with separators, fixed gaps and
// stretches between them, laid out by the widget grid. The buttons are the
// bar's children; the list only indexes them, in the order they stand.
// Index accessors give null past the end, and the setters do nothing there.
class UIToolBar : public UIWidget
{
public:
    struct Style
    {
        Brush background;
        UIMargins padding;
        int buttonSpacing = 0;
        UIMargins buttonPadding;
        int intervalThickness = 0;
    };

    explicit UIToolBar(UIWidget* parent);

    static UIStyleNames styleNames();

    UIToolButton* addButton(const ImageSet& icon, const String& text, const String& toolTip);
    // An index equal to the count, or any index on an empty bar, appends.
    void insertButton(int index, UIToolButton* button);
    void addSeparator();
    void addInterval();
    void addStretch();
    void removeButton(int index);
    UIToolButton* button(int index) const;
    int indexOf(const UIToolButton* button) const;
    int count() const { return m_buttons.count(); }
    UIToolButton* buttonAt(const Point& point) const;
    int indexAt(const Point& point) const;

    void setButtonEnabled(int index, bool on);
    void setButtonChecked(int index, bool on);
    void setButtonVisible(int index, bool on);
    // With exclusive, every other checkable button is unchecked first.
    void checkButton(int index, bool exclusive);

    void setButtonStyle(int style);
    int buttonStyle() const { return m_buttonStyle; }
    void setButtonSpacing(int spacing);
    int buttonSpacing() const { return m_style.buttonSpacing; }
    void setPadding(const UIMargins& padding);
    void setButtonPadding(const UIMargins& padding) { m_style.buttonPadding = padding; }
    const UIMargins& buttonPadding() const { return m_style.buttonPadding; }
    void setSeparatorImage(const Image& image) { m_separatorImage = image; }
    const Image& separatorImage() const { return m_separatorImage; }
    // A value the owner keeps on the bar; the bar does not read it.
    void setUserValue(int value) { m_userValue = value; }
    int userValue() const { return m_userValue; }
    // The skin buttons with a menu may use as their indicator.
    const UISkinImage& menuIndicator() const { return m_skins[kMenuIndicator]; }

    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;
    void draw(Painter& painter) const;

protected:
    void paint(UIEvent* event) override;

private:
    enum Skin
    {
        kBackground,
        kMenuIndicator,
        kSkinCount
    };

    // Moves the children from before onwards behind the button, so that the
    // grid shows the buttons in list order.
    void placeBefore(UIToolButton* button, UIWidget* before);

    Style m_style;
    UISkinImage m_skins[kSkinCount];
    List<UIToolButton*> m_buttons;
    int m_userValue = 0;
    int m_buttonStyle = 0;
    Image m_separatorImage;
};
