// The progress bar's value, range, chunk and text, on the widget fakes.
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "ui/widgets/range/UIProgress.h"

using testsupport::utf8;

namespace {

class UIProgressTest : public WidgetTest
{
protected:
    UIProgress* bar(int width, int height, const char* padding = "2")
    {
        auto* progress = new UIProgress(top);
        progress->setStyleProperty(String(u"padding"), testsupport::text(padding));
        progress->setGeometry(0, 0, width, height);
        progress->setRange(0, 100);
        return progress;
    }
};

} // namespace

TEST_F(UIProgressTest, ChunkFollowsTheValueWithinThePadding)
{
    struct Row
    {
        const char* what;
        int orientation, minimum, maximum, value;
        Rect chunk;
    };
    const Row rows[] = {
        {"half of 200 less padding 2", 0, 0, 100, 50, Rect(2, 2, 96, 16)},
        {"full", 0, 0, 100, 100, Rect(2, 2, 196, 16)},
        {"a chunk 3 wide after padding is not drawn", 0, 0, 100, 3, Rect()},
        {"exactly 4 wide is drawn", 0, 0, 100, 4, Rect(2, 2, 4, 16)},
        {"an empty range draws no chunk", 0, 5, 5, 5, Rect()},
        {"vertical fills from the bottom", 1, 0, 100, 50, Rect(2, 102, 16, 96)},
        {"a range of 10..20 at 15", 0, 10, 20, 15, Rect(2, 2, 96, 16)},
    };
    for (const Row& row : rows) {
        UIProgress* progress = bar(200, 20);
        if (row.orientation) {
            progress->setOrientation(row.orientation);
            progress->setGeometry(0, 0, 20, 200);
        }
        progress->setRange(row.minimum, row.maximum);
        progress->setValue(row.value);
        EXPECT_EQ(row.chunk, progress->chunkRect()) << row.what;
        delete progress;
    }
}

TEST_F(UIProgressTest, ValuesClampButARangeChangeDoesNot)
{
    UIProgress* progress = bar(200, 20);
    const int values[][2] = {{150, 100}, {-5, 0}, {42, 42}};
    for (const auto& v : values) {
        progress->setValue(v[0]);
        EXPECT_EQ(v[1], progress->value()) << v[0];
    }
    progress->setRange(10, 0);
    EXPECT_EQ(0, progress->minimum());
    EXPECT_EQ(10, progress->maximum());
    EXPECT_EQ(42, progress->value()) << "the stored value stays";
    EXPECT_EQ(1.0, progress->fraction()) << "drawn clamped";
    EXPECT_EQ(Rect(2, 2, 196, 16), progress->chunkRect());
}

TEST_F(UIProgressTest, TextReplacesEveryCaretWithTheValue)
{
    UIProgress* progress = bar(200, 20);
    progress->setValue(50);
    EXPECT_EQ("50%", utf8(progress->text()));
}
