#pragma once

#include "ui/widgets/edit/UIValidator.h"

class UISpinBox;

// What a spin box's line edit checks typing with: the special text as it
// is, otherwise the spin box's prefix and suffix put around the text and its
// number check.
class UISpinBoxValidator : public UIValidator
{
public:
    explicit UISpinBoxValidator(const UISpinBox* spinBox);

    int validate(String& text, int& position) const override;

private:
    const UISpinBox* m_spinBox;
};
