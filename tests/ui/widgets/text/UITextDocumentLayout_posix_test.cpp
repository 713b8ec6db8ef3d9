// Wrapping, hit tests and painting, to the pixel of the native build's
// fixed-width font stand-in.
#include <gtest/gtest.h>

#include "tests/support/RecordingDevice.h"
#include "tests/ui/widgets/text/TextDocumentChecks.h"

using testsupport::utf8;
using textdoc::Doc;

TEST(UITextDocument, WrapsAfterLastFittingBlankOrLastFittingCharacter)
{
    using Row = std::pair<const char16_t*, std::vector<std::string>>;
    const Row rows[] = {
        {u"aaaa bbbb cccc", {"aaaa bbbb ", "cccc\n"}},
        {u"abcdefghijklmnop", {"abcdefghij", "klmnop\n"}},
        {u"               ", {"          ", "     \n"}},
        {u"ab\nabcdefghij kl", {"ab\n", "abcdefghij ", "kl\n"}},
        {u"a\U0001F600bcdefghijk", {"a\U0001F600bcdefgh", "ijk\n"}},
    };
    for (const auto& [text, lines] : rows) {
        Doc doc(text, 130, true);
        EXPECT_EQ(doc.lines(), lines) << utf8(String(text));
    }
    Doc doc(u"aaaa bbbb cccc", 130, true);
    doc.d.setViewRect(Rect(0, 0, 600, 100));
    EXPECT_EQ(doc.d.lineCount(), 1);
}

TEST(UITextDocument, HitTestsAndPainting)
{
    CurrentRecorder recorder;
    FakeTarget target;
    Doc doc(u"ab\nc\U0001F600 d");
    doc.d.setMargins(5, 4, 0, 0);
    doc.c().setPosition(4);
    {
        Painter painter(&target);
        doc.d.paint(painter);
    }
    EXPECT_EQ(rectText(doc.d.caretRect()), "15,24,1,20");
    using Row = std::tuple<int, int, bool, int>;
    const Row rows[] = {{5, 4, true, 0},  {14, 10, true, 1}, {200, 10, true, 2},
                        {0, 30, true, 3}, {19, 30, true, 4}, {26, 30, true, 6},
                        {0, 2, true, 0},  {9, 300, true, 3}, {45, 30, true, 7}};
    for (const auto& [x, y, ok, expected] : rows) {
        int index = -1;
        EXPECT_EQ(doc.d.indexAt(Point(x, y), index), ok) << x << "," << y;
        EXPECT_EQ(index, expected) << x << "," << y;
    }
    EXPECT_EQ(utf8(doc.d.wordAt(Point(50, 30), String(u" "))), "d");

    // Selected and focused: black fill, white pen; the pair drawn whole.
    doc.d.setFlags(UITextDocument::kEnabled | UITextDocument::kFocused);
    doc.c().setSelection(3, 3);
    recorder.device.log.clear();
    {
        Painter painter(&target);
        doc.d.paint(painter);
    }
    auto joined = [&] {
        std::string all;
        for (const std::string& line : recorder.device.log)
            all += line + "\n";
        return all;
    };
    const std::string log = joined();
    EXPECT_NE(log.find("pen FFFFFFFF 0\ntext 'c' at 5,24"), std::string::npos) << log;
    EXPECT_NE(log.find("text '?"
                       "?' at 15,24"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("text 'd' at 45,24"), std::string::npos) << log;

    doc.d.setPasswordMode(true);
    int index = -1;
    EXPECT_TRUE(doc.d.indexAt(Point(26, 30), index));
    EXPECT_EQ(index, 6);
    recorder.device.log.clear();
    doc.d.setFlags(0);
    {
        Painter painter(&target);
        doc.d.paint(painter);
    }
    const std::string masked = joined();
    EXPECT_NE(masked.find("pen FF808080"), std::string::npos) << masked;
    EXPECT_EQ(masked.find("'c'"), std::string::npos) << masked;
}
