#include "ui/widgets/decorative/UILine.h"

#include "graphics/paint/Painter.h"

namespace {

const char16_t* const kBackgroundName = u"UILine_Background";

} // namespace

UILine::UILine(UIWidget* parent) : UIWidget(parent)
{
    setStyleName(String(u"UILine"));
    setFlag(kTransparent, true);
    setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kFixed);
}

UIStyleNames UILine::styleNames()
{
    return UIStyleNames{String(u"UILine"), {}, {String(kBackgroundName)}};
}

void UILine::setSkinImage(const UISkinImage& image, const String& name)
{
    if (name == String(kBackgroundName))
        m_background = image;
}

void UILine::draw(Painter& painter) const
{
    m_background.draw(painter, rect(), 0, UISkinImage::kAllCells);
}

void UILine::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}
