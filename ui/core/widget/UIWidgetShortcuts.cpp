#include "ui/core/widget/UIWidget.h"

#include "ui/core/platform/UIWindowUtils.h"
#include "ui/core/widget/UIWidgetPrivate.h"

namespace {

bool hasId(const List<HotKeyShortcut>& shortcuts, int id)
{
    for (const HotKeyShortcut& shortcut : shortcuts) {
        if (shortcut.id() == id)
            return true;
    }
    return false;
}

} // namespace

bool UIWidget::registerShortcut(const HotKeyShortcut& shortcut)
{
    void* handle = nativeHandle();
    if (!handle || !shortcut.isValid() || hasId(d->shortcuts, shortcut.id()))
        return false;
    if (!UIWindowUtils::registerHotKey(handle, shortcut))
        return false;
    d->shortcuts.append(shortcut);
    return true;
}

// Only a window that registered something is asked for its handle: asking
// makes the system window of one that has none yet.
void UIWidget::unregisterShortcut(int id)
{
    for (auto* node = d->shortcuts.first(); node; node = node->next) {
        if (node->value.id() == id) {
            UIWindowUtils::unregisterHotKey(nativeHandle(), id);
            d->shortcuts.erase(node);
            return;
        }
    }
}

const List<HotKeyShortcut>& UIWidget::shortcuts() const
{
    return d->shortcuts;
}

void UIWidget::unregisterAllShortcuts()
{
    if (d->shortcuts.isEmpty())
        return;
    void* handle = nativeHandle();
    for (const HotKeyShortcut& shortcut : d->shortcuts)
        UIWindowUtils::unregisterHotKey(handle, shortcut.id());
    d->shortcuts.clear();
}
