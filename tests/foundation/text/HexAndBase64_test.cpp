// Hexadecimal and Base64 text of bytes. Base64 goes through the system's
// encoder in the Windows build and through our own code natively: these
// cases run in both builds, so the two give the same bytes.
#include <gtest/gtest.h>

#include "foundation/platform/Base64.h"
#include "foundation/text/ByteArray.h"
#include "foundation/text/HexText.h"
#include "foundation/text/String.h"
#include "tests/foundation/text/ByteTestHelpers.h"
#include "tests/foundation/text/StringTestHelpers.h"

#include <cstring>
#include <string>

namespace {

std::string decoded(const char16_t* text)
{
    return bytesOf(ByteArray::fromBase64(String(text)));
}

} // namespace

TEST(HexText, WritesLowerCaseInEveryStyle)
{
    const uint8_t pair[] = {0x0A, 0xFF};
    EXPECT_EQ(u16(bytesToHexStyled(pair, 2, 1)), u"0a:ff");
    EXPECT_EQ(u16(bytesToHexStyled(pair, 2, 2)), u"0x0a,0xff");
    EXPECT_EQ(u16(bytesToHexStyled(pair, 2, 3)), u"0x0a, 0xff");
    EXPECT_EQ(u16(bytesToHexStyled(pair, 2, 4)), u"\\x0a\\xff");
    EXPECT_EQ(u16(bytesToHexStyled(pair, 2, 0)), u"0aff");
    EXPECT_EQ(u16(bytesToHexStyled(pair, 2, 99)), u"0aff");
    EXPECT_EQ(u16(bytesToHexStyled(pair, 1, 3)), u"0x0a");
    EXPECT_TRUE(bytesToHexStyled(pair, 0, 1).isEmpty());
    EXPECT_TRUE(bytesToHexStyled(nullptr, 2, 1).isEmpty());

    char16_t high = 0;
    char16_t low = 0;
    byteToHexPair(0xB7, high, low);
    EXPECT_EQ(high, u'b');
    EXPECT_EQ(low, u'7');
    EXPECT_EQ(u16(ByteArray("\x00\x10\xfe", 3).toHex()), u"0010fe");
    EXPECT_TRUE(ByteArray().toHex().isEmpty());
}

TEST(HexText, ReadsDigitPairsAndSkipsEverythingElse)
{
    EXPECT_EQ(bytesOf(ByteArray::fromHex(String(u"0a ff"))), "\x0a\xff");
    EXPECT_EQ(bytesOf(ByteArray::fromHex(String(u"0AFF"))), "\x0a\xff");
    EXPECT_EQ(bytesOf(ByteArray::fromHex(String(u"abc"))), "\xab");
    EXPECT_EQ(bytesOf(ByteArray::fromHex(String(u"0x1g2-3"))), std::string("\x01\x23", 2));
    EXPECT_TRUE(ByteArray::fromHex(String(u"xyz")).isEmpty());
    EXPECT_TRUE(ByteArray::fromHex(String()).isEmpty());

    ByteArray parsed = ByteArray::fromHex(String(u"01:02:03"));
    EXPECT_EQ(parsed.capacity(), 3);
    EXPECT_EQ(u16(parsed.toHex()), u"010203");
}

TEST(Base64, EncodesTheStandardVectorsWithoutLineBreaks)
{
    EXPECT_EQ(u16(bytes("f").toBase64()), u"Zg==");
    EXPECT_EQ(u16(bytes("fo").toBase64()), u"Zm8=");
    EXPECT_EQ(u16(bytes("foo").toBase64()), u"Zm9v");
    EXPECT_EQ(u16(bytes("foob").toBase64()), u"Zm9vYg==");
    EXPECT_EQ(u16(bytes("fooba").toBase64()), u"Zm9vYmE=");
    EXPECT_EQ(u16(bytes("foobar").toBase64()), u"Zm9vYmFy");
    EXPECT_TRUE(ByteArray().toBase64().isEmpty());

    // The system breaks long output into lines; none may remain.
    ByteArray all;
    for (int i = 0; i < 256; ++i)
        all.appendByte(static_cast<uint8_t>(i));
    String text = all.toBase64();
    EXPECT_EQ(text.length(), 344);
    EXPECT_EQ(text.indexOfChar(u'\n', 0, String::kCaseSensitive), -1);
    EXPECT_EQ(text.indexOfChar(u'\r', 0, String::kCaseSensitive), -1);
    EXPECT_TRUE(u16(text).rfind(u"/P3+/w==") == u16(text).size() - 8);
    EXPECT_EQ(ByteArray::fromBase64(text).compareWith(all.data(), all.size()), 0);
    EXPECT_EQ(ByteArray::fromBase64(text).size(), 256);
}

TEST(Base64, DecodesWithAndWithoutPaddingAcrossWhiteSpace)
{
    EXPECT_EQ(decoded(u"Zm9vYmFy"), "foobar");
    EXPECT_EQ(decoded(u"Zm9vYg=="), "foob");
    EXPECT_EQ(decoded(u"Zm9vYg"), "foob");
    EXPECT_EQ(decoded(u"Zm9vYmE"), "fooba");
    EXPECT_EQ(decoded(u"Zm9v\r\nYmFy"), "foobar");
    EXPECT_EQ(decoded(u" Zm 9v\tYmFy\n"), "foobar");
    EXPECT_EQ(decoded(u"/+/+"), "\xff\xef\xfe");
    // Decoding ends at the padding that completes a group.
    EXPECT_EQ(decoded(u"Zm8=Zm9v"), "fo");
    EXPECT_EQ(decoded(u"Zg==*"), "f");
    EXPECT_EQ(decoded(u"Zm9v===="), "foo");
}

TEST(Base64, RefusesDamagedText)
{
    const char16_t* damaged[] = {
        u"Zm9v*", u"*Zm9v", u"Zm-_", u"Zm=9v", u"Zg=", u"Zm9vY=", u"Zg\vZg", u"Zm9v\u00C4", u"Z=Z=",
    };
    for (const char16_t* text : damaged) {
        EXPECT_TRUE(ByteArray::fromBase64(String(text)).isEmpty()) << std::string(text, text + 1);
        EXPECT_FALSE(String(text).isBase64());
    }
    const char16_t withZero[] = {u'Z', u'm', 0, u'9', u'v'};
    ByteArray out = bytes("kept");
    EXPECT_FALSE(base64Decode(withZero, 5, out));
    EXPECT_FALSE(base64Decode(u"Zm9v", 0, out));
    EXPECT_FALSE(base64Decode(nullptr, 4, out));
    EXPECT_EQ(bytesOf(out), "kept");
}

TEST(Base64, TellsWhetherTextHoldsData)
{
    EXPECT_TRUE(String(u"Zm9v").isBase64());
    EXPECT_TRUE(String(u"Zg").isBase64());
    EXPECT_FALSE(String().isBase64());
    EXPECT_FALSE(String(u"   ").isBase64());
    EXPECT_FALSE(String(u"====").isBase64());
    EXPECT_FALSE(String(u"hello world!").isBase64());

    const char16_t* alphabet = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/=";
    int count = 0;
    for (int unit = 0; unit < 0x10000; ++unit) {
        if (isBase64Char(static_cast<char16_t>(unit)))
            ++count;
    }
    EXPECT_EQ(count, 65);
    for (const char16_t* p = alphabet; *p != 0; ++p)
        EXPECT_TRUE(isBase64Char(*p));
}
