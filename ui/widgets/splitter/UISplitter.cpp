#include "ui/widgets/splitter/UISplitter.h"

#include "graphics/paint/Painter.h"
#include "ui/widgets/splitter/UISplitterPanel.h"
#include "ui/widgets/splitter/UISplitterSeparator.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr float kShare = 100.0f;
constexpr float kSnap = 1e-5f;

// Rounding noise near the ends would leave a panel a hair's share.
float snapped(float stretch)
{
    if (std::fabs(stretch) < kSnap)
        return 0.0f;
    if (std::fabs(stretch - kShare) < kSnap)
        return kShare;
    return stretch;
}

template <class T> T* nodeValue(const List<T*>& list, int index)
{
    typename List<T*>::Node* node = list.nodeAt(index);
    return node ? node->value : nullptr;
}

template <class T> List<T*> reversed(const List<T*>& list)
{
    List<T*> result;
    for (typename List<T*>::Node* node = list.last(); node; node = node->prev)
        result.append(node->value);
    return result;
}

} // namespace

UISplitter::UISplitter(int panelCount, bool vertical, UIWidget* parent) : UIWidget(parent)
{
    setStyleName(String(u"UISplitter"));
    // Its default brush paints nothing: it shows the window beneath it until
    // it is given one that does.
    setFlag(kTransparent, !m_background.isVisible());
    setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kPreferred);
    for (int i = 0; i < panelCount; ++i) {
        auto* panel = new UISplitterPanel(this);
        panel->show();
        m_panels.append(panel);
        if (i + 1 < panelCount) {
            auto* separator = new UISplitterSeparator(i, !vertical, this);
            separator->show();
            m_separators.append(separator);
        }
    }
    setVertical(vertical);
}

UIStyleNames UISplitter::styleNames()
{
    return UIStyleNames{String(u"UISplitter"), {}, {}};
}

void UISplitter::setVertical(bool vertical)
{
    m_vertical = vertical;
    setVerticalFlow(vertical ? 1 : 0);
    for (UISplitterSeparator* separator : m_separators)
        separator->setAcrossColumns(!vertical);
    const float share = m_panels.isEmpty() ? 0.0f : kShare / float(m_panels.count());
    for (UISplitterPanel* panel : m_panels)
        setStretchAt(childIndex(panel), share);
    relayout();
}

UISplitterPanel* UISplitter::panel(int index) const
{
    return nodeValue(m_panels, index);
}

UISplitterSeparator* UISplitter::separator(int index) const
{
    return nodeValue(m_separators, index);
}

void UISplitter::reverse()
{
    const bool updates = updatesEnabled();
    setUpdatesEnabled(false);
    std::vector<UIWidget*> order;
    std::vector<float> stretches;
    for (UIWidget* child : children()) {
        stretches.push_back(stretchAt(int(order.size())));
        order.push_back(child);
    }
    // Re-adding from the last child to the first reverses the child list;
    // each panel takes its share along.
    for (size_t i = order.size(); i-- > 0;) {
        order[i]->setParent(nullptr);
        order[i]->setParent(this);
        setStretchAt(int(order.size() - 1 - i), stretches[i]);
    }
    m_panels = reversed(m_panels);
    m_separators = reversed(m_separators);
    int index = 0;
    for (UISplitterSeparator* separator : m_separators)
        separator->setIndex(index++);
    update();
    setUpdatesEnabled(updates);
    relayout();
}

void UISplitter::setSeparatorThickness(int index, int thickness)
{
    if (UISplitterSeparator* item = separator(index))
        item->setThickness(thickness);
}

int UISplitter::separatorThickness(int index) const
{
    const UISplitterSeparator* item = separator(index);
    return item ? item->thickness() : 0;
}

int UISplitter::separatorPosition(int index) const
{
    const UISplitterSeparator* item = separator(index);
    return item ? positionOf(item) : 0;
}

float UISplitter::stretchOf(const UIWidget* child) const
{
    const int index = childIndex(child);
    return index < 0 ? 0.0f : stretchAt(index);
}

bool UISplitter::moveSeparator(int index, int position)
{
    const UISplitterSeparator* moved = separator(index);
    const int c = moved ? childIndex(moved) : -1;
    UIWidget* before = c > 0 ? childAtIndex(c - 1) : nullptr;
    UIWidget* after = c >= 0 ? childAtIndex(c + 1) : nullptr;
    if (!before || !after)
        return false;
    int available = m_vertical ? height() : width();
    float otherStretch = 0.0f;
    int line = 0;
    for (UIWidget* child : children()) {
        if (child != before && child != after) {
            available -= lengthOf(child);
            otherStretch += stretchAt(line);
        }
        ++line;
    }
    const Size beforeHint = before->effectiveSizeHint();
    const Size afterHint = after->effectiveSizeHint();
    const int beforeMinimum = m_vertical ? beforeHint.height : beforeHint.width;
    const int afterMinimum = m_vertical ? afterHint.height : afterHint.width;
    const int free = available - (beforeMinimum + afterMinimum);
    if (free < 1)
        return false;
    position = std::min(std::max(position, positionOf(before)), positionOf(after) + lengthOf(after));
    const int p =
        std::min(std::max(position - moved->thickness() / 2 - beforeMinimum - positionOf(before), 0), free);
    const float shared = kShare - otherStretch;
    const float stretchBefore = snapped(float(p) * shared / float(free));
    const float stretchAfter = snapped(shared - stretchBefore);
    if (stretchBefore == stretchAt(c - 1) && stretchAfter == stretchAt(c + 1))
        return false;
    setStretchAt(c - 1, stretchBefore);
    setStretchAt(c + 1, stretchAfter);
    relayout();
    return true;
}

void UISplitter::setBackground(const Brush& brush)
{
    m_background = brush;
    setFlag(kTransparent, !m_background.isVisible());
}

void UISplitter::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}

void UISplitter::draw(Painter& painter) const
{
    if (m_background.isVisible())
        painter.fillRect(rect(), m_background);
}

int UISplitter::childIndex(const UIWidget* child) const
{
    int index = 0;
    for (const UIWidget* candidate : children()) {
        if (candidate == child)
            return index;
        ++index;
    }
    return -1;
}

float UISplitter::stretchAt(int line) const
{
    return m_vertical ? rowStretch(line) : columnStretch(line);
}

void UISplitter::setStretchAt(int line, float stretch)
{
    if (m_vertical)
        setRowStretch(line, stretch);
    else
        setColumnStretch(line, stretch);
}

int UISplitter::lengthOf(const UIWidget* widget) const
{
    return m_vertical ? widget->height() : widget->width();
}

int UISplitter::positionOf(const UIWidget* widget) const
{
    return m_vertical ? widget->y() : widget->x();
}
