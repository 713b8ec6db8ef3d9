// MD5 digests: the test suite of RFC 1321 must come out the same from the
// system's service under Windows and from our own code natively.
#include <gtest/gtest.h>

#include <string>

#include "foundation/hash/Md5Digest.h"
#include "tests/support/StringTestHelpers.h"

TEST(Md5Digest, Rfc1321VectorsPaddingBoundariesAndNoInput)
{
    // 55, 56 and 64 bytes put the length into the first or a second final block.
    const int runs[] = {55, 56, 64, 1000000};
    const char16_t* digests[] = {u"ef1772b6dff9a122358552954ad0df65", u"3b0c8ac703f828b04c6c197006d17218",
                                 u"014842d480b571495a4a0363793f7367", u"7707d6ae4e027c70eea2a935c2296f21"};
    for (int i = 0; i < 4; ++i) {
        const std::string input(static_cast<size_t>(runs[i]), 'a');
        EXPECT_EQ(u16(Md5Digest(input.data(), runs[i]).toString()), digests[i]) << runs[i];
    }
    EXPECT_EQ(u16(Md5Digest("abc", 3).toString()), u"900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(u16(Md5Digest("K\xC3\xA4se", 5).toString()), u"889f9fcced62320cb2bb284aaf7e93f2");
    // An empty input has a digest in RFC 1321, but here it means "no
    // password", so it must stay distinguishable from every real digest.
    EXPECT_TRUE(Md5Digest("abc", 0).isNull());
    EXPECT_EQ(u16(Md5Digest("abc", 0).toString()), u"");
    EXPECT_TRUE(Md5Digest(nullptr, 3).isNull());
}
