#include "ui/widgets/decorative/UIExpander.h"

UIExpander::UIExpander(UIWidget* parent) : UIWidget(parent)
{
    setStyleName(String(u"UIExpander"));
    setFlag(kTransparent, true);
    setFlag(kMouseTransparent, true);
    setSizePolicy(UISizePolicy::kExpanding, UISizePolicy::kExpanding);
}

UIStyleNames UIExpander::styleNames()
{
    return UIStyleNames{String(u"UIExpander"), {}, {}};
}
