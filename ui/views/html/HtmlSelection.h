#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/text/String.h"
#include "ui/views/html/HtmlPaintItem.h"

#include <vector>

// A place between two characters of the laid-out text: the index of a text
// item of the page's paint items and the number of its characters before it.
struct HtmlTextPosition
{
    int item = -1;
    int offset = 0;

    bool isValid() const { return item >= 0; }
    bool operator==(const HtmlTextPosition& other) const
    {
        return item == other.item && offset == other.offset;
    }
    bool operator!=(const HtmlTextPosition& other) const { return !(*this == other); }
    bool operator<(const HtmlTextPosition& other) const
    {
        return item < other.item || (item == other.item && offset < other.offset);
    }
};

// The text the user marked on a page, from where the marking began (the
// anchor) to where it is now (the focus), over the text items as the layout
// placed them. Items of one line join directly; a new line starts a new line
// of the copied text.
class HtmlSelection
{
public:
    enum Direction
    {
        kLeft,
        kRight,
        kUp,
        kDown
    };

    explicit HtmlSelection(const std::vector<HtmlPaintItem>& items) : m_items(items) {}

    void clear() { m_anchor = m_focus = HtmlTextPosition(); }
    bool isEmpty() const { return !m_anchor.isValid() || m_anchor == m_focus; }
    const HtmlTextPosition& anchor() const { return m_anchor; }
    const HtmlTextPosition& focus() const { return m_focus; }

    // A press begins a marking at the text nearest the document point; a drag
    // moves its focus there.
    void startAt(const Point& point);
    void extendTo(const Point& point);
    // Moves the focus one character or one line; without a marking it starts
    // at the first text item at or below top. False when nothing moved.
    bool extend(Direction direction, int top);

    String text() const;
    // The characters of item index that are marked, [from, to); false when
    // none are.
    bool markedRange(int index, int& from, int& to) const;
    // The x of a position, in document pixels.
    int xOf(const HtmlTextPosition& position) const;

private:
    HtmlTextPosition nearest(const Point& point) const;
    // The position of the item whose x is nearest to x.
    HtmlTextPosition nearestInItem(int index, int x) const;
    HtmlTextPosition nearestOnLine(int lineItem, int x) const;
    HtmlTextPosition stepped(const HtmlTextPosition& from, Direction direction) const;
    bool isText(int index) const;
    int textLength(int index) const;
    // The first text item of the line after (or before) the line of index.
    int otherLine(int index, int step) const;
    bool sameLine(int a, int b) const;

    const std::vector<HtmlPaintItem>& m_items;
    HtmlTextPosition m_anchor;
    HtmlTextPosition m_focus;
};
