#pragma once

#include "ui/core/widget/UIWidget.h"

// One of a splitter's areas: a plain container for the caller's widgets,
// laid out again whenever the splitter gives it a new size.
class UISplitterPanel : public UIWidget
{
public:
    explicit UISplitterPanel(UIWidget* parent);

protected:
    void resizeEvent(UIEvent* event) override;
};
