#include "ui/widgets/buttons/UIAbstractButton.h"

#include "ui/core/events/UIKeyEvent.h"

UIAbstractButton::UIAbstractButton(UIWidget* parent) : UIWidget(parent)
{
    setSizePolicy(UISizePolicy::kFixed, UISizePolicy::kFixed);
}

void UIAbstractButton::setText(const String& text)
{
    if (text == m_text)
        return;
    m_text = text;
    relayout();
    update();
}

void UIAbstractButton::setTextAlignment(uint32_t alignment)
{
    if (alignment == m_textAlignment)
        return;
    m_textAlignment = alignment;
    update();
}

void UIAbstractButton::setChecked(bool on)
{
    if (!m_checkable || on == m_checked)
        return;
    m_checked = on;
    update();
}

void UIAbstractButton::keyPressEvent(UIEvent* event)
{
    if (isClickKey(static_cast<UIKeyEvent*>(event)->key()))
        clicked.emit();
}

void UIAbstractButton::clickEvent(UIEvent*)
{
    clicked.emit();
}
