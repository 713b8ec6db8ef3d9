#pragma once

#include "foundation/geometry/Size.h"
#include "foundation/text/String.h"
#include "graphics/color/Color.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"

class Painter;
class UIMenu;

// A small skinned button showing a colour swatch. A left press opens the
// system's colour chooser; the context menu copies the colour to a store
// every picker of the program shares and pastes it from there.
class UIColorPicker : public UIWidget
{
public:
    static constexpr int kFullOpenMode = 1;

    explicit UIColorPicker(UIWidget* parent);
    ~UIColorPicker() override;

    static UIStyleNames styleNames();

    // A different colour is stored with its text form and repaints.
    void setColor(const Color& color);
    const Color& color() const { return m_color; }
    // "#AARRGGBB"; empty until the colour first changes.
    const String& colorText() const { return m_colorText; }
    void setEmptyColor(const Color& color) { m_emptyColor = color; }
    const Color& emptyColor() const { return m_emptyColor; }
    void resetColor() { setColor(m_emptyColor); }
    void setChooserMode(int mode) { m_chooserMode = mode; }
    int chooserMode() const { return m_chooserMode; }

    void copyColor();
    void pasteColor();
    // Whether any picker has copied a colour in this run of the program.
    static bool hasCopiedColor();
    // Before the menu shows: "Paste color" only once something was copied.
    void updateMenu();
    // Null once the menu was taken away with setContextMenu.
    UIMenu* menu() const;

    Size sizeHint() const override { return m_style.minimumSize; }
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;
    String toolTip(const Point& point) const override;
    void retranslate() override;
    // The widget's own look over its rectangle.
    void draw(Painter& painter) const;
    // Where the swatch goes, its border included.
    Rect swatchRect() const;

    struct Style
    {
        Size colorCellSize = Size(16, 16);
        Size minimumSize = Size(44, 29);
    };

protected:
    void paint(UIEvent* event) override;
    void mousePressEvent(UIEvent* event) override;
    void mouseReleaseEvent(UIEvent* event) override;
    void mouseEnterEvent(UIEvent* event) override;
    void mouseLeaveEvent(UIEvent* event) override;
    void mouseMoveEvent(UIEvent* event) override;
    void clickEvent(UIEvent* event) override;
    void doubleClickEvent(UIEvent* event) override;
    void wheelEvent(UIEvent* event) override;

private:
    int backgroundFrame() const;
    void chooseColor();

    Style m_style;
    UISkinImage m_background;
    Color m_color = Color(255, 0, 0, 0);
    String m_colorText;
    int m_chooserMode = kFullOpenMode;
    UIMenu* m_menu = nullptr;
    Color m_emptyColor = Color(0, 0, 0, 0);
};
