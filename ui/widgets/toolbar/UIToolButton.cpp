#include "ui/widgets/toolbar/UIToolButton.h"

#include "graphics/paint/FontMetrics.h"
#include "graphics/paint/Painter.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UICustomEvent.h"
#include "ui/core/theme/UIStyleValues.h"
#include "ui/core/widget/UIWidgetGuard.h"
#include "ui/widgets/menus/UIMenu.h"

#include <algorithm>

namespace {

const char16_t* const kSkinNames[] = {u"UIToolButton_Background", u"UIToolButton_Arrow"};

using Style = UIToolButton::Style;

const UIStyleField<Style> kFields[] = {
    {u"font", [](Style& s, const String& v) { s.font = parseStyleFont(v); }},
    {u"foreground", [](Style& s, const String& v) { s.foreground = parseStylePen(v); }},
    {u"shadowForeground", [](Style& s, const String& v) { s.shadowForeground = parseStylePen(v); }},
    {u"shadowOffset", [](Style& s, const String& v) { s.shadowOffset = parseStylePoint(v); }},
    {u"disabledForeground", [](Style& s, const String& v) { s.disabledForeground = parseStylePen(v); }},
    {u"disabledShadowForeground",
     [](Style& s, const String& v) { s.disabledShadowForeground = parseStylePen(v); }},
    {u"padding", [](Style& s, const String& v) { s.padding = parseStyleMargins(v); }},
};

constexpr uint32_t kBottomCentred = Rect::kAlignBottom | Rect::kAlignHCenter;
constexpr uint32_t kTopCentred = Rect::kAlignTop | Rect::kAlignHCenter;
constexpr uint32_t kRightCentred = Rect::kAlignRight | Rect::kAlignVCenter;

// A pen of the same kind in a colour darkened by the fraction.
Pen darkened(const Pen& pen, float fraction)
{
    const Color c = pen.color();
    const float keep = 1.0f - fraction;
    Pen result = pen;
    result.setColor(
        Color(c.alpha(), uint8_t(c.red() * keep), uint8_t(c.green() * keep), uint8_t(c.blue() * keep)));
    return result;
}

} // namespace

UIToolButton::UIToolButton(UIWidget* parent, const ImageSet& icon, const String& text)
    : UIAbstractButton(parent), m_icon(icon)
{
    setStyleName(String(u"UIToolButton"));
    setFlag(kTransparent | kHoverTracking, true);
    setFocusPolicy(kClickFocus | kTabFocus);
    setTextAlignment(kBottomCentred);
    setText(text);
}

UIToolButton::~UIToolButton()
{
    killTimer(kRearmTimerId);
    // A menu that is a child of the button hides while the base destructor
    // deletes it: it must not call back into what is left of the button.
    setMenu(nullptr);
}

UIStyleNames UIToolButton::styleNames()
{
    return UIStyleNames{String(u"UIToolButton"), styleFieldNames(kFields), skinImageNames(kSkinNames)};
}

void UIToolButton::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

void UIToolButton::setSkinImage(const UISkinImage& image, const String& name)
{
    const int index = skinImageIndex(kSkinNames, name);
    if (index >= 0)
        m_skins[index] = image;
}

void UIToolButton::setMenu(UIMenu* menu)
{
    // The menu is not owned and may be gone already.
    if (m_menu && UIApplication::instance()->contains(m_menu))
        m_menu->hidden.slotDisconnect(this);
    m_menu = menu;
    setCheckable(true);
    if (m_menu)
        m_menu->hidden.connect(this, &UIToolButton::menuHidden);
}

void UIToolButton::setIcon(const ImageSet& icon)
{
    m_icon = icon;
    update();
}

void UIToolButton::setButtonStyle(int style)
{
    m_buttonStyle = style;
    update();
}

void UIToolButton::setNoBackground(bool on)
{
    m_noBackground = on;
    update();
}

