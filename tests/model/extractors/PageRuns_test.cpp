// The page reader: text runs from tag soup, the attribute look-up's window,
// the queries the rules ask and the search query's encoding.
#include "model/extractors/MovieDbExtractor.h"
#include "tests/model/extractors/ExtractorTestSupport.h"

#include <gtest/gtest.h>

using extractortest::text;
using extractortest::utf8;

namespace {

// Runs as "text|href|src|alt" joined by ";", empty trailing fields dropped.
std::string runsOf(const MovieExtractor& extractor)
{
    std::string all;
    for (const PageTextRun& run : extractor.runs()) {
        std::string one = utf8(run.text) + "|" + utf8(run.href) + "|" + utf8(run.src) + "|" + utf8(run.alt);
        while (!one.empty() && one.back() == '|')
            one.pop_back();
        all += (all.empty() ? "" : ";") + one;
    }
    return all;
}

} // namespace

TEST(PageRuns, HtmlToRunsFollowsThePagesShape)
{
    struct Row
    {
        const char* html;
        const char* expected;
    } rows[] = {
        {"S <a href=\"/x\">Link</a> tail<br>", "S;Link|/x;tail"},
        {"S<a href=\"/l\"></a><b>Next</b><i>", "S;Next|/l"},       // a link without text lends its href
        {"S<a href=\"/1\"></a><a href=\"/2\"></a>T<i>", "S;T|/2"}, // unless a later link replaces it
        {"S<A href=\"/1\">a</A><a\nhref=\"/2\">b</a><a href='/3'>c</a><i>", "S;a;b;c"},
        {"S<img src=\"/p.png\" alt=\"Pic\"><i>", "S;||/p.png|Pic"},
        {"S<script>var x = \"<b>T</b>\";", "S"}, // an unclosed script ends the page
        {"S<style>p { x: \"<b>T</b>\" }</style>U<i>", "S;U"},
        {"S<b>a\r\nb</b>", "S;a  b"},
        {"S<b> </b><b>T</b>", "S;T"},          // blanks wait for the next text
        {"S<b title=\"a>b\">T</b>", "S;b\"T"}, // '>' ends a tag wherever it stands
        {"S<b>x END y</b><b>z</b>", "S;x END y"},
        {"S<b>a &amp; b</b>", "S;a &amp; b"}, // no replace table loaded
        {"S<b>last", "S"},                    // no '<' after the last text
    };
    MovieDbExtractor extractor;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.html);
        extractor.setPageText(text(row.html));
        EXPECT_TRUE(extractor.htmlToRuns(String(u"S"), String(u"END")));
        EXPECT_EQ(runsOf(extractor), row.expected);
    }
    extractor.setPageText(text("<b>no marker</b>"));
    EXPECT_FALSE(extractor.htmlToRuns(String(u"S"), String(u"END")));
    extractor.setPageText(String());
    EXPECT_FALSE(extractor.htmlToRuns(String(u"S"), String(u"END")));
}

TEST(PageRuns, ReplaceTableRewritesOnlyTextsWithAnAmpersand)
{
    MovieDbExtractor extractor;
    extractortest::loadTestTable(extractor);
    EXPECT_EQ(extractor.replacementCount(), 7); // every child of "pairs", whatever its name
    extractor.setPageText(text("S<b>Caf&eacute; &amp;lt; &quot;x&quot;</b><b>a&nbsp;</b><i>"));
    ASSERT_TRUE(extractor.htmlToRuns(String(u"S"), String(u"END")));
    EXPECT_EQ(runsOf(extractor), "S;Café &lt; \"x\";a "); // trimmed before, so the blank stays
    EXPECT_FALSE(extractor.loadReplaceTable(text(extractortest::dataPath("missing.xml"))));
    EXPECT_EQ(extractor.replacementCount(), 0);
}

TEST(PageRuns, HelpersStayInsideTheirWindow)
{
    struct Row
    {
        const char* text;
        int from, to;
        const char* expected;
        bool found;
    } rows[] = {
        {"<a href=\"/x\">", 0, 256, "/x", true},
        {"<a href=\"\">", 0, 256, "", true},
        {"<a href=\"/x\">", 0, 10, "", false},  // the closing quote lies past the window
        {"<a href=\"/x\">", 3, 256, "", false}, // the marker begins before from
        {"<a title=\"t\"><a href=\"/y\">", 0, 256, "/y", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        MovieExtractor::Match match;
        String found = MovieExtractor::textBetween(text(row.text), match, row.from, row.to,
                                                   String(u" href=\""), String(u"\""));
        EXPECT_EQ(utf8(found), row.expected);
        EXPECT_EQ(match.found, row.found);
    }
}

TEST(PageRuns, QueriesNeverReadPastTheList)
{
    MovieDbExtractor extractor;
    extractor.setPageText(text("S<a href=\"/n/1\">One</a><b>Two</b><a href=\"/n/2\">Three</a><i>"));
    ASSERT_TRUE(extractor.htmlToRuns(String(u"S"), String(u"END")));
    EXPECT_EQ(utf8(extractor.runText(-1)), "S");
    EXPECT_EQ(utf8(extractor.runText(4)), "");
    EXPECT_EQ(extractor.linkTextsWithHref(String(u"/n/"), 1, 2).count(), 1);  // two runs examined
    EXPECT_EQ(extractor.linkTextsWithHref(String(u"/n/"), -1, 0).count(), 0); // a marker not found
    EXPECT_EQ(extractor.linkTextsWithHref(String(u"/n/"), -5, 0).count(), 2);

    struct Query
    {
        const char* typed;
        const char* encoded;
    } queries[] = {
        {"night  harbour: the return", "night+harbour%3A+the+return"},
        {"Tom & Jerry, Café·Bar", "Tom+%26+Jerry%2C+Caf%E9%B7Bar"},
        {"100% C++ #1", "100%25+C%2B%2B+%231"},
    };
    for (const Query& query : queries)
        EXPECT_EQ(utf8(MovieExtractor::encodeQuery(text(query.typed).collapseWhitespace())), query.encoded);
}
