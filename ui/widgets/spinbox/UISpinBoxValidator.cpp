#include "ui/widgets/spinbox/UISpinBoxValidator.h"

#include "ui/widgets/spinbox/UISpinBox.h"

UISpinBoxValidator::UISpinBoxValidator(const UISpinBox* spinBox)
    : UIValidator(String(u"spinbox")), m_spinBox(spinBox)
{
}

int UISpinBoxValidator::validate(String& text, int& position) const
{
    const String& special = m_spinBox->specialValueText();
    if (!special.isEmpty() && text == special)
        return kAcceptable;
    if (!prefix().isEmpty() && !text.startsWith(prefix(), String::kCaseSensitive)) {
        text = prefix() + text;
        position += prefix().length();
    }
    if (!suffix().isEmpty() && !text.endsWith(suffix(), String::kCaseSensitive))
        text = text + suffix();
    return m_spinBox->validate(text, position);
}
