// The scroll area's bar decisions and geometry, by table: bars 10 wide with
// a 30-pixel hint along, an area of 200 x 100.
#include "ui/widgets/scroll/UIScrollAreaLayout.h"

#include <gtest/gtest.h>

namespace {

const Size kVertical(10, 30);
const Size kHorizontal(30, 10);
const Size kArea(200, 100);

struct Row
{
    const char* what;
    int horizontalPolicy;
    int verticalPolicy;
    Size content;
    Size area;
    bool vertical;
    bool horizontal;
    int verticalMaximum;
    int horizontalMaximum;
};

UIScrollAreaLayout layOut(const Row& row)
{
    UIScrollAreaLayout::Input in;
    in.content = row.content;
    in.area = row.area;
    in.verticalHint = kVertical;
    in.horizontalHint = kHorizontal;
    in.horizontalPolicy = row.horizontalPolicy;
    in.verticalPolicy = row.verticalPolicy;
    return UIScrollAreaLayout::compute(in);
}

} // namespace

TEST(UIScrollAreaLayout, DecisionsOverPoliciesAndContentSizes)
{
    const Row rows[] = {
        {"fits exactly: no bar", 2, 2, Size(200, 100), kArea, false, false, 0, 0},
        {"one pixel below: no bar", 2, 2, Size(199, 99), kArea, false, false, 0, 0},
        {"one pixel taller: the vertical bar, which then needs no horizontal one", 2, 2, Size(190, 101),
         kArea, true, false, 1, 0},
        {"taller and full width: the vertical bar takes room, the horizontal follows", 2, 2, Size(200, 101),
         kArea, true, true, 11, 10},
        {"one pixel wider: the horizontal bar, and with it the vertical", 2, 2, Size(201, 100), kArea, true,
         true, 10, 11},
        {"wider only, short enough for both: horizontal only", 2, 2, Size(201, 90), kArea, false, true, 0, 1},
        {"policy 1 shows a bar with range 0 for short content", 2, 1, Size(50, 50), kArea, true, false, 0, 0},
        {"policy 0 never shows, however long", 0, 0, Size(900, 900), kArea, false, false, 0, 0},
        {"vertical policy 0 leaves the horizontal decision alone", 2, 0, Size(300, 900), kArea, false, true,
         0, 100},
        {"horizontal policy 0: vertical over the full height", 0, 2, Size(900, 150), kArea, true, false, 50,
         0},
        {"the horizontal bar stays hidden: the full height decides, and suffices", 2, 2, Size(185, 95), kArea,
         false, false, 0, 0},
        {"the horizontal bar stays hidden: the full height decides, still too short", 2, 2, Size(185, 105),
         kArea, true, false, 5, 0},
        {"area lower than both bars: no vertical bar, horizontal fits", 2, 2, Size(900, 900), Size(200, 39),
         false, true, 0, 700},
        {"area narrower than both bars: no horizontal bar", 2, 2, Size(900, 900), Size(39, 100), true, false,
         800, 0},
        {"area smaller than any bar: none, whatever the policy", 1, 1, Size(900, 900), Size(9, 9), false,
         false, 0, 0},
    };
    for (const Row& row : rows) {
        const UIScrollAreaLayout layout = layOut(row);
        EXPECT_EQ(row.vertical, layout.verticalShown) << row.what;
        EXPECT_EQ(row.horizontal, layout.horizontalShown) << row.what;
        if (layout.verticalFits) {
            EXPECT_EQ(row.verticalMaximum, layout.verticalMaximum) << row.what;
        }
        if (layout.horizontalFits) {
            EXPECT_EQ(row.horizontalMaximum, layout.horizontalMaximum) << row.what;
        }
    }
}
