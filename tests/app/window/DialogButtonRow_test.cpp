// The OK/Cancel row at a dialog's foot: where each placement puts it in the
// parent's grid, and the accepting button ahead of Cancel behind the spacer
// that pushes both to the right.
#include "app/window/DialogButtonRow.h"

#include "tests/support/WidgetFakes.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/decorative/UIExpander.h"

#include <vector>

namespace {

class DialogButtonRow : public WidgetTest
{
};

TEST_F(DialogButtonRow, EachPlacementSitsTheRowAndTheAcceptingButtonComesFirst)
{
    const UIMargins own = (new UIBox(top))->layoutMargins();
    struct Case
    {
        const char* name;
        int columnSpan;
        bool flush;
        int topMargin;
        UIMargins margins;
    };
    const Case cases[] = {
        {"as a fresh box", 1, false, -1, own},
        {"across two columns, flush", 2, true, -1, UIMargins(0, 0, 0, 0)},
        {"lowered", 2, false, 10, UIMargins(own.left, 10, own.right, own.bottom)},
        {"flush but lowered", 1, true, 7, UIMargins(0, 7, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonRowPlacement placement;
        placement.columnSpan = c.columnSpan;
        placement.flush = c.flush;
        placement.topMargin = c.topMargin;
        UIButton* ok = nullptr;
        UIButton* cancel = nullptr;
        UIBox* row = addButtonRow(top, String(u"Save"), 3, String(u"Cancel"), &ok, &cancel, placement);
        ASSERT_TRUE(row && ok && cancel);
        EXPECT_EQ(row->parentWidget(), top);
        EXPECT_TRUE(row->isVisible());
        EXPECT_EQ(row->columnSpan(), c.columnSpan);
        EXPECT_TRUE(row->layoutMargins() == c.margins);
        std::vector<UIWidget*> order;
        for (UIWidget* child : row->children())
            order.push_back(child);
        ASSERT_EQ(order.size(), 3u);
        EXPECT_NE(dynamic_cast<UIExpander*>(order[0]), nullptr);
        EXPECT_EQ(order[1], ok);
        EXPECT_EQ(order[2], cancel);
        EXPECT_TRUE(ok->text() == String(u"Save") && ok->colorVariant() == 3 && ok->isVisible());
        EXPECT_TRUE(cancel->text() == String(u"Cancel") && cancel->colorVariant() == 0 &&
                    cancel->isVisible());
    }
}

} // namespace
