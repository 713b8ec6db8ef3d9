#include "ui/widgets/toolbar/UIToolBar.h"

#include "graphics/paint/Painter.h"
#include "ui/core/theme/UIStyleValues.h"
#include "ui/widgets/decorative/UIExpander.h"
#include "ui/widgets/decorative/UISpacer.h"
#include "ui/widgets/picture/UIPicture.h"
#include "ui/widgets/toolbar/UIToolButton.h"

#include <vector>

namespace {

const char16_t* const kSkinNames[] = {u"UIToolBar_Background", u"UIToolBar_MenuIndicator"};

using Style = UIToolBar::Style;

const UIStyleField<Style> kFields[] = {
    {u"background", [](Style& s, const String& v) { s.background = parseStyleBrush(v); }},
    {u"padding", [](Style& s, const String& v) { s.padding = parseStyleMargins(v); }},
    {u"buttonSpacing", [](Style& s, const String& v) { s.buttonSpacing = parseStyleInt(v); }},
    {u"buttonPadding", [](Style& s, const String& v) { s.buttonPadding = parseStyleMargins(v); }},
    {u"intervalThickness", [](Style& s, const String& v) { s.intervalThickness = parseStyleInt(v); }},
};

} // namespace

UIToolBar::UIToolBar(UIWidget* parent) : UIWidget(parent)
{
    setStyleName(String(u"UIToolBar"));
    setFlag(kTransparent, false);
    setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kFixed);
    setVerticalFlow(0);
    setLayoutMarginsFrom(m_style.padding);
    setLayoutSpacing(m_style.buttonSpacing);
    // Fully transparent until the owner gives a separator of its own.
    m_separatorImage = Image(1, 1, true);
    m_separatorImage.fill(Color(0x00FFFFFFu));
}

UIStyleNames UIToolBar::styleNames()
{
    return UIStyleNames{String(u"UIToolBar"), styleFieldNames(kFields), skinImageNames(kSkinNames)};
}

void UIToolBar::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

void UIToolBar::setSkinImage(const UISkinImage& image, const String& name)
{
    const int index = skinImageIndex(kSkinNames, name);
    if (index >= 0)
        m_skins[index] = image;
}

UIToolButton* UIToolBar::addButton(const ImageSet& icon, const String& text, const String& toolTip)
{
    auto* created = new UIToolButton(this, icon, text);
    created->setToolTip(toolTip);
    created->show();
    insertButton(count(), created);
    return created;
}

void UIToolBar::insertButton(int index, UIToolButton* button)
{
    if (!button)
        return;
    button->setButtonStyle(m_buttonStyle);
    button->setPadding(m_style.buttonPadding);
    button->setToolTipGroup(int(id()));
    if (button->parentWidget() != this)
        button->setParent(this);
    List<UIToolButton*>::Node* before =
        (m_buttons.isEmpty() || index >= count()) ? nullptr : m_buttons.nodeAt(index);
    if (!before) {
        m_buttons.append(button);
        relayout();
        return;
    }
    UIToolButton* next = before->value;
    List<UIToolButton*> reordered;
    for (UIToolButton* each : m_buttons) {
        if (each == next)
            reordered.append(button);
        reordered.append(each);
    }
    m_buttons = reordered;
    placeBefore(button, next);
}

void UIToolBar::placeBefore(UIToolButton* button, UIWidget* before)
{
    std::vector<UIWidget*> after;
    bool found = false;
    for (UIWidget* child : children()) {
        found = found || child == before;
        if (found && child != button)
            after.push_back(child);
    }
    for (UIWidget* child : after) {
        child->setParent(nullptr);
        child->setParent(this);
    }
    relayout();
}

void UIToolBar::addSeparator()
{
    auto* picture = new UIPicture(this);
    picture->setImage(m_separatorImage, 0, Rect::kAlignLeft | Rect::kAlignTop);
    picture->show();
}

void UIToolBar::addInterval()
{
    (new UISpacer(m_style.intervalThickness, this))->show();
}

void UIToolBar::addStretch()
{
    (new UIExpander(this))->show();
}

void UIToolBar::removeButton(int index)
{
    List<UIToolButton*>::Node* node = m_buttons.nodeAt(index);
    if (!node)
        return;
    UIToolButton* removed = node->value;
    m_buttons.erase(node);
    delete removed;
    relayout();
}

UIToolButton* UIToolBar::button(int index) const
{
    List<UIToolButton*>::Node* node = m_buttons.nodeAt(index);
    return node ? node->value : nullptr;
}

int UIToolBar::indexOf(const UIToolButton* button) const
{
    int index = 0;
    for (const UIToolButton* each : m_buttons) {
        if (each == button)
            return index;
        ++index;
    }
    return -1;
}

UIToolButton* UIToolBar::buttonAt(const Point& point) const
{
    const int index = indexAt(point);
    return index < 0 ? nullptr : button(index);
}

int UIToolBar::indexAt(const Point& point) const
{
    int index = 0;
    for (const UIToolButton* each : m_buttons) {
        if (each->isVisible() && each->geometry().contains(point))
            return index;
        ++index;
    }
    return -1;
}

void UIToolBar::setButtonEnabled(int index, bool on)
{
    if (UIToolButton* each = button(index))
        each->setEnabled(on);
}

void UIToolBar::setButtonChecked(int index, bool on)
{
    if (UIToolButton* each = button(index))
        each->setChecked(on);
}

void UIToolBar::setButtonVisible(int index, bool on)
{
    if (UIToolButton* each = button(index))
        each->setVisible(on);
}

void UIToolBar::checkButton(int index, bool exclusive)
{
    UIToolButton* chosen = button(index);
    if (!chosen)
        return;
    if (exclusive) {
        for (UIToolButton* each : m_buttons) {
            if (each != chosen && each->isCheckable())
                each->setChecked(false);
        }
    }
    chosen->setChecked(true);
}

void UIToolBar::setButtonStyle(int style)
{
    if (style == m_buttonStyle)
        return;
    m_buttonStyle = style;
    for (UIToolButton* each : m_buttons)
        each->setButtonStyle(style);
    relayout();
}

void UIToolBar::setButtonSpacing(int spacing)
{
    m_style.buttonSpacing = spacing;
    setLayoutSpacing(spacing);
}

void UIToolBar::setPadding(const UIMargins& padding)
{
    m_style.padding = padding;
    setLayoutMarginsFrom(padding);
}

void UIToolBar::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}

void UIToolBar::draw(Painter& painter) const
{
    if (!m_skins[kBackground].isNull())
        m_skins[kBackground].draw(painter, rect(), 0, UISkinImage::kAllCells);
    else
        painter.fillRect(rect(), m_style.background);
}