void UIToolButton::setPadding(const UIMargins& padding)
{
    m_style.padding = padding;
    update();
}

Size UIToolButton::sizeHint() const
{
    Size hint = m_icon.maxSize();
    if (m_buttonStyle == kTextBelowIcon) {
        const FontMetrics metrics(m_style.font, nullptr);
        if (!text().isEmpty())
            hint.width = std::max(hint.width, metrics.textWidth(text().data(), text().length(), false));
        hint.height += metrics.height() + 4;
    }
    hint.width += m_style.padding.left + m_style.padding.right;
    hint.height += m_style.padding.top + m_style.padding.bottom;
    if (m_menu)
        hint.width += kArrowRoom;
    return hint;
}

bool UIToolButton::isMenuOpen() const
{
    return m_menu && m_menu->isVisible();
}

int UIToolButton::backgroundFrame() const
{
    if (!isEnabled())
        return 3;
    if (isCheckable())
        return isChecked() ? 2 : isHovered() ? 1 : 0;
    if (isMenuOpen() || (isHovered() && isMouseDown()))
        return 2;
    return isHovered() ? 1 : 0;
}

int UIToolButton::iconState() const
{
    if (!isEnabled())
        return 1;
    if (isCheckable() && isChecked())
        return 3;
    if (isMenuOpen() || (isHovered() && isMouseDown()))
        return 3;
    return isHovered() ? 2 : 0;
}

void UIToolButton::draw(Painter& painter) const
{
    const Rect r = rect();
    const UIMargins& pad = m_style.padding;
    if (!m_noBackground) {
        const int frame = backgroundFrame();
        m_skins[kBackground].draw(painter, r, frame, UISkinImage::kAllCells);
        if (m_menu)
            m_skins[kArrow].drawAligned(painter, Rect(r.x, r.y, r.width - pad.right, r.height), kRightCentred,
                                        frame, nullptr);
    }
    if (!m_icon.isNull()) {
        const int arrow = m_menu ? kArrowRoom : 0;
        m_icon.draw(painter, Rect(r.x, pad.top, r.width - arrow, r.height - pad.top), kTopCentred,
                    iconState());
    }
    if (m_buttonStyle == kIconOnly || text().isEmpty())
        return;
    const Rect textRect(r.x, r.y, r.width, r.height - pad.bottom);
    painter.setFont(m_style.font);
    const bool down = (isMouseDown() && isHovered()) || (isCheckable() && isChecked());
    painter.setPen(down ? darkened(m_style.shadowForeground, 0.15f) : m_style.shadowForeground);
    painter.drawText(text(),
                     Rect(textRect.x + m_style.shadowOffset.x, textRect.y + m_style.shadowOffset.y,
                          textRect.width, textRect.height),
                     kBottomCentred, 0, true, nullptr);
    painter.setPen(isEnabled() ? m_style.foreground : m_style.disabledForeground);
    painter.drawText(text(), textRect, kBottomCentred, 0, true, nullptr);
}

void UIToolButton::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}

void UIToolButton::mousePressEvent(UIEvent*)
{
    update();
    if (!m_menu || !isEnabled() || !m_menuAllowed)
        return;
    setChecked(true);
    m_menu->popup(mapToGlobal(Point(0, height())));
}

void UIToolButton::mouseReleaseEvent(UIEvent*)
{
    update();
}

void UIToolButton::mouseEnterEvent(UIEvent*)
{
    update();
}

void UIToolButton::mouseLeaveEvent(UIEvent*)
{
    update();
}

void UIToolButton::menuHidden()
{
    setChecked(false);
    m_menuAllowed = false;
    startTimer(kRearmTimerId, kDefaultInterval);
}

void UIToolButton::timerEvent(UIEvent* event)
{
    if (static_cast<UICustomEvent*>(event)->code() != kRearmTimerId)
        return;
    killTimer(kRearmTimerId);
    m_menuAllowed = true;
}
