// The about window on the test display: the program's name and version, our
// own words where no language file gives them, the link to the product's
// page, the maker's line with this year, and the three ways to close it.
#include "app/about/AboutWindow.h"
#include "foundation/time/Date.h"
#include "tests/app/ToolWindowTest.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/labels/UILink.h"
#include "ui/widgets/window/UIDialog.h"

#include <vector>

using testsupport::LaterStep;
using testsupport::UIHarness;

namespace {

std::vector<std::string> g_opened;

void recordOpen(const String& url)
{
    g_opened.push_back(iotest::show(url));
}

enum class Closing
{
    Button,
    Escape,
    CloseBox
};

class AboutWindowTest : public ToolWindowTest
{
protected:
    void SetUp() override
    {
        ToolWindowTest::SetUp();
        AppCore* core = AppCore::instance();
        core->setCompanyName(String(u"Vantorell Software"));
        core->setProductUrl(String(u"http://www.reelstack.example/"));
        core->setMakerWebText(String(u"www.reelstack.example"));
        g_opened.clear();
        UILink::setOpener(&recordOpen);
    }
    void TearDown() override { UILink::setOpener(nullptr); }
};

} // namespace

TEST_F(AboutWindowTest, ShowsNameVersionOurWordsTheLinkAndTheMakerOfThisYear)
{
    AppCore* core = AppCore::instance();
    struct
    {
        std::string name, description, maker, caption, linkText, linkUrl, toolTip;
        int descriptionLines = 0;
        int width = 0;
        bool closed = false;
    } seen;
    AboutWindow window;
    LaterStep look(100, [&] {
        UIHarness::activate(window.dialog());
        seen.name = iotest::show(window.nameLabel()->text());
        const String description = window.descriptionLabel()->text();
        seen.description = iotest::show(description.replaceChar(u'\n', u' ', String::kCaseSensitive));
        seen.descriptionLines = description.count(String(u"\n"), String::kCaseSensitive) + 1;
        seen.maker = iotest::show(window.makerLabel()->text());
        seen.caption = iotest::show(window.closeButton()->text());
        seen.linkText = iotest::show(window.link()->text());
        seen.linkUrl = iotest::show(window.link()->url());
        seen.toolTip = iotest::show(window.link()->toolTipText());
        seen.width = window.dialog()->width();
        UIHarness::click(window.link(), window.link()->rect().center());
        UIHarness::pumpFor(100);
        UIHarness::click(window.closeButton(), window.closeButton()->rect().center());
        return true;
    });
    window.exec();
    seen.closed = !window.dialog()->isVisible();

    EXPECT_EQ(seen.name, "Reelstack 1.2.0");
    EXPECT_EQ(seen.description, iotest::show(AboutWindow::description()));
    EXPECT_FALSE(seen.description.empty());
    // Our long text is wrapped, and the window stays narrow for it.
    EXPECT_GT(seen.descriptionLines, 1);
    EXPECT_LT(seen.width, 600);
    EXPECT_EQ(seen.caption, "Close");
    EXPECT_EQ(seen.maker, iotest::show(String(u"\u00A9 ") + String::fromInt(Date::todayLocal().year()) +
                                       u" Vantorell Software"));
    EXPECT_EQ(seen.linkText, "www.reelstack.example");
    EXPECT_EQ(seen.linkUrl, iotest::show(core->decoratedUrl(String(u"http://www.reelstack.example/"))));
    EXPECT_EQ(seen.toolTip, "http://www.reelstack.example/");
    EXPECT_EQ(g_opened, std::vector<std::string>{seen.linkUrl});
    EXPECT_TRUE(seen.closed);
}

TEST_F(AboutWindowTest, EscapeAndTheCloseBoxCloseItToo)
{
    for (Closing closing : {Closing::Escape, Closing::CloseBox}) {
        AboutWindow window;
        LaterStep shut(100, [&] {
            UIHarness::activate(window.dialog());
            if (closing == Closing::Escape) {
                UIHarness::typeKeys({VK_ESCAPE});
            } else {
                PostMessageW(static_cast<HWND>(window.dialog()->windowHandle()), WM_CLOSE, 0, 0);
            }
            return true;
        });
        // A window that stayed open would hold the test here; this one ends
        // it after five seconds so that the failure shows.
        LaterStep guard(5000, [&] {
            window.close();
            return true;
        });
        window.exec();
        EXPECT_TRUE(guard.isPending()) << int(closing);
        EXPECT_FALSE(window.dialog()->isVisible()) << int(closing);
    }
}
