// The stored form of a collection password and the match of a typed one.
#include "app/password/PasswordDigest.h"

#include <gtest/gtest.h>

TEST(PasswordDigest, StoredFormIsTheLowerCaseHexDigestOfTheUtf8Bytes)
{
    struct Case
    {
        const char16_t* password;
        const char16_t* stored;
    };
    // Digests computed independently of this code.
    const Case cases[] = {
        {u"abc", u"900150983cd24fb0d6963f7d28e17f72"},
        {u"password", u"5f4dcc3b5aa765d61d8327deb882cf99"},
        {u"Password", u"dc647eb65e6711e155375218212b3964"},
        {u"P\u00e4ssw\u00f6rd ", u"6d814f1c9f1c70384511ed29d5ad4ab7"},
        {u"\u65e5\u672c", u"4dbed2e657457884e67137d3514119b3"},
        {u"", u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(passwordDigest(String(c.password)), String(c.stored)) << "case " << (&c - cases);
}

TEST(PasswordDigest, ATypedPasswordMatchesExactly)
{
    const String stored = passwordDigest(String(u"Secret"));
    struct Case
    {
        const char16_t* typed;
        const char16_t* stored;
        bool matches;
    };
    const String upperStored = stored.toUpper();
    const Case cases[] = {
        {u"Secret", stored.data(), true},
        {u"secret", stored.data(), false},
        {u"SECRET", stored.data(), false},
        {u"Secret ", stored.data(), false},
        {u"", stored.data(), false},
        {u"", u"", false},
        // A stored form in capitals is not the lower-case one.
        {u"Secret", upperStored.data(), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(passwordMatches(String(c.typed), String(c.stored)), c.matches) << "case " << (&c - cases);
}
