#pragma once

#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"

// One page of a stack: a plain container that fills the stack and paints
// nothing of its own.
class UIStackPage : public UIWidget
{
public:
    explicit UIStackPage(UIWidget* parent);

    static UIStyleNames styleNames();
};
