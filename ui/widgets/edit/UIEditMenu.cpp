#include "ui/widgets/edit/UIEditMenu.h"

#include "foundation/core/AppCore.h"
#include "ui/widgets/menus/UIMenu.h"

namespace {

// Without an application core (the tools and tests) the text stays.
String translated(const char16_t* text, const char16_t* context)
{
    const AppCore* core = AppCore::instance();
    return core ? core->translate(text, context) : String(text);
}

} // namespace

UIMenu* UIEditMenu::build(UIWidget* owner, const char16_t* const* texts, int count)
{
    auto* menu = new UIMenu(owner);
    for (int i = 0; i < count; ++i) {
        if (texts[i][0] == 0)
            menu->addSeparator();
        else
            menu->addItem(String(texts[i]));
    }
    return menu;
}

void UIEditMenu::apply(UIMenu* menu, const UIEditMenuItem* items, int first, int count)
{
    for (int i = 0; i < count; ++i) {
        menu->setItemVisible(i, items[first + i].shown);
        menu->setItemEnabled(i, items[first + i].enabled);
    }
}

void UIEditMenu::retranslate(UIMenu* menu, const char16_t* const* texts, int count, const char16_t* context)
{
    for (int i = 0; i < count; ++i) {
        if (texts[i][0] != 0)
            menu->setItemText(i, translated(texts[i], context));
    }
}
