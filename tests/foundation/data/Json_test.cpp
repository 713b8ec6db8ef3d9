#include "foundation/data/JsonReader.h"
#include "foundation/data/JsonValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

struct GoodCase
{
    const char* text;
    const char* written; // the value written back, compact
};

TEST(Json, ReadsAndWritesBackValidTexts)
{
    const GoodCase cases[] = {
        {"null", "null"},
        {" true ", "true"},
        {"false", "false"},
        {"0", "0"},
        {"-12", "-12"},
        {"1.5e2", "150"},
        {"0.25", "0.25"},
        {"\"a\\\"b\\\\c\\/d\"", "\"a\\\"b\\\\c/d\""},
        {"\"\\u00e9\"", "\"\xC3\xA9\""},
        {"\"\\ud83c\\udfac\"", "\"\xF0\x9F\x8E\xAC\""},
        {"\"\\ud800x\"", "\"\xEF\xBF\xBDx\""},
        {"\"\\udc00\"", "\"\xEF\xBF\xBD\""},
        {"\"tab\\there\\u0001\"", "\"tab\\there\\u0001\""},
        {"[]", "[]"},
        {"{}", "{}"},
        {"[1, [2, {\"a\": []}], \"x\"]", "[1,[2,{\"a\":[]}],\"x\"]"},
        {"{\"b\":1,\"a\":2}", "{\"b\":1,\"a\":2}"},
        {"{\"a\":1,\"a\":2}", "{\"a\":2}"},
        {"\r\n\t{ \"k\" : null }\n", "{\"k\":null}"},
    };
    for (const GoodCase& c : cases) {
        JsonReader reader;
        JsonValue value;
        ASSERT_TRUE(reader.read(c.text, value)) << c.text << ": " << reader.error();
        EXPECT_EQ(value.write(), c.written) << c.text;
        JsonValue again;
        ASSERT_TRUE(reader.read(value.write(), again)) << c.text;
        EXPECT_EQ(again.write(), value.write()) << c.text;
    }
}

TEST(Json, RefusesMalformedTexts)
{
    const char* cases[] = {
        "",          "   ",        "nul",         "tru",
        "[1,]",      "{\"a\":1,}", "{a:1}",       "[1 2]",
        "{\"a\" 1}", "01",         "-",           "1.",
        ".5",        "1e",         "+1",          "\"abc",
        "\"\\x\"",   "\"\\u12\"",  "\"\\u12g4\"", "\"a\nb\"",
        "[",         "{\"a\":",    "1 2",         "[] x",
        "{}{}",      "NaN",        "Infinity",    "'a'",
        "[1,,2]",    "{,}",        "\"\\",        "{\"a\":1 \"b\":2}",
    };
    for (const char* text : cases) {
        JsonReader reader;
        JsonValue value = JsonValue("stale");
        EXPECT_FALSE(reader.read(text, value)) << text;
        EXPECT_TRUE(value.isNull()) << text;
        EXPECT_FALSE(reader.error().empty()) << text;
        EXPECT_LE(reader.errorOffset(), std::string(text).size()) << text;
    }
}

TEST(Json, NestingIsBoundedWithoutExhaustingTheStack)
{
    for (int depth : {JsonReader::kMaxDepth, JsonReader::kMaxDepth + 1, 100000}) {
        std::string text =
            std::string(static_cast<size_t>(depth), '[') + std::string(static_cast<size_t>(depth), ']');
        JsonReader reader;
        JsonValue value;
        EXPECT_EQ(reader.read(text, value), depth <= JsonReader::kMaxDepth) << depth;
    }
}

TEST(Json, ReadsAnEmbeddedNulAndStopsAtTheGivenSize)
{
    JsonReader reader;
    JsonValue value;
    const char text[] = "\"a\\u0000b\"trailing";
    ASSERT_TRUE(reader.read(text, 10, value));
    EXPECT_EQ(value.toText(), std::string("a\0b", 3));
    EXPECT_FALSE(reader.read(text, sizeof(text) - 1, value));
    EXPECT_FALSE(reader.read(nullptr, 5, value));
}

TEST(Json, WrongTypedQuestionsGiveEmptyAnswers)
{
    JsonReader reader;
    JsonValue value;
    ASSERT_TRUE(reader.read("{\"n\":3.9,\"s\":\"x\",\"a\":[true],\"big\":1e300,\"neg\":-1e300}", value));
    EXPECT_EQ(value["n"].toInt(), 3);
    EXPECT_EQ(value["s"].toInt(), 0);
    EXPECT_EQ(value["n"].toText(), "");
    EXPECT_TRUE(value["missing"].isNull());
    EXPECT_TRUE(value["a"].at(0).toBool());
    EXPECT_TRUE(value["a"].at(1).isNull());
    EXPECT_TRUE(value["a"].at(-1).isNull());
    EXPECT_TRUE(value["s"]["deeper"].at(3).isNull());
    EXPECT_EQ(value["big"].toInt(), std::numeric_limits<int>::max());
    EXPECT_EQ(value["neg"].toInt(), std::numeric_limits<int>::min());
    EXPECT_EQ(value.size(), 5);
    EXPECT_EQ(value["s"].size(), 0);
}

TEST(Json, BuiltValuesWriteValidText)
{
    JsonValue value;
    value.set("id", "a\"b");
    JsonValue& rows = value.set("rows", JsonValue::array());
    rows.append(1);
    rows.append(std::string("\x1f"));
    value.set("nan", std::nan(""));
    value.set("inf", std::numeric_limits<double>::infinity());
    value.set("id", 7);
    EXPECT_EQ(value.write(), "{\"id\":7,\"rows\":[1,\"\\u001f\"],\"nan\":null,\"inf\":null}");
    JsonReader reader;
    JsonValue back;
    EXPECT_TRUE(reader.read(value.write(), back));
}

// A reply as the automation channel hands one over: a value returned by
// value, read in place by the caller.
JsonValue reply()
{
    JsonValue value;
    JsonValue& names = value.set("names", JsonValue::array());
    for (const char* name : {"the first name asked for", "the second name asked for"})
        names.append(name);
    value.set("title", "a title longer than any inline text");
    return value;
}

// Loops and names bound to a part of a temporary read it after the statement
// that made it has ended; those parts must be the caller's own by then.
TEST(Json, PartsOfATemporaryOutliveTheStatementThatMadeIt)
{
    std::vector<std::string> names;
    for (const JsonValue& name : reply()["names"].elements())
        names.push_back(name.toText());
    EXPECT_EQ(names, std::vector<std::string>({"the first name asked for", "the second name asked for"}));

    std::vector<std::string> keys;
    for (const JsonValue::Member& member : reply().members())
        keys.push_back(member.first);
    EXPECT_EQ(keys, std::vector<std::string>({"names", "title"}));

    const std::string& title = reply()["title"].toText();
    EXPECT_EQ(title, "a title longer than any inline text");
    const JsonValue& first = reply()["names"].at(0);
    EXPECT_EQ(first.toText(), "the first name asked for");
    EXPECT_TRUE(reply()["names"].at(2).isNull());
    EXPECT_TRUE(reply()["missing"]["deeper"].isNull());
    EXPECT_EQ(reply()["names"].toText(), "");
}

} // namespace
