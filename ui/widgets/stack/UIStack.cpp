#include "ui/widgets/stack/UIStack.h"

#include "ui/widgets/decorative/UIStackPage.h"

#include <algorithm>

UIStack::UIStack(int pageCount, UIWidget* parent) : UIWidget(parent)
{
    setStyleName(String(u"UIStack"));
    setFlag(kTransparent, true);
    setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kPreferred);
    applyMetricMargins();
    for (int i = 0; i < pageCount; ++i)
        m_pages.append(new UIStackPage(this));
}

UIStyleNames UIStack::styleNames()
{
    return UIStyleNames{String(u"UIStack"), {}, {}};
}

void UIStack::setCurrentIndex(int index)
{
    if (index == m_currentIndex || index < -1 || index >= pageCount())
        return;
    for (UIStackPage* page : m_pages)
        page->hide();
    if (index >= 0)
        page(index)->show();
    m_currentIndex = index;
}

UIStackPage* UIStack::page(int index) const
{
    List<UIStackPage*>::Node* node = m_pages.nodeAt(index);
    return node ? node->value : nullptr;
}

Size UIStack::sizeHint() const
{
    Size largest(0, 0);
    for (UIStackPage* page : m_pages) {
        const Size hint = page->effectiveSizeHint();
        largest = Size(std::max(largest.width, hint.width), std::max(largest.height, hint.height));
    }
    const UIMargins& margins = layoutMargins();
    return Size(largest.width + margins.left + margins.right, largest.height + margins.top + margins.bottom);
}
