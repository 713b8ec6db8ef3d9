// Helper.exe's command line: only -path and -try, each once with a value,
// are taken; anything else must start nothing.
#include "app/helper/HelperArguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Arguments = std::vector<std::u16string>;

} // namespace

TEST(HelperArguments, TakesThePathAndTheCountInEitherOrder)
{
    struct Case
    {
        const char* what;
        Arguments arguments;
        const char16_t* path;
        int tries;
    };
    const Case cases[] = {
        {"as the program passes it",
         {u"-path", u"C:\\Program Files\\Reelstack\\reelstack.exe", u"-try", u"1000"},
         u"C:\\Program Files\\Reelstack\\reelstack.exe",
         1000},
        {"count first", {u"-try", u"1", u"-path", u"Z:\\r.exe"}, u"Z:\\r.exe", 1},
        {"the largest count", {u"-path", u"r.exe", u"-try", u"1000000"}, u"r.exe", 1000000},
        {"leading zeros", {u"-path", u"r.exe", u"-try", u"007"}, u"r.exe", 7},
    };
    for (const Case& c : cases) {
        HelperArguments parsed;
        ASSERT_TRUE(parsed.parse(c.arguments)) << c.what;
        EXPECT_EQ(parsed.programPath(), std::u16string(c.path)) << c.what;
        EXPECT_EQ(parsed.tries(), c.tries) << c.what;
    }
}

TEST(HelperArguments, RefusesAnythingElseAndKeepsNothing)
{
    struct Case
    {
        const char* what;
        Arguments arguments;
    };
    const Case cases[] = {
        {"nothing", {}},
        {"no count", {u"-path", u"r.exe"}},
        {"no path", {u"-try", u"5"}},
        {"a switch without its value", {u"-path", u"r.exe", u"-try"}},
        {"an empty path", {u"-path", u"", u"-try", u"5"}},
        {"a count of zero", {u"-path", u"r.exe", u"-try", u"0"}},
        {"a negative count", {u"-path", u"r.exe", u"-try", u"-5"}},
        {"a count past the limit", {u"-path", u"r.exe", u"-try", u"1000001"}},
        {"a count that overflows", {u"-path", u"r.exe", u"-try", u"99999999999999999999"}},
        {"a count with letters", {u"-path", u"r.exe", u"-try", u"10x"}},
        {"a count with a blank", {u"-path", u"r.exe", u"-try", u" 10"}},
        {"an empty count", {u"-path", u"r.exe", u"-try", u""}},
        {"the path twice", {u"-path", u"a.exe", u"-path", u"b.exe"}},
        {"an unknown switch", {u"-path", u"r.exe", u"-wait", u"5"}},
        {"switches in another case", {u"-PATH", u"r.exe", u"-TRY", u"5"}},
        {"one argument too many", {u"-path", u"r.exe", u"-try", u"5", u"extra"}},
    };
    for (const Case& c : cases) {
        HelperArguments parsed;
        ASSERT_TRUE(parsed.parse({u"-path", u"old.exe", u"-try", u"3"}));
        EXPECT_FALSE(parsed.parse(c.arguments)) << c.what;
        EXPECT_TRUE(parsed.programPath().empty()) << c.what;
        EXPECT_EQ(parsed.tries(), 0) << c.what;
    }
}
