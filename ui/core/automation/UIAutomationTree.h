#pragma once

#include "foundation/containers/List.h"
#include "foundation/data/JsonValue.h"

#include <vector>

struct Size;
class UIWidget;

// The channel's pictures of the widget trees: one JSON object a widget with
// its class, id, text, rectangle on screen, state, entries and children.
// Views of many rows give their row count and only the rows asked for.
class UIAutomationTree
{
public:
    explicit UIAutomationTree(std::vector<int> rows = std::vector<int>(), bool includeHidden = false);

    JsonValue widget(const UIWidget* widget) const;
    // Every top-level window (hidden ones when asked) with its tree.
    JsonValue windows(const List<UIWidget*>& roots) const;
    // The windows alone: title, rectangle, visible, modal, active.
    static JsonValue windowList(const List<UIWidget*>& windows);
    // The global rectangle as [x, y, width, height].
    static JsonValue rectOf(int x, int y, int width, int height);
    // [width, height].
    static JsonValue sizeOf(const Size& size);

private:
    void addItems(const UIWidget* widget, JsonValue& node) const;

    std::vector<int> m_rows;
    bool m_includeHidden;
};
