// The HTML export frame: its empty progress bar, and Ok and Cancel, which
// only close it with their results.
#include "app/htmlexport/ExportToHtmlWindow.h"
#include "tests/app/ToolWindowTest.h"
#include "ui/widgets/range/UIProgress.h"
#include "ui/widgets/window/UIDialog.h"

using testsupport::LaterStep;
using testsupport::UIHarness;

TEST_F(ToolWindowTest, TheHtmlExportFrameClosesWithOkAndCancel)
{
    const struct
    {
        bool ok;
        int result;
    } cases[] = {{true, 1}, {false, 0}};
    for (const auto& c : cases) {
        ExportToHtmlWindow window;
        std::string title;
        int minimum = -1, maximum = -1, value = -1;
        LaterStep press(100, [&] {
            UIHarness::activate(window.dialog());
            title = iotest::show(window.dialog()->windowTitle());
            minimum = window.progress()->minimum();
            maximum = window.progress()->maximum();
            value = window.progress()->value();
            UIButton* button = c.ok ? window.okButton() : window.cancelButton();
            UIHarness::click(button, button->rect().center());
            return true;
        });
        window.exec();
        EXPECT_EQ(title.substr(0, 14), "Export To HTML") << c.ok;
        EXPECT_NE(title.find("Reelstack"), std::string::npos) << title;
        EXPECT_EQ(minimum, 0);
        EXPECT_EQ(maximum, 100);
        EXPECT_EQ(value, 0);
        EXPECT_FALSE(window.dialog()->isVisible()) << c.ok;
        EXPECT_EQ(window.dialog()->result(), c.result) << c.ok;
    }
}
