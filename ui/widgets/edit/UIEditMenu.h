#pragma once

#include "ui/widgets/edit/UIEditMenuItem.h"

class UIMenu;
class UIWidget;

// The context menus of the text widgets: items made from a table of texts
// (an empty text is a separator), shown, hidden and enabled from the item
// states the widget works out, and translated in the widget's context.
class UIEditMenu
{
public:
    // A menu owned by owner, holding one item per text.
    static UIMenu* build(UIWidget* owner, const char16_t* const* texts, int count);
    // States for the menu's items from first on.
    static void apply(UIMenu* menu, const UIEditMenuItem* items, int first, int count);
    static void retranslate(UIMenu* menu, const char16_t* const* texts, int count, const char16_t* context);
};
