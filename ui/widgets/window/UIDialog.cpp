#include "ui/widgets/window/UIDialog.h"

#include "ui/core/events/UICustomEvent.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/widgets/buttons/UIButton.h"

namespace {

UIButton* asDefaultButton(UIWidget* widget)
{
    if (widget->styleName() != String(u"UIButton"))
        return nullptr;
    auto* button = static_cast<UIButton*>(widget);
    return button->isDefault() && button->isVisible() && button->isEnabled() ? button : nullptr;
}

} // namespace

UIDialog::UIDialog(UIWidget* parent, uint32_t windowFlags) : UIWindow(parent, windowFlags)
{
    setPlacement(48);
    setModal(true);
}

UIDialog::~UIDialog()
{
    killTimer(kDefaultButtonTimerId);
}

void UIDialog::done(int result)
{
    m_result = result;
    close();
}

UIButton* UIDialog::defaultButton() const
{
    for (UIWidget* child : children()) {
        if (child->styleName() == String(u"UIButton")) {
            if (UIButton* found = asDefaultButton(child))
                return found;
            continue;
        }
        for (UIWidget* grandChild : child->children()) {
            if (UIButton* found = asDefaultButton(grandChild))
                return found;
        }
    }
    return nullptr;
}

void UIDialog::keyPressEvent(UIEvent* event)
{
    if (static_cast<UIKeyEvent*>(event)->key() == kEscapeKey)
        reject();
}

void UIDialog::showEvent(UIEvent*)
{
    if (snapsToDefaultButton())
        startTimer(kDefaultButtonTimerId, kDefaultInterval);
}

void UIDialog::timerEvent(UIEvent* event)
{
    if (static_cast<UICustomEvent*>(event)->code() != kDefaultButtonTimerId)
        return;
    killTimer(kDefaultButtonTimerId);
    const UIButton* button = defaultButton();
    if (!button)
        return;
    const int width = button->width();
    const int height = button->height();
    moveCursorTo(button->mapToGlobal(Point(width - width / 3, height - height / 3)));
}

void UIDialog::closeEvent(UIEvent*)
{
    killTimer(kDefaultButtonTimerId);
}
