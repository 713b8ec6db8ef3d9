// MD5 digests: the test suite of RFC 1321 must come out the same from the
// system's service under Windows and from our own code natively.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "foundation/hash/Md5Digest.h"
#include "tests/foundation/text/StringTestHelpers.h"

namespace {

std::u16string md5Text(const std::string& bytes)
{
    return u16(Md5Digest(bytes.data(), static_cast<uint32_t>(bytes.size())).toString());
}

} // namespace

TEST(Md5Digest, Rfc1321TestSuite)
{
    EXPECT_EQ(md5Text("a"), u"0cc175b9c0f1b6a831c399e269772661");
    EXPECT_EQ(md5Text("abc"), u"900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(md5Text("message digest"), u"f96b697d7cb7938d525a2f31aaf161d0");
    EXPECT_EQ(md5Text("abcdefghijklmnopqrstuvwxyz"), u"c3fcd3d76192e4007dfb496cca67e13b");
    EXPECT_EQ(md5Text("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"),
              u"d174ab98d277d9f5a5611c2c9f419d9f");
    EXPECT_EQ(md5Text("12345678901234567890123456789012345678901234567890123456789012345678901234567890"),
              u"57edf4a22be3c955ac49da2e2107b67a");
}

TEST(Md5Digest, PaddingBoundaries)
{
    // 55, 56 and 64 bytes put the length into the first or a second final
    // block; known digests of runs of 'a'.
    EXPECT_EQ(md5Text(std::string(55, 'a')), u"ef1772b6dff9a122358552954ad0df65");
    EXPECT_EQ(md5Text(std::string(56, 'a')), u"3b0c8ac703f828b04c6c197006d17218");
    EXPECT_EQ(md5Text(std::string(64, 'a')), u"014842d480b571495a4a0363793f7367");
    EXPECT_EQ(md5Text(std::string(1000000, 'a')), u"7707d6ae4e027c70eea2a935c2296f21");
}

TEST(Md5Digest, NothingHashedIsTheNullDigest)
{
    // An empty input has a digest in RFC 1321, but here it means "no
    // password", so it must stay distinguishable from every real digest.
    Md5Digest none;
    EXPECT_TRUE(none.isNull());
    EXPECT_EQ(u16(none.toString()), u"");
    EXPECT_TRUE(Md5Digest("abc", 0).isNull());
    EXPECT_TRUE(Md5Digest(nullptr, 3).isNull());
    Md5Digest abc("abc", 3);
    EXPECT_FALSE(abc.isNull());
    EXPECT_EQ(abc.bytes()[0], 0x90);
    EXPECT_EQ(abc.bytes()[15], 0x72);
}

TEST(Md5Digest, StoredPasswordFormIsTheDigestOfTheUtf8Bytes)
{
    // "Käse" in UTF-8.
    const char password[] = "K\xC3\xA4se";
    String stored = Md5Digest(password, 5).toString();
    EXPECT_EQ(u16(stored), u"889f9fcced62320cb2bb284aaf7e93f2");
}
