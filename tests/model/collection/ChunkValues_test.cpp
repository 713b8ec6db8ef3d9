// The collection's texts and lists as read straight from a value's bytes
// come out as the general conversions make them, for plain ASCII and for
// everything else.
#include <gtest/gtest.h>

#include "model/collection/ChunkValues.h"

#include <string>

namespace {

ChunkValue valueOf(const std::string& bytes)
{
    ChunkValue value;
    value.data = reinterpret_cast<const uint8_t*>(bytes.data());
    value.size = uint32_t(bytes.size());
    return value;
}

const std::string kTexts[] = {
    "",
    "Drama",
    " Drama ",
    "Drama|Comedy",
    " Drama | Comedy |",
    "|",
    "||  |",
    " | Sci-Fi|  ",
    "Caf\xc3\xa9|Stra\xc3\x9f" "e",
    "\xc3|Broken lead",
    "Broken tail \xe2\x82",
    std::string("\0Leading zero", 13),
    std::string("In\0side|zero", 12),
    "Tab\tinside|\tTabbed\t",
    "\xef\xbb\xbfMarked",
};

} // namespace

TEST(ChunkValues, TextsAndListsComeOutAsTheGeneralConversionsMakeThem)
{
    for (const std::string& bytes : kTexts) {
        SCOPED_TRACE(bytes);
        String general = bytes.empty() ? String() : String::fromUtf8(bytes.data(), int(bytes.size()));
        String text = ChunkValues::toText(valueOf(bytes));
        EXPECT_TRUE(String::equals(text, general));
        EXPECT_EQ(text.length(), general.length());
        StringList expected = String::split(general, String(u"|"), String::kSkipEmpty | String::kTrimItems);
        StringList list = ChunkValues::toList(valueOf(bytes));
        ASSERT_EQ(list.count(), expected.count());
        StringList::Node* want = expected.first();
        for (StringList::Node* got = list.first(); got; got = got->next, want = want->next)
            EXPECT_TRUE(String::equals(got->value, want->value));
    }
}

TEST(ChunkValues, NumbersNeedTheirWholeWidth)
{
    const std::string four("\x01\x02\x00\x00", 4);
    const std::string three("\x01\x02\x00", 3);
    EXPECT_EQ(ChunkValues::toInt(valueOf(four)), 0x0201);
    EXPECT_EQ(ChunkValues::toInt(valueOf(three)), 0);
    EXPECT_EQ(ChunkValues::toColor(valueOf(three)).value(), Color().value());
    EXPECT_TRUE(ChunkValues::toFlag(valueOf(std::string("\x02", 1))));
    EXPECT_FALSE(ChunkValues::toFlag(valueOf(std::string("\x00\x01", 2))));
    EXPECT_FALSE(ChunkValues::toFlag(valueOf("")));
    const std::string nan("\x00\x00\xc0\x7f", 4);
    EXPECT_EQ(ChunkValues::toFloat(valueOf(nan)), 0.0f);
    const std::string one("\x00\x00\x80\x3f", 4);
    EXPECT_EQ(ChunkValues::toFloat(valueOf(one)), 1.0f);
}
