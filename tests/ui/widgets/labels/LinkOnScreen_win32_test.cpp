// A link clicked by posted mouse input in a real window opens through a
// stand-in opener (no browser starts), on a clock the test moves itself; the
// shell's opener hands over only what cannot split the browser's command line.
#include "foundation/platform/ShellCallRecorder.h"
#include "tests/support/ScreenTest.h"
#include "tests/support/WidgetFakes.h"
#include "ui/widgets/labels/UILink.h"

#include <vector>

using testsupport::UIHarness;

namespace {

std::vector<String> opened;
int64_t now = 0;

void recordOpening(const String& url)
{
    opened.push_back(url);
}

int64_t testClock()
{
    return now;
}

class LinkOnScreen : public testsupport::ScreenTest
{
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        opened.clear();
        UILink::setOpener(&recordOpening);
        UILink::setClock(&testClock);
    }
    void TearDown() override
    {
        UILink::setOpener(nullptr);
        UILink::setClock(nullptr);
        ScreenTest::TearDown();
    }
};

} // namespace

TEST_F(LinkOnScreen, TwoClicksAHundredMillisecondsApartOpenOnceAndAreBothReported)
{
    auto* link = new UILink(window);
    link->setText(String(u"Reel notes"));
    link->setUrl(String(u"https://example.org/notes"));
    place(link, 20, 20, 160, 30);
    SignalCounter clicks;
    link->clicked.connect(&clicks, &SignalCounter::count);
    const Point at(10, 10);

    now = 10000;
    UIHarness::click(link, at);
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return clicks.calls == 1; }));
    now += 100;
    UIHarness::click(link, at);
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return clicks.calls == 2; }));
    ASSERT_EQ(1u, opened.size());
    EXPECT_EQ(String(u"https://example.org/notes"), opened.front());

    // Past the guard, a click opens again.
    now += UILink::kReopenGuardMs + 1;
    UIHarness::click(link, at);
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return clicks.calls == 3; }));
    EXPECT_EQ(2u, opened.size());
}

TEST(LinkShell, AnAddressReachesTheShellEscapedOrNotAtAll)
{
    std::vector<String> calls;
    ShellCallRecorder::install(
        [&calls](const String& call, const String& target) { calls.push_back(call + u" " + target); });
    UILink::openWithShell(String(u"https://example.org/a \"b\""));
    UILink::openWithShell(String(u"https://example.org/a\tb"));
    ShellCallRecorder::remove();
    ASSERT_EQ(1u, calls.size());
    EXPECT_EQ(String(u"open https://example.org/a%20%22b%22"), calls.front());
}
