// The main window as its constructor builds it, on the widget fakes: the
// filter bar's boxes and the movie card's view.
#include "tests/app/main/MainWindowFixture.h"
#include "ui/views/web/UIWebView.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/combo/UIComboBoxItem.h"

namespace {

class MainWindowBuild : public MainWindowFixture
{
};

} // namespace

TEST_F(MainWindowBuild, TheFilterBoxesShowSixteenRowsAndTheKindsTheirShades)
{
    ASSERT_NE(main, nullptr);
    for (UIComboBox* box : {main->filterKindBox(), main->filterValueBox(), main->actorBox()})
        EXPECT_EQ(box->maxVisibleItems(), 16);
    // Each group of kinds in its own pair of alternating shades.
    const Color light(244, 250, 201);
    const Color green(236, 245, 157);
    const Color amber(251, 236, 150);
    const Color cream(253, 247, 208);
    const Color shades[12] = {
        Color(),                                    // "All", not shaded
        light,   green, light, green, light,        // the kinds without a value
        amber,   cream, amber, cream, amber, cream, // the kinds with one
    };
    UIComboBox* kinds = main->filterKindBox();
    ASSERT_EQ(kinds->count(), 12);
    EXPECT_FALSE(kinds->item(0)->background().isVisible()) << "All";
    for (int kind = 1; kind < 12; ++kind) {
        const Brush& background = kinds->item(kind)->background();
        EXPECT_TRUE(background.isVisible()) << kind;
        EXPECT_EQ(background.color(), shades[kind]) << kind;
    }
}

// Our own page only: no link followed, nothing cached or run, no context
// menu, a dialog's frame.
TEST_F(MainWindowBuild, TheCardViewIsMadeForTheCardAlone)
{
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->webView()->options(), 0x18Du);
}
