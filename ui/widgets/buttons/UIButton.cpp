#include "ui/widgets/buttons/UIButton.h"

#include "graphics/paint/FontMetrics.h"
#include "graphics/paint/Painter.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UICustomEvent.h"
#include "ui/core/theme/UIStyleValues.h"
#include "ui/core/theme/UITheme.h"
#include "ui/widgets/menus/UIMenu.h"

#include <algorithm>
#include <iterator>

namespace {

using Style = UIButton::Style;

const UIStyleField<Style> kFields[] = {
    {u"font", [](Style& s, const String& v) { s.font = parseStyleFont(v); }},
    {u"foreground", [](Style& s, const String& v) { s.foreground = parseStylePen(v); }},
    {u"shadowForeground", [](Style& s, const String& v) { s.shadowForeground = parseStylePen(v); }},
    {u"shadowOffset", [](Style& s, const String& v) { s.shadowOffset = parseStylePoint(v); }},
    {u"disabledForeground", [](Style& s, const String& v) { s.disabledForeground = parseStylePen(v); }},
    {u"disabledShadowForeground",
     [](Style& s, const String& v) { s.disabledShadowForeground = parseStylePen(v); }},
    {u"downOffset", [](Style& s, const String& v) { s.downOffset = parseStylePoint(v); }},
    {u"padding", [](Style& s, const String& v) { s.padding = parseStyleMargins(v); }},
    {u"minimumSize", [](Style& s, const String& v) { s.minimumSize = parseStyleSize(v); }},
    {u"iconAndTextSpacing", [](Style& s, const String& v) { s.iconAndTextSpacing = parseStyleInt(v); }},
};

// The background of each colour variant, the plain one first: only that one
// comes through setSkinImage, the others are fetched when a variant is set.
const char16_t* const kBackgrounds[] = {u"UIButton_Background", u"UIButton_GreenBackground",
                                        u"UIButton_BlueBackground", u"UIButton_YellowBackground"};

struct Variant
{
    uint32_t foreground;
    uint32_t shadow;
};

const Variant kVariants[] = {
    {0xFF2B2B2Bu, 0xFFFAFAFAu},
    {0xFFFFFFFFu, 0xFF6E873Au},
    {0xFFFFFFFFu, 0xFF304B8Fu},
    {0xFF2B2B2Bu, 0xFFFEEFCDu},
};

constexpr int kVariantCount = 4;

Rect movedBy(const Rect& rect, const Point& offset)
{
    return Rect(rect.x + offset.x, rect.y + offset.y, rect.width, rect.height);
}

bool iconBeside(int position)
{
    return position == 0 || position == 1;
}

bool iconAbove(int position)
{
    return position == 2 || position == 3;
}

} // namespace

UIButton::UIButton(UIWidget* parent) : UIAbstractButton(parent)
{
    setStyleName(String(u"UIButton"));
    setFlag(kTransparent, true);
    setFlag(kButtonFlag, true);
    setFlag(kHoverTracking, true);
    setFocusPolicy(kTabFocus | kClickFocus);
    setTextAlignment(48);
    setMinimumSize(m_style.minimumSize.width, m_style.minimumSize.height);
}

UIButton::~UIButton()
{
    killTimer(kMenuGuardTimerId);
    // A menu that is a child of the button hides while the base destructor
    // deletes it: it must not call back into what is left of the button.
    setMenu(nullptr);
}

void UIButton::setMenu(UIMenu* menu)
{
    // The menu is not owned and may be gone already.
    if (m_menu && UIApplication::instance()->contains(m_menu))
        m_menu->hidden.slotDisconnect(this);
    m_menu = menu;
    setCheckable(true);
    if (m_menu)
        m_menu->hidden.connect(this, &UIButton::menuHidden);
}

void UIButton::menuHidden()
{
    setChecked(false);
    m_menuReady = false;
    startTimer(kMenuGuardTimerId, kDefaultInterval);
}

void UIButton::timerEvent(UIEvent* event)
{
    if (static_cast<UICustomEvent*>(event)->code() != kMenuGuardTimerId)
        return;
    killTimer(kMenuGuardTimerId);
    m_menuReady = true;
}

UIStyleNames UIButton::styleNames()
{
    return UIStyleNames{String(u"UIButton"), styleFieldNames(kFields),
                        std::vector<String>(std::begin(kBackgrounds), std::end(kBackgrounds))};
}

void UIButton::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

void UIButton::setSkinImage(const UISkinImage& image, const String& name)
{
    if (name == String(kBackgrounds[0]))
        m_style.background = image;
}

void UIButton::setFlat(bool on)
{
    m_flat = on;
    setMinimumSize(1, 1);
}

