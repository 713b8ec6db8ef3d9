#include "ui/widgets/scroll/UIScrollAreaLayout.h"

#include <algorithm>

namespace {

bool shows(int policy, int maximum)
{
    return policy != UIScrollAreaLayout::kWhenNeeded || maximum > 0;
}

} // namespace

UIScrollAreaLayout UIScrollAreaLayout::compute(const Input& in)
{
    UIScrollAreaLayout layout;
    layout.decide(in);
    layout.place(in);
    return layout;
}

void UIScrollAreaLayout::decide(const Input& in)
{
    const Size& s = in.area;
    const Size& v = in.verticalHint;
    const Size& h = in.horizontalHint;
    verticalFits = in.verticalPolicy != kNever && s.width >= v.width && s.height >= h.height + v.height;
    horizontalFits = in.horizontalPolicy != kNever && s.height >= h.height && s.width >= h.width + v.width;
    if (verticalFits && horizontalFits) {
        // Each direction first over the whole area; a bar that shows then
        // takes room from the other direction, which may need its bar too.
        verticalShown = shows(in.verticalPolicy, in.content.height - s.height);
        horizontalShown = shows(in.horizontalPolicy, in.content.width - s.width);
        if (verticalShown && !horizontalShown)
            horizontalShown = shows(in.horizontalPolicy, in.content.width - (s.width - v.width));
        if (horizontalShown && !verticalShown)
            verticalShown = shows(in.verticalPolicy, in.content.height - (s.height - h.height));
        verticalMaximum = std::max(in.content.height - (s.height - (horizontalShown ? h.height : 0)), 0);
        horizontalMaximum = std::max(in.content.width - (s.width - (verticalShown ? v.width : 0)), 0);
        return;
    }
    if (verticalFits) {
        verticalMaximum = std::max(in.content.height - s.height, 0);
        verticalShown = shows(in.verticalPolicy, verticalMaximum);
    } else if (horizontalFits) {
        horizontalMaximum = std::max(in.content.width - s.width, 0);
        horizontalShown = shows(in.horizontalPolicy, horizontalMaximum);
    }
}

void UIScrollAreaLayout::place(const Input& in)
{
    const Size& s = in.area;
    const int barWidth = verticalShown ? in.verticalHint.width : 0;
    const int barHeight = horizontalShown ? in.horizontalHint.height : 0;
    viewport = Rect(0, 0, s.width - barWidth, s.height - barHeight);
    if (verticalShown)
        verticalBar = Rect(viewport.width, 0, barWidth, viewport.height);
    if (horizontalShown)
        horizontalBar = Rect(0, viewport.height, viewport.width, barHeight);
    if (verticalShown && horizontalShown)
        corner = Rect(viewport.width, viewport.height, barWidth, barHeight);
}
