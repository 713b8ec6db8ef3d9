#pragma once

#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"

// One of a splitter's areas: a plain container for the caller's widgets,
// laid out again whenever the splitter gives it a new size.
class UISplitterPanel : public UIWidget
{
public:
    explicit UISplitterPanel(UIWidget* parent);

    static UIStyleNames styleNames();

protected:
    void resizeEvent(UIEvent* event) override;
};
