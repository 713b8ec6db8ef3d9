#include "ui/widgets/buttons/UIRadio.h"

#include "graphics/paint/Painter.h"

#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/widget/UIWidgetGuard.h"

#include <deque>

namespace {

const char16_t* const kIndicatorName = u"UIRadio_Indicator";
constexpr uint32_t kLeftButton = 1;

} // namespace

UIRadio::UIRadio(UIWidget* parent) : UIAbstractButton(parent)
{
    setStyleName(String(u"UIRadio"));
    setFlag(kButtonFlag, true);
    setFlag(kTransparent, true);
    setFlag(kHoverTracking, true);
    setFocusPolicy(kTabFocus | kClickFocus);
    setCheckable(true);
    allRadios().append(this);
}

UIRadio::~UIRadio()
{
    allRadios().removeOne(this);
}

List<UIRadio*>& UIRadio::allRadios()
{
    static List<UIRadio*> radios;
    return radios;
}

UIStyleNames UIRadio::styleNames()
{
    return UIStyleNames{String(u"UIRadio"), UIIndicatorStyle::propertyNames(), {String(kIndicatorName)}};
}

Size UIRadio::sizeHint() const
{
    return m_style.sizeHint(text(), true);
}

void UIRadio::setStyleProperty(const String& name, const String& value)
{
    m_style.setProperty(name, value);
}

void UIRadio::setSkinImage(const UISkinImage& image, const String& name)
{
    if (name == String(kIndicatorName))
        m_style.indicator = image;
}

bool UIRadio::isInGroupOf(const UIRadio* other) const
{
    if (other->m_group != kNoGroup)
        return m_group == other->m_group;
    return m_group == kNoGroup && parentWidget() && parentWidget() == other->parentWidget() &&
           styleName() == other->styleName();
}

List<UIRadio*> UIRadio::uncheckOthers()
{
    // Collected first: a toggled slot may check or delete radios.
    List<UIRadio*> checked;
    for (UIRadio* radio : allRadios()) {
        if (radio != this && radio->isChecked() && radio->isInGroupOf(this))
            checked.append(radio);
    }
    std::deque<UIWidgetGuard> guards;
    for (UIRadio* radio : checked)
        guards.emplace_back(radio);
    List<UIRadio*> unchecked;
    for (const UIWidgetGuard& guard : guards) {
        if (!guard.isAlive())
            continue;
        auto* radio = static_cast<UIRadio*>(guard.widget());
        radio->setChecked(false);
        unchecked.append(radio);
    }
    return unchecked;
}

void UIRadio::setChecked(bool on)
{
    if (on == isChecked())
        return;
    UIWidgetGuard guard(this);
    if (!on) {
        UIAbstractButton::setChecked(false);
        toggled.emit();
        return;
    }
    const List<UIRadio*> others = uncheckOthers();
    std::deque<UIWidgetGuard> otherGuards;
    for (UIRadio* radio : others)
        otherGuards.emplace_back(radio);
    if (!guard.isAlive())
        return;
    UIAbstractButton::setChecked(true);
    toggled.emit();
    if (!guard.isAlive())
        return;
    groupChanged.emit();
    for (const UIWidgetGuard& other : otherGuards) {
        if (other.isAlive())
            static_cast<UIRadio*>(other.widget())->groupChanged.emit();
    }
}

int UIRadio::indicatorFrame() const
{
    return UIIndicatorStyle::stateFrame(*this) + (isChecked() ? 4 : 0);
}

void UIRadio::draw(Painter& painter) const
{
    m_style.draw(painter, *this, indicatorFrame());
}

void UIRadio::clickEvent(UIEvent* event)
{
    UIWidgetGuard guard(this);
    if (static_cast<UIMouseEvent*>(event)->button() == kLeftButton && !isChecked())
        setChecked(true);
    if (guard.isAlive())
        UIAbstractButton::clickEvent(event);
}

void UIRadio::mousePressEvent(UIEvent*)
{
    update();
}

void UIRadio::mouseReleaseEvent(UIEvent*)
{
    update();
}

void UIRadio::mouseEnterEvent(UIEvent*)
{
    update();
}

void UIRadio::mouseLeaveEvent(UIEvent*)
{
    update();
}

void UIRadio::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}
