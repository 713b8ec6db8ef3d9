#include "ui/widgets/decorative/UISpacer.h"

UISpacer::UISpacer(int width, int height, UIWidget* parent)
    : UIWidget(parent), m_width(width), m_height(height)
{
    setUp(true);
}

UISpacer::UISpacer(int size, UIWidget* parent) : UIWidget(parent), m_width(size), m_height(size)
{
    setUp(false);
}

UIStyleNames UISpacer::styleNames()
{
    return UIStyleNames{String(u"UISpacer"), {}, {}};
}

void UISpacer::setUp(bool mouseTransparent)
{
    setStyleName(String(u"UISpacer"));
    setFlag(kTransparent, true);
    setFlag(kMouseTransparent, mouseTransparent);
    setSizePolicy(UISizePolicy::kFixed, UISizePolicy::kFixed);
}
