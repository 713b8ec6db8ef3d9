#include "app/window/DialogTableView.h"

#include "graphics/paint/Brush.h"
#include "ui/core/layout/UISizePolicy.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableView.h"

namespace {

const int kRowStep = 24;

} // namespace

UITableView* makeDialogTableView(UIWidget* parent)
{
    auto* view = new UITableView(parent);
    view->setCornerBackground(Brush(Color(226, 230, 232), 0));
    view->setVerticalStep(kRowStep);
    view->setSizePolicy(UISizePolicy::kExpanding, UISizePolicy::kExpanding);
    view->table()->setSortingEnabled(true);
    return view;
}
