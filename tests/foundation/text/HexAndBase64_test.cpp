// Hexadecimal and Base64 text of bytes. Base64 goes through the system's
// encoder in the Windows build and through our own code natively: these
// cases run in both builds, so the two give the same bytes.
#include <gtest/gtest.h>

#include "foundation/platform/Base64.h"
#include "foundation/text/ByteArray.h"
#include "foundation/text/HexText.h"
#include "foundation/text/String.h"
#include "tests/foundation/text/ByteTestHelpers.h"
#include "tests/support/StringTestHelpers.h"

#include <cstring>
#include <string>

TEST(HexText, WritesEveryStyleAndReadsDigitPairsSkippingTheRest)
{
    const uint8_t pair[] = {0x0A, 0xFF};
    const char16_t* styles[] = {u"0aff", u"0a:ff", u"0x0a,0xff", u"0x0a, 0xff", u"\\x0a\\xff"};
    for (int style = 0; style < 5; ++style)
        EXPECT_EQ(u16(bytesToHexStyled(pair, 2, style)), styles[style]) << style;
    EXPECT_TRUE(bytesToHexStyled(nullptr, 2, 1).isEmpty());
    EXPECT_EQ(u16(ByteArray("\x00\x10\xfe", 3).toHex()), u"0010fe");

    EXPECT_EQ(bytesOf(ByteArray::fromHex(String(u"0A ff"))), "\x0a\xff");
    EXPECT_EQ(bytesOf(ByteArray::fromHex(String(u"abc"))), "\xab");
    EXPECT_EQ(bytesOf(ByteArray::fromHex(String(u"0x1g2-3"))), std::string("\x01\x23", 2));
}

TEST(Base64, EncodesTheStandardVectorsWithoutLineBreaks)
{
    const char* plain[] = {"f", "fo", "foo", "foob", "fooba", "foobar"};
    const char16_t* encoded[] = {u"Zg==", u"Zm8=", u"Zm9v", u"Zm9vYg==", u"Zm9vYmE=", u"Zm9vYmFy"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(u16(bytes(plain[i]).toBase64()), encoded[i]) << plain[i];
    EXPECT_TRUE(ByteArray().toBase64().isEmpty());

    // The system breaks long output into lines; none may remain.
    ByteArray all;
    for (int i = 0; i < 256; ++i)
        all.appendByte(static_cast<uint8_t>(i));
    String text = all.toBase64();
    EXPECT_EQ(text.length(), 344);
    EXPECT_EQ(text.indexOfChar(u'\n', 0, String::kCaseSensitive), -1);
    EXPECT_EQ(text.indexOfChar(u'\r', 0, String::kCaseSensitive), -1);
    EXPECT_EQ(bytesOf(ByteArray::fromBase64(text)), bytesOf(all));
}

TEST(Base64, DecodesWithAndWithoutPaddingAcrossWhiteSpace)
{
    const char16_t* texts[] = {u"Zm9vYg", u"Zm9vYmE", u"Zm9v\r\nYmFy", u" Zm 9v\tYmFy\n", u"/+/+",
                               // Decoding ends at the padding that completes a group.
                               u"Zm8=Zm9v", u"Zg==*", u"Zm9v===="};
    const char* expected[] = {"foob", "fooba", "foobar", "foobar", "\xff\xef\xfe", "fo", "f", "foo"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(bytesOf(ByteArray::fromBase64(String(texts[i]))), expected[i]) << "row " << i;
}

TEST(Base64, RefusesDamagedText)
{
    const char16_t* damaged[] = {
        u"Zm9v*",      u"*Zm9v", u"Zm-_", u"Zm=9v", u"Zg=",  u"Zm9vY=",       u"Zg\vZg",
        u"Zm9v\u00C4", u"Z=Z=",  u"",     u"   ",   u"====", u"hello world!",
    };
    for (const char16_t* const& text : damaged) {
        EXPECT_TRUE(ByteArray::fromBase64(String(text)).isEmpty()) << "row " << (&text - damaged);
        EXPECT_FALSE(String(text).isBase64()) << "row " << (&text - damaged);
    }
    EXPECT_TRUE(String(u"Zg").isBase64());
    const char16_t withZero[] = {u'Z', u'm', 0, u'9', u'v'};
    ByteArray out = bytes("kept");
    EXPECT_FALSE(base64Decode(withZero, 5, out));
    EXPECT_FALSE(base64Decode(u"Zm9v", 0, out));
    EXPECT_FALSE(base64Decode(nullptr, 4, out));
    EXPECT_EQ(bytesOf(out), "kept");

    int count = 0;
    for (int unit = 0; unit < 0x10000; ++unit)
        count += isBase64Char(static_cast<char16_t>(unit)) ? 1 : 0;
    EXPECT_EQ(count, 65);
}
