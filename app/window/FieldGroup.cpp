#include "app/window/FieldGroup.h"

#include "ui/widgets/group/UIGroup.h"

namespace {

const int kColumns = 2;
const int kFieldColumn = 1;

} // namespace

UIGroup* makeFieldGroup(UIWidget* parent)
{
    auto* group = new UIGroup(parent);
    group->setVerticalFlow(0);
    group->setColumnCount(kColumns);
    group->setColumnStretch(kFieldColumn, 100.0f);
    return group;
}
