// Text to bytes and back by code page: round trips, characters a code page
// cannot hold, bytes that do not decode, and refused arguments. The ANSI
// code page is the system's in the Windows build (Windows-1252 under the
// test runner) and our own Windows-1252 natively.
#include <gtest/gtest.h>

#include "foundation/text/ByteArray.h"
#include "foundation/text/CodePage.h"
#include "foundation/text/String.h"
#include "tests/foundation/text/ByteTestHelpers.h"
#include "tests/support/StringTestHelpers.h"

#include <string>

namespace {

std::u16string fromUtf8(const std::string& bytes)
{
    return u16(String::fromUtf8(bytes.data(), static_cast<int>(bytes.size())));
}

} // namespace

TEST(CodePage, Utf8RoundTripsEveryPlane)
{
    const char16_t text[] = u"A\u00E4\u20AC\U0001F600z";
    String original(text);
    ByteArray utf8 = original.toUtf8();
    EXPECT_EQ(bytesOf(utf8), "A\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80z");
    EXPECT_EQ(u16(String::fromUtf8(utf8.data(), utf8.size())), std::u16string(text));

    // Every unit outside the surrogates survives the round trip.
    String all;
    for (int unit = 1; unit < 0x10000; ++unit) {
        if (unit < 0xD800 || unit > 0xDFFF)
            all.appendChar(static_cast<char16_t>(unit));
    }
    ByteArray encoded = all.toUtf8();
    EXPECT_TRUE(String::equals(String::fromUtf8(encoded.data(), encoded.size()), all));
}

TEST(CodePage, Utf8ReplacesLoneSurrogatesAndEachIllFormedPart)
{
    const char16_t lone[] = {0xDC00, u'A', 0xD800, 0};
    EXPECT_EQ(bytesOf(String(lone).toUtf8()), "\xEF\xBF\xBD"
                                              "A\xEF\xBF\xBD");
    struct Row
    {
        const char* bytes;
        const char16_t* text;
    };
    const Row rows[] = {
        {"\xE2\x82", u"\uFFFD"},
        {"\xE2\x82\x41", u"\uFFFDA"},
        {"\xC0\x80", u"\uFFFD\uFFFD"},
        {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"\xE2(\xA1", u"\uFFFD(\uFFFD"},
        {"\xF0\x9F\x98", u"\uFFFD"},
        {"\xFE\xFF", u"\uFFFD\uFFFD"},
        {"\xEF\xBB\xBF\x41", u"\uFEFFA"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(fromUtf8(row.bytes), row.text) << "row " << (&row - rows);
}

TEST(CodePage, CountsReadUpToTheTerminatorOrEmbeddedZeros)
{
    EXPECT_EQ(u16(String::fromUtf8("ab\0cd", -1)), u"ab");
    EXPECT_EQ(u16(String::fromUtf8("ab\0cd", 5)), std::u16string(u"ab\0cd", 5));
    const char16_t withZero[] = {u'a', 0, u'b'};
    ByteArray out;
    EXPECT_TRUE(wideToBytes(String::kCodePageLatin1, withZero, 3, out));
    EXPECT_EQ(bytesOf(out), std::string("a\0b", 3));
    EXPECT_TRUE(wideToBytes(String::kCodePageLatin1, withZero, -1, out));
    EXPECT_EQ(bytesOf(out), "a");
}

TEST(CodePage, Latin1KeepsTheFirst256UnitsAndMarksTheRest)
{
    String text(u"caf\u00E9 \u00FF\u0100\u4E2D\u20AC");
    EXPECT_EQ(bytesOf(text.toLatin1()), "caf\xE9 \xFF???");
    const char bytes[] = "\x80\x9F\xA0\xFF";
    EXPECT_EQ(u16(String::fromLatin1(bytes)), u"\u0080\u009F\u00A0\u00FF");
}

TEST(CodePage, AnsiIsWindows1252)
{
    String text(u"\u20AC\u201Ez\u00E4\u0178\u0081");
    ByteArray ansi = text.toAnsi();
    EXPECT_EQ(bytesOf(ansi), "\x80\x84z\xE4\x9F\x81");
    EXPECT_EQ(u16(String::fromNarrow(ansi.data(), ansi.size())), u16(text));
    EXPECT_EQ(u16(String("Gr\xFC\xDF"
                         "e")),
              u"Gr\u00FC\u00DFe");

    // Characters the code page has no place for become its default '?'.
    const char16_t outside[] = {u'a', 0x4E2D, 0xD83D, 0xDE00, u'b', 0};
    EXPECT_EQ(bytesOf(String(outside).toAnsi()), "a???b");
}

TEST(CodePage, RefusedArgumentsLeaveTheOutputAlone)
{
    ByteArray out("kept", 4);
    EXPECT_FALSE(wideToBytes(4, u"abc", -1, out));
    EXPECT_FALSE(wideToBytes(String::kCodePageUtf8, nullptr, -1, out));
    EXPECT_FALSE(wideToBytes(String::kCodePageUtf8, u"abc", -2, out));
    EXPECT_EQ(bytesOf(out), "kept");

    String text(u"kept");
    EXPECT_FALSE(bytesToWide(4, "abc", -1, text));
    EXPECT_FALSE(bytesToWide(String::kCodePageUtf8, nullptr, 3, text));
    EXPECT_FALSE(bytesToWide(String::kCodePageUtf8, "abc", 0, text));
    EXPECT_EQ(u16(text), u"kept");

    EXPECT_FALSE(String().toBytes(String::kCodePageUtf8, out));
}

TEST(CodePage, ScrambledTextRoundTrips)
{
    String text(u"Reelstack \u00E4\u20AC");
    String stored = String::scramble(text, 0x5A);
    EXPECT_EQ(stored.at(0), static_cast<char16_t>(u'R' ^ 0x5A5A));
    EXPECT_TRUE(String::equals(String::fromScrambled(stored.data(), 0x5A), text));
    EXPECT_TRUE(String::fromScrambled(nullptr, 0x5A).isEmpty());
    // A unit that the key would turn into the terminator cannot be stored.
    const char16_t clash[] = {u'a', 0x5A5A, 0};
    EXPECT_TRUE(String::scramble(String(clash), 0x5A).isEmpty());
}
