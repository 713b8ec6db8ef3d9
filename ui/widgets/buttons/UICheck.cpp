#include "ui/widgets/buttons/UICheck.h"

#include "graphics/paint/Painter.h"

#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/widget/UIWidgetGuard.h"

namespace {

const char16_t* const kIndicatorName = u"UICheck_Indicator";
constexpr uint32_t kLeftButton = 1;

} // namespace

UICheck::UICheck(UIWidget* parent) : UIAbstractButton(parent)
{
    m_style.indicatorSize = Size(20, 20);
    m_style.indicatorSpacing = 4;
    setStyleName(String(u"UICheck"));
    setFlag(kButtonFlag, true);
    setFlag(kTransparent, true);
    setFlag(kHoverTracking, true);
    setFocusPolicy(kTabFocus | kClickFocus);
    setCheckable(true);
}

UIStyleNames UICheck::styleNames()
{
    return UIStyleNames{String(u"UICheck"), UIIndicatorStyle::propertyNames(), {String(kIndicatorName)}};
}

Size UICheck::sizeHint() const
{
    return m_style.sizeHint(text(), false);
}

void UICheck::setStyleProperty(const String& name, const String& value)
{
    m_style.setProperty(name, value);
}

void UICheck::setSkinImage(const UISkinImage& image, const String& name)
{
    if (name == String(kIndicatorName))
        m_style.indicator = image;
}

void UICheck::setChecked(bool on)
{
    const bool wasChecked = isChecked();
    const bool wasPartial = m_partial;
    m_partial = false;
    UIAbstractButton::setChecked(on);
    if (isChecked() == wasChecked && !wasPartial)
        return;
    // The base repaints its own change; leaving the partial state is ours.
    if (isChecked() == wasChecked)
        update();
    toggled.emit();
}

int UICheck::checkState() const
{
    if (m_partial)
        return kPartial;
    return isChecked() ? kChecked : kUnchecked;
}

void UICheck::setCheckState(int state)
{
    const bool wasChecked = isChecked();
    const bool wasPartial = m_partial;
    m_partial = state == kPartial;
    UIAbstractButton::setChecked(state == kChecked);
    if (isChecked() == wasChecked && m_partial == wasPartial)
        return;
    if (isChecked() == wasChecked)
        update();
    toggled.emit();
}

int UICheck::indicatorFrame() const
{
    const int kind = m_partial ? 2 : (isChecked() ? 1 : 0);
    return UIIndicatorStyle::stateFrame(*this) + 4 * kind;
}

void UICheck::draw(Painter& painter) const
{
    m_style.draw(painter, *this, indicatorFrame());
}

bool UICheck::toggleByUser()
{
    UIWidgetGuard guard(this);
    setChecked(!isChecked());
    if (guard.isAlive())
        toggled.emit();
    return guard.isAlive();
}

void UICheck::keyPressEvent(UIEvent* event)
{
    if (isClickKey(static_cast<UIKeyEvent*>(event)->key()) && !toggleByUser())
        return;
    UIAbstractButton::keyPressEvent(event);
}

void UICheck::clickEvent(UIEvent* event)
{
    if (static_cast<UIMouseEvent*>(event)->button() == kLeftButton && !toggleByUser())
        return;
    UIAbstractButton::clickEvent(event);
}

void UICheck::mousePressEvent(UIEvent*)
{
    update();
}

void UICheck::mouseReleaseEvent(UIEvent*)
{
    update();
}

void UICheck::mouseEnterEvent(UIEvent*)
{
    update();
}

void UICheck::mouseLeaveEvent(UIEvent*)
{
    update();
}

void UICheck::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}
