#include "app/window/DialogButtonRow.h"

#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/decorative/UIExpander.h"

UIBox* addButtonRow(UIWidget* parent, const String& firstText, int firstVariant, const String& cancelText,
                    UIButton** first, UIButton** cancel, const ButtonRowPlacement& placement)
{
    auto* row = new UIBox(parent);
    row->setVerticalFlow(0);
    row->setColumnSpan(placement.columnSpan);
    if (placement.flush)
        row->setLayoutMargin(0);
    // Placement goes in before the row is shown: showing lays it out.
    if (placement.topMargin >= 0)
        row->setTopMargin(placement.topMargin);
    row->applyMetricSpacing();
    (new UIExpander(row))->show();
    *first = new UIButton(row);
    (*first)->setText(firstText);
    (*first)->setColorVariant(firstVariant);
    (*first)->show();
    *cancel = new UIButton(row);
    (*cancel)->setText(cancelText);
    (*cancel)->show();
    row->show();
    return row;
}
