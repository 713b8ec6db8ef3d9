#include "app/window/DialogLabel.h"

#include "ui/widgets/labels/UILabel.h"

UILabel* addLabel(UIWidget* parent, const String& text)
{
    auto* label = new UILabel(parent);
    label->setText(text);
    label->show();
    return label;
}
