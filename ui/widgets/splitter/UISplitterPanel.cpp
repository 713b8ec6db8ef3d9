#include "ui/widgets/splitter/UISplitterPanel.h"

UISplitterPanel::UISplitterPanel(UIWidget* parent) : UIWidget(parent)
{
    setStyleName(String(u"UISplitterPanel"));
    setFlag(kTransparent, true);
    setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kPreferred);
}

UIStyleNames UISplitterPanel::styleNames()
{
    return UIStyleNames{String(u"UISplitterPanel"), {}, {}};
}

void UISplitterPanel::resizeEvent(UIEvent*)
{
    relayout();
}
