#include "ui/widgets/decorative/UIStackPage.h"

UIStackPage::UIStackPage(UIWidget* parent) : UIWidget(parent)
{
    setStyleName(String(u"UIStackPage"));
    setFlag(kTransparent, true);
    setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kPreferred);
}

UIStyleNames UIStackPage::styleNames()
{
    return UIStyleNames{String(u"UIStackPage"), {}, {}};
}
