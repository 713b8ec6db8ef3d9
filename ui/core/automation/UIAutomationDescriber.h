#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/geometry/Rect.h"
#include "foundation/geometry/Size.h"
#include "foundation/text/String.h"

#include <memory>

class JsonValue;
class UIWidget;

// One entry a widget shows: a menu's item, a tab, a combo box's or list's
// row. The rectangle is in the widget's own coordinates; empty when the
// entry is not on screen.
struct UIAutomationItem
{
    String text;
    Rect rect;
    bool enabled = true;
    bool checked = false;
    bool current = false;
    // The sizes of the entry's small icon and of its larger picture; empty
    // when it has none, so a flow sees an icon that failed to load.
    Size icon;
    Size picture;
    // A separator, a hidden entry: listed, never matched or clicked.
    bool inert = false;
};

// What the automation channel knows of one widget class beyond the widget
// base: its text, its state, its entries. The widget layers register one
// per style name; a class without one is described by the base alone.
class UIAutomationDescriber
{
public:
    virtual ~UIAutomationDescriber() = default;

    // The caption or content; a password field gives its mask.
    virtual String text(const UIWidget*) const { return String(); }
    // Adds what the class knows (checked, current, range, mask ...).
    virtual void describe(const UIWidget*, JsonValue&) const {}
    virtual int itemCount(const UIWidget*) const { return 0; }
    virtual UIAutomationItem item(const UIWidget*, int) const { return UIAutomationItem(); }
    // Views of many rows give their count and the rows asked for, not every
    // entry.
    virtual bool hasRows() const { return false; }
    virtual StringList rowCells(const UIWidget*, int) const { return StringList(); }
    // Scrolls an entry into view before it is clicked.
    virtual void reveal(UIWidget*, int) const {}
    // The part of an entry in that column (a table row's cell), in the
    // widget's coordinates: where a user clicks a row's check box. Empty
    // when the entry has no such column or it is not on screen.
    virtual Rect itemColumn(const UIWidget*, int, int) const { return Rect(); }

    // Replaces the describer of that style name.
    static void registerFor(const String& styleName, std::unique_ptr<UIAutomationDescriber> describer);
    // Null when the widget's class has none.
    static const UIAutomationDescriber* forWidget(const UIWidget* widget);
};
