// The bar-code search natively: which typed texts are searched, what the
// shop's answer gives, and the exchange against a loopback shop.
#include "app/barcode/BarCodeSearch.h"

#include "foundation/net/Network.h"
#include "foundation/net/UserAgent.h"
#include "model/NewMovieRecord.h"
#include "tests/support/TestHttpServer.h"
#include "tests/support/TestText.h"

#include <gtest/gtest.h>

#include <string>

using testsupport::text;
using testsupport::utf8;

namespace {

const char kOk[] = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n";

std::string productPage(const std::string& rawTitle)
{
    return "<html><body><div class=\"result\"><a class=\"title\" href=\"/dp/1\">" + rawTitle +
           "</a></div></body></html>";
}

} // namespace

TEST(BarCodeSearch, OnlyEightToThirteenDigitsAreSearched)
{
    struct Row
    {
        const char* typed;
        const char* digits; // empty: a beep, no request
    };
    const Row rows[] = {
        {" 123456789012", "123456789012"}, // a blank before twelve digits fills the field's 13
        {"12345678", "12345678"},
        {"1234567890123", "1234567890123"},
        {"\t5012345678900 ", "5012345678900"},
        {"1234567", ""},
        {"12345678901234", ""},
        {"1234-5678901", ""},
        {"12345 678", ""},
        {"abcdefghij", ""},
        {"", ""},
        {"        ", ""},
        {"\xef\xbc\x91\xef\xbc\x92\xef\xbc\x93\xef\xbc\x94\xef\xbc\x95\xef\xbc\x96\xef\xbc\x97\xef\xbc\x98",
         ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(utf8(BarCodeSearch::digitsOf(text(row.typed))), row.digits) << "typed: " << row.typed;
}

TEST(BarCodeSearch, TheAnswerGivesTitleAndMediumOrNothing)
{
    struct Row
    {
        std::string page;
        BarCodeSearch::Outcome outcome;
        const char* title;
        const char* medium;
    };
    const Row rows[] = {
        {productPage("Alien (Director's Cut Blu-ray) [Blu-ray]"), BarCodeSearch::kFound, "Alien", "Blu-ray"},
        {productPage("Alien [Blu-ray]"), BarCodeSearch::kFound, "Alien", ""},
        {productPage("Alien (DVD)"), BarCodeSearch::kFound, "Alien", ""},
        {productPage("Alien (DVD) [Region 2] [PAL]"), BarCodeSearch::kFound, "Alien", ""},
        {productPage("Alien (Special (DVD)) [Region 2]"), BarCodeSearch::kFound, "Alien", ""},
        {productPage("Heat (HD DVD) [Import]"), BarCodeSearch::kFound, "Heat", "DVD"},
        {productPage("Heat (VHS) [Tape]"), BarCodeSearch::kFound, "Heat", "VHS"},
        {productPage("Heat (Soundtrack CD) [Audio]"), BarCodeSearch::kFound, "Heat", "CD"},
        {productPage("Heat (blu-ray) [x]"), BarCodeSearch::kFound, "Heat", ""},
        {productPage("  Heat  "), BarCodeSearch::kFound, "Heat", ""},
        {productPage("Tom &amp; Jerry &#233;t&eacute; (DVD) [x]"), BarCodeSearch::kFound,
         "Tom & Jerry \xc3\xa9t\xc3\xa9", "DVD"},
        {productPage("(DVD) Alien [x]"), BarCodeSearch::kNotFound, "", ""},
        {productPage("[Blu-ray] Alien"), BarCodeSearch::kNotFound, "", ""},
        {productPage(""), BarCodeSearch::kNotFound, "", ""},
        {productPage("   "), BarCodeSearch::kNotFound, "", ""},
        {"<p>Your search \"1234\" did not match any products.</p>" + productPage("Alien"),
         BarCodeSearch::kNotFound, "", ""},
        {"<html><a class=title>Alien</a></html>", BarCodeSearch::kNotFound, "", ""},
        {"<a class=\"title\" href=x>Alien</a>", BarCodeSearch::kNotFound, "", ""},
        {"<a class=\"title\" href=\"x\">", BarCodeSearch::kNotFound, "", ""},
        {"<a class=\"title\" href=\"x\">Alien (DVD) [y]", BarCodeSearch::kFound, "Alien", "DVD"},
    };
    for (const Row& row : rows) {
        NewMovieRecord record;
        record.title = text("untouched");
        BarCodeSearch::Outcome outcome =
            BarCodeSearch::readPage(text(row.page), text("5012345678900"), record);
        EXPECT_EQ(outcome, row.outcome) << row.page;
        if (outcome != BarCodeSearch::kFound) {
            EXPECT_EQ(utf8(record.title), "untouched") << row.page;
            continue;
        }
        EXPECT_EQ(utf8(record.title), row.title) << row.page;
        EXPECT_EQ(utf8(record.format), row.medium) << row.page;
        EXPECT_EQ(utf8(record.barCode), "5012345678900");
        EXPECT_EQ(record.year, 0);
        EXPECT_TRUE(record.links.isEmpty());
    }
}

TEST(BarCodeSearch, TheExchangeWithTheShop)
{
    Network::instance().startup();
    testsupport::TestHttpServer shop;
    ASSERT_TRUE(shop.isListening());
    const std::string host = shop.hostAndPort();
    const std::string path = "/s/ref=nb_sb_noss?url=search-alias%3Dmovies-tv&field-keywords=";
    struct Row
    {
        const char* digits;
        testsupport::HttpScript script;
        BarCodeSearch::Outcome outcome;
        const char* title;
    };
    const std::string found = std::string(kOk) + productPage("Night Harbour (DVD) [2009]");
    const Row rows[] = {
        {"5012345678900", testsupport::answerWith(found), BarCodeSearch::kFound, "Night Harbour"},
        {"12345678", testsupport::answerWith(std::string(kOk) + "<p>did not match</p>"),
         BarCodeSearch::kNotFound, ""},
        {"12345678", testsupport::answerWith(std::string(kOk) + "<p>nothing here</p>"),
         BarCodeSearch::kNotFound, ""},
        {"12345678", testsupport::answerWith("HTTP/1.0 404 Not Found\r\n\r\n" + productPage("Alien")),
         BarCodeSearch::kFailed, ""},
        {"12345678", testsupport::answerWith(std::string(kOk)), BarCodeSearch::kFailed, ""},
        {"12345678", testsupport::answerWith(std::string(kOk) + std::string(40, '\0')),
         BarCodeSearch::kFailed, ""},
        {"12345678", testsupport::closedWithoutAnswer(), BarCodeSearch::kFailed, ""},
    };
    for (const Row& row : rows) {
        shop.enqueue(row.script);
        NewMovieRecord record;
        BarCodeSearch::Outcome outcome = BarCodeSearch::search(text(host), text(row.digits), record);
        EXPECT_EQ(outcome, row.outcome) << row.digits;
        EXPECT_EQ(utf8(record.title), row.title);
        EXPECT_EQ(shop.lastRequest(), "GET " + path + row.digits +
                                          " HTTP/1.0\r\nUser-Agent: " + utf8(userAgentString(1)) +
                                          "\r\nAccept-Language: en-us,en\r\nHost: " + host +
                                          "\r\nReferer: http://" + host + "/\r\nConnection: close\r\n\r\n");
    }
    EXPECT_EQ(shop.requests().size(), std::size(rows));
}

TEST(BarCodeSearch, ARefusedConnectionFailsSoThatItCanBeRetried)
{
    Network::instance().startup();
    std::string host;
    {
        testsupport::TestHttpServer gone;
        host = gone.hostAndPort();
    }
    NewMovieRecord record;
    EXPECT_EQ(BarCodeSearch::search(text(host), text("12345678"), record), BarCodeSearch::kFailed);
    EXPECT_TRUE(record.title.isEmpty());
}
