#include "ui/widgets/edit/UIEditMenu.h"

#include "ui/widgets/UITranslate.h"
#include "ui/widgets/menus/UIMenu.h"

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
            menu->setItemText(i, uiTranslate(texts[i], context));
    }
}
