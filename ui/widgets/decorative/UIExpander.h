#pragma once

#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"

// An invisible widget that takes the free space of its layout row or column
// and lets the mouse through.
class UIExpander : public UIWidget
{
public:
    explicit UIExpander(UIWidget* parent);

    static UIStyleNames styleNames();
};
