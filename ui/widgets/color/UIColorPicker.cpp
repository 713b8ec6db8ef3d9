#include "ui/widgets/color/UIColorPicker.h"

#include "graphics/paint/Painter.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/theme/UIStyleValues.h"
#include "ui/widgets/UITranslate.h"
#include "ui/widgets/color/UIColorChooser.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/menus/UIMenuItem.h"

namespace {

using Style = UIColorPicker::Style;

const char16_t* const kSkinNames[] = {u"UIColorPicker_Background"};

const UIStyleField<Style> kFields[] = {
    {u"colorCellSize", [](Style& s, const String& v) { s.colorCellSize = parseStyleSize(v); }},
    {u"minimumSize", [](Style& s, const String& v) { s.minimumSize = parseStyleSize(v); }},
};

const char16_t* const kContext = u"UserInterface/UIColorPicker";
constexpr int kCopyItem = 0;
constexpr int kPasteItem = 1;

constexpr uint32_t kLeftButton = 1;
constexpr uint32_t kRightButton = 2;
constexpr float kBorderShade = 0.3f;

// The colour store every picker shares for the whole run.
struct CopiedColor
{
    Color color;
    bool empty = true;
};

CopiedColor& copied()
{
    static CopiedColor store;
    return store;
}

} // namespace

UIColorPicker::UIColorPicker(UIWidget* parent) : UIWidget(parent)
{
    setFlag(kTransparent, true);
    setFlag(kHoverTracking, true);
    setSizePolicy(UISizePolicy::kFixed, UISizePolicy::kFixed);
    setStyleName(String(u"UIColorPicker"));
    m_menu = new UIMenu(this);
    m_menu->addItem(String(u"Copy color"));
    m_menu->addItem(String(u"Paste color"));
    setContextMenu(m_menu);
    m_menu->aboutToShow.connect(this, &UIColorPicker::updateMenu);
    m_menu->item(kCopyItem)->triggered.connect(this, &UIColorPicker::copyColor);
    m_menu->item(kPasteItem)->triggered.connect(this, &UIColorPicker::pasteColor);
    retranslate();
}

UIColorPicker::~UIColorPicker() = default;

UIStyleNames UIColorPicker::styleNames()
{
    return UIStyleNames{String(u"UIColorPicker"), styleFieldNames(kFields), skinImageNames(kSkinNames)};
}

void UIColorPicker::setColor(const Color& color)
{
    if (color == m_color)
        return;
    m_color = color;
    m_colorText = color.toHexText(true);
    update();
}

void UIColorPicker::copyColor()
{
    copied().color = m_color;
    copied().empty = false;
}

void UIColorPicker::pasteColor()
{
    if (!copied().empty)
        setColor(copied().color);
}

bool UIColorPicker::hasCopiedColor()
{
    return !copied().empty;
}

UIMenu* UIColorPicker::menu() const
{
    return contextMenu() == m_menu ? m_menu : nullptr;
}

void UIColorPicker::updateMenu()
{
    if (UIMenu* own = menu())
        own->setItemEnabled(kPasteItem, hasCopiedColor());
}

void UIColorPicker::retranslate()
{
    UIMenu* own = menu();
    if (!own)
        return;
    own->setItemText(kCopyItem, uiTranslate(u"Copy color", kContext));
    own->setItemText(kPasteItem, uiTranslate(u"Paste color", kContext));
}

void UIColorPicker::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

void UIColorPicker::setSkinImage(const UISkinImage& image, const String& name)
{
    if (skinImageIndex(kSkinNames, name) == 0)
        m_background = image;
}

String UIColorPicker::toolTip(const Point&) const
{
    if (!toolTipText().isEmpty())
        return toolTipText();
    return autoToolTip() ? m_colorText : String();
}

int UIColorPicker::backgroundFrame() const
{
    if (!isEnabled())
        return 3;
    if (isMouseDown() && isHovered())
        return 2;
    return isMouseDown() || isHovered() ? 1 : 0;
}

Rect UIColorPicker::swatchRect() const
{
    const Size cell = m_style.colorCellSize;
    return rect().align(Rect(0, 0, cell.width, cell.height), Rect::kAlignHCenter | Rect::kAlignVCenter);
}

void UIColorPicker::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}

void UIColorPicker::draw(Painter& painter) const
{
    m_background.draw(painter, rect(), backgroundFrame(), UISkinImage::kAllCells);
    const Rect swatch = swatchRect();
    const Rect inside = swatch.adjusted(1, 1, -1, -1);
    if (isEnabled()) {
        painter.fillRect(swatch, m_color.darker(kBorderShade));
        painter.fillRect(inside, m_color);
        return;
    }
    painter.fillRect(swatch, Color(200, 200, 200));
    painter.fillRect(inside, Color(220, 220, 220));
}

void UIColorPicker::mousePressEvent(UIEvent* event)
{
    update();
    const auto* mouse = static_cast<UIMouseEvent*>(event);
    if (mouse->button() == kLeftButton && rect().contains(mouse->position()))
        chooseColor();
    else if (mouse->button() == kRightButton && !contextMenu())
        resetColor();
}

void UIColorPicker::chooseColor()
{
    UIColorChooser chooser(this);
    chooser.setFullOpen(m_chooserMode == kFullOpenMode);
    chooser.setColor(m_color);
    if (chooser.exec())
        setColor(chooser.selectedColor());
}

void UIColorPicker::mouseReleaseEvent(UIEvent*)
{
    update();
}

void UIColorPicker::mouseEnterEvent(UIEvent*)
{
    update();
}

void UIColorPicker::mouseLeaveEvent(UIEvent*)
{
    update();
}

void UIColorPicker::mouseMoveEvent(UIEvent*)
{
    update();
}

void UIColorPicker::clickEvent(UIEvent*)
{
    update();
}

void UIColorPicker::doubleClickEvent(UIEvent*)
{
    update();
}

void UIColorPicker::wheelEvent(UIEvent*)
{
    update();
}
