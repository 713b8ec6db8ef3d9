#include "graphics/paint/FontMetrics.h"
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/labels/UILink.h"

#include <vector>

using testsupport::text;

namespace {

std::vector<std::string> opened;
// The reopening guard's clock, moved by hand.
int64_t now = 0;

class LabelTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        opened.clear();
        UILink::setOpener([](const String& url) { opened.push_back(testsupport::utf8(url)); });
        now = 100000;
        UILink::setClock([] { return now; });
    }
    void TearDown() override
    {
        UILink::setClock(nullptr);
        UILink::setOpener(nullptr);
        WidgetTest::TearDown();
    }
};

} // namespace

TEST_F(LabelTest, SizeHintsOfLabelsAndLinks)
{
    const FontMetrics metrics(FontDesc(), nullptr);
    auto width = [&metrics](const char16_t* text) {
        return metrics.textWidth(text, int(std::char_traits<char16_t>::length(text)), false);
    };
    const int line = metrics.height();
    struct Case
    {
        const char* name;
        bool link, multiLine;
        const char* shown;
        const char* url;
        Size expected;
    };
    const Case cases[] = {
        {"one line", false, false, "abc", "", Size(width(u"abc") + 4, line + 4)},
        {"line feeds on one line are measured as one run", false, false, "ab\nc", "",
         Size(width(u"ab\nc") + 4, line + 4)},
        {"letter, two line feeds, letter: three lines", false, true, "a\n\nb", "",
         Size(std::max(width(u"a"), width(u"b")) + 4, 3 * line + 4)},
        {"widest line", false, true, "abcd\nab", "", Size(width(u"abcd") + 4, 2 * line + 4)},
        {"link text", true, false, "abc", "http://x.y/", Size(width(u"abc"), line)},
        {"link without text shows its URL", true, false, "", "http://x.y/",
         Size(width(u"http://x.y/"), line)},
    };
    for (const Case& c : cases) {
        if (c.link) {
            UILink link(top);
            link.setText(text(c.shown));
            link.setUrl(text(c.url));
            EXPECT_EQ(c.expected, link.sizeHint()) << c.name;
        } else {
            UILabel label(top);
            label.setMultiLine(c.multiLine);
            label.setText(text(c.shown));
            EXPECT_EQ(c.expected, label.sizeHint()) << c.name;
        }
    }
}

TEST_F(LabelTest, ALinkOpensOnceForTwoQuickClicksAndEmitsForEach)
{
    UILink link(top);
    link.setText(text("site"));
    link.setUrl(text("http://a/"));
    SignalCounter counter;
    link.clicked.connect(&counter, &SignalCounter::count);
    send(&link, UIMouseEvent(kClickEvent, 2, 2, Point(1, 1), 0));
    EXPECT_EQ(0, counter.calls) << "a right click neither emits";
    EXPECT_TRUE(opened.empty()) << "nor opens";
    mouse(&link, kClickEvent, 1, 1);
    now += 100;
    mouse(&link, kClickEvent, 1, 1);
    EXPECT_EQ(2, counter.calls);
    EXPECT_EQ(std::vector<std::string>{"http://a/"}, opened);
    // Counted from the last opening: at the guard's end it still holds, a
    // millisecond later it has passed.
    const std::pair<int64_t, size_t> clicks[] = {
        {UILink::kReopenGuardMs - 100, 1}, {1, 2}, {UILink::kReopenGuardMs, 2}, {1, 3}};
    for (const auto& click : clicks) {
        now += click.first;
        mouse(&link, kClickEvent, 1, 1);
        EXPECT_EQ(opened.size(), click.second) << "after " << click.first << " ms more";
    }
    EXPECT_EQ(6, counter.calls) << "every click emits";
}