void UIButton::setColorVariant(int variant)
{
    const bool changed = variant != m_colorVariant;
    m_colorVariant = variant;
    if (!changed || variant < 0 || variant >= kVariantCount)
        return;
    const UITheme* theme = UIApplication::instance()->theme();
    m_style.background = theme ? theme->skinImage(String(kBackgrounds[variant])) : UISkinImage();
    m_style.foreground = Pen(Color(kVariants[variant].foreground));
    m_style.shadowForeground = Pen(Color(kVariants[variant].shadow));
}

Size UIButton::sizeHint() const
{
    const Size words =
        text().isEmpty() ? Size(0, 0) : FontMetrics(m_style.font, nullptr).textSize(text(), false);
    Size hint = words;
    if (!m_icon.isNull()) {
        const Size icon = m_icon.maxSize();
        const int spacing = m_style.iconAndTextSpacing;
        if (text().isEmpty())
            hint = icon;
        else if (iconBeside(m_iconPosition))
            hint = Size(icon.width + spacing + words.width, std::max(icon.height, words.height));
        else if (iconAbove(m_iconPosition))
            hint = Size(std::max(icon.width, words.width), icon.height + spacing + words.height);
        else
            hint = Size(0, 0);
    }
    if (!m_flat) {
        hint.width += m_style.padding.left + m_style.padding.right;
        hint.height += m_style.padding.top + m_style.padding.bottom;
    }
    return hint;
}

bool UIButton::isDown() const
{
    return isMouseDown() && isHovered();
}

int UIButton::backgroundFrame() const
{
    if (!isEnabled())
        return kDisabledFrame;
    if (isCheckable() && isChecked())
        return kCheckedFrame;
    if (isDown())
        return kPressedFrame;
    return isMouseDown() || isHovered() ? kHoveredFrame : kNormalFrame;
}

int UIButton::iconState() const
{
    if (!isEnabled())
        return 1;
    if (isCheckable() && isChecked())
        return 3;
    if (isHovered())
        return isMouseDown() ? 3 : 2;
    return 0;
}

void UIButton::draw(Painter& painter) const
{
    Rect r = rect();
    if (!m_flat)
        m_style.background.draw(painter, r, backgroundFrame(), UISkinImage::kAllCells);
    if (!m_flat && (isMouseDown() || (isCheckable() && isChecked())))
        r = movedBy(r, m_style.downOffset);
    const int state = iconState();
    const UIMargins& padding = m_style.padding;
    const int spacing = m_style.iconAndTextSpacing;
    if (m_icon.isNull()) {
        if (!text().isEmpty())
            drawText(painter, r, textAlignment());
        return;
    }
    if (text().isEmpty()) {
        m_icon.draw(painter, r, 48, state);
        return;
    }
    if (iconBeside(m_iconPosition)) {
        if (!m_flat) {
            r.x += padding.left;
            r.width -= padding.left;
        }
        m_icon.draw(painter, r, 17, state);
        const int shift = m_icon.width() + spacing;
        drawText(painter, Rect(r.x + shift, r.y, r.width - shift, r.height), 17);
    } else if (iconAbove(m_iconPosition)) {
        if (!m_flat) {
            r.y += padding.top;
            r.height -= padding.top;
        }
        m_icon.draw(painter, r, 36, state);
        const int shift = m_icon.height() + spacing;
        drawText(painter, Rect(r.x, r.y + shift, r.width, r.height - shift), 36);
    }
}

void UIButton::drawText(Painter& painter, const Rect& rect, uint32_t alignment) const
{
    painter.setFont(m_style.font);
    if (!isEnabled()) {
        painter.setPen(m_style.disabledForeground);
        painter.drawText(text(), rect, alignment, 0, true, nullptr);
        return;
    }
    const bool checked = isCheckable() && isChecked();
    const Pen& textPen = checked ? m_style.shadowForeground : m_style.foreground;
    const Pen& shadowPen = checked ? m_style.foreground : m_style.shadowForeground;
    const Point offset =
        checked ? Point(-m_style.shadowOffset.x, -m_style.shadowOffset.y) : m_style.shadowOffset;
    painter.setPen(shadowPen);
    painter.drawText(text(), movedBy(rect, offset), alignment, 0, true, nullptr);
    painter.setPen(textPen);
    painter.drawText(text(), rect, alignment, 0, true, nullptr);
}

void UIButton::mousePressEvent(UIEvent*)
{
    update();
    if (!m_menu || !isEnabled() || !m_menuReady)
        return;
    setChecked(true);
    m_menu->popup(mapToGlobal(Point(0, height())));
}

void UIButton::mouseReleaseEvent(UIEvent*)
{
    update();
}

void UIButton::mouseEnterEvent(UIEvent*)
{
    update();
}

void UIButton::mouseLeaveEvent(UIEvent*)
{
    update();
}

void UIButton::clickEvent(UIEvent* event)
{
    // With a menu the check shows that the menu is open; the click that ends
    // the press which opened it must not take it away.
    if (isCheckable() && !m_menu)
        setChecked(!isChecked());
    UIAbstractButton::clickEvent(event);
}

void UIButton::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}
