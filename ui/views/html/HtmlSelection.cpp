#include "ui/views/html/HtmlSelection.h"

#include "ui/views/html/HtmlFontMetrics.h"
#include "ui/views/html/HtmlNode.h"
#include "ui/views/html/HtmlStyle.h"

#include <climits>
#include <cstdlib>

namespace {

// How far a value lies outside [from, from + length); 0 inside.
int distanceOutside(int value, int from, int length)
{
    if (value < from)
        return from - value;
    if (value >= from + length)
        return value - (from + length) + 1;
    return 0;
}

} // namespace

bool HtmlSelection::isText(int index) const
{
    return index >= 0 && index < static_cast<int>(m_items.size()) &&
           m_items[static_cast<size_t>(index)].kind == HtmlPaintItem::kText;
}

int HtmlSelection::textLength(int index) const
{
    return m_items[static_cast<size_t>(index)].text.length();
}

bool HtmlSelection::sameLine(int a, int b) const
{
    const Rect& first = m_items[static_cast<size_t>(a)].rect;
    const Rect& second = m_items[static_cast<size_t>(b)].rect;
    return first.y < second.y + second.height && second.y < first.y + first.height;
}

int HtmlSelection::xOf(const HtmlTextPosition& position) const
{
    if (!isText(position.item))
        return 0;
    const HtmlPaintItem& item = m_items[static_cast<size_t>(position.item)];
    const HtmlFontMetrics* metrics = item.node ? item.node->effectiveStyle().metrics : nullptr;
    if (!metrics) {
        const int length = item.text.length();
        return item.rect.x + (length > 0 ? item.rect.width * position.offset / length : 0);
    }
    return item.rect.x + metrics->advance(item.text.data(), position.offset);
}

HtmlTextPosition HtmlSelection::nearestInItem(int index, int x) const
{
    HtmlTextPosition best{index, 0};
    int bestDistance = INT_MAX;
    for (int offset = 0; offset <= textLength(index); ++offset) {
        const int distance = std::abs(xOf(HtmlTextPosition{index, offset}) - x);
        if (distance < bestDistance) {
            bestDistance = distance;
            best.offset = offset;
        }
    }
    return best;
}

HtmlTextPosition HtmlSelection::nearest(const Point& point) const
{
    int best = -1;
    int bestDy = INT_MAX;
    int bestDx = INT_MAX;
    for (int i = 0; i < static_cast<int>(m_items.size()); ++i) {
        if (!isText(i))
            continue;
        const Rect& rect = m_items[static_cast<size_t>(i)].rect;
        const int dy = distanceOutside(point.y, rect.y, rect.height);
        const int dx = distanceOutside(point.x, rect.x, rect.width);
        if (dy < bestDy || (dy == bestDy && dx < bestDx)) {
            best = i;
            bestDy = dy;
            bestDx = dx;
        }
    }
    return best < 0 ? HtmlTextPosition() : nearestInItem(best, point.x);
}

HtmlTextPosition HtmlSelection::nearestOnLine(int lineItem, int x) const
{
    int best = lineItem;
    int bestDx = INT_MAX;
    for (int i = 0; i < static_cast<int>(m_items.size()); ++i) {
        if (!isText(i) || !sameLine(i, lineItem))
            continue;
        const Rect& rect = m_items[static_cast<size_t>(i)].rect;
        const int dx = distanceOutside(x, rect.x, rect.width);
        if (dx < bestDx) {
            best = i;
            bestDx = dx;
        }
    }
    return nearestInItem(best, x);
}

void HtmlSelection::startAt(const Point& point)
{
    m_anchor = m_focus = nearest(point);
}

void HtmlSelection::extendTo(const Point& point)
{
    if (!m_anchor.isValid())
        return;
    const HtmlTextPosition position = nearest(point);
    if (position.isValid())
        m_focus = position;
}

int HtmlSelection::otherLine(int index, int step) const
{
    for (int i = index + step; i >= 0 && i < static_cast<int>(m_items.size()); i += step) {
        if (isText(i) && !sameLine(i, index))
            return i;
    }
    return -1;
}

HtmlTextPosition HtmlSelection::stepped(const HtmlTextPosition& from, Direction direction) const
{
    HtmlTextPosition to = from;
    const int step = direction == kLeft || direction == kUp ? -1 : 1;
    if (direction == kUp || direction == kDown) {
        const int line = otherLine(from.item, step);
        return line < 0 ? from : nearestOnLine(line, xOf(from));
    }
    const int length = textLength(from.item);
    if ((step < 0 && from.offset > 0) || (step > 0 && from.offset < length)) {
        to.offset += step;
        return to;
    }
    int next = from.item + step;
    while (next >= 0 && next < static_cast<int>(m_items.size()) && !isText(next))
        next += step;
    if (!isText(next))
        return from;
    to.item = next;
    // The end of one item of a line is the start of the next: the step goes
    // past a character. A line break is a step of its own.
    const bool sameRow = sameLine(next, from.item);
    if (step < 0)
        to.offset = textLength(next) - (sameRow && textLength(next) > 0 ? 1 : 0);
    else
        to.offset = sameRow && textLength(next) > 0 ? 1 : 0;
    return to;
}

bool HtmlSelection::extend(Direction direction, int top)
{
    if (!m_anchor.isValid()) {
        for (int i = 0; i < static_cast<int>(m_items.size()) && !m_anchor.isValid(); ++i) {
            const Rect& rect = m_items[static_cast<size_t>(i)].rect;
            if (isText(i) && rect.y + rect.height > top)
                m_anchor = m_focus = HtmlTextPosition{i, 0};
        }
        if (!m_anchor.isValid())
            return false;
    }
    const HtmlTextPosition moved = stepped(m_focus, direction);
    if (moved == m_focus)
        return false;
    m_focus = moved;
    return true;
}

bool HtmlSelection::markedRange(int index, int& from, int& to) const
{
    if (isEmpty() || !isText(index))
        return false;
    const HtmlTextPosition& begin = m_focus < m_anchor ? m_focus : m_anchor;
    const HtmlTextPosition& end = m_focus < m_anchor ? m_anchor : m_focus;
    if (index < begin.item || index > end.item)
        return false;
    from = index == begin.item ? begin.offset : 0;
    to = index == end.item ? end.offset : textLength(index);
    return from < to;
}

String HtmlSelection::text() const
{
    String marked;
    if (isEmpty())
        return marked;
    const int last = m_focus < m_anchor ? m_anchor.item : m_focus.item;
    int previous = -1;
    for (int i = m_focus < m_anchor ? m_focus.item : m_anchor.item; i <= last; ++i) {
        int from = 0;
        int to = 0;
        if (!markedRange(i, from, to))
            continue;
        if (previous >= 0 && !sameLine(previous, i))
            marked += u"\r\n";
        marked += m_items[static_cast<size_t>(i)].text.mid(from, to - from);
        previous = i;
    }
    return marked;
}
