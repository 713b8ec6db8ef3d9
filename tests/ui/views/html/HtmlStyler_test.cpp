#include "ui/views/html/HtmlStyler.h"

#include "HtmlTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

std::string hexOf(const Color& color)
{
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), "%08X", color.value());
    return buffer;
}

// The computed values a row can ask about, as one line.
std::string summary(const HtmlStyle& style)
{
    return "color=" + hexOf(style.color) + " bg=" + hexOf(style.backgroundColor) +
           " size=" + std::to_string(style.fontSize) + " line=" + std::to_string(style.lineHeight) +
           " bold=" + std::to_string(style.bold) + " italic=" + std::to_string(style.italic) +
           " border=" + std::to_string(style.borderWidth[HtmlStyle::kTop]) + "/" +
           hexOf(style.borderColor[HtmlStyle::kTop]) +
           " margin=" + std::to_string(style.margin[HtmlStyle::kLeft].resolve(0, -1)) +
           " display=" + std::to_string(style.display);
}

std::string styleOf(const std::string& css, const std::string& body, int zoom = 100)
{
    HtmlDocument document;
    document.setZoom(zoom);
    load(document, "<style>" + css + "</style>" + body);
    const HtmlNode* element = byId(document, "x");
    return element ? summary(element->style()) : "missing";
}

} // namespace

TEST(HtmlStyler, CascadeFollowsSpecificityOrderAndImportance)
{
    const struct
    {
        const char* css;
        const char* body;
        const char* expected;
    } rows[] = {
        {"p{color:red} .c{color:blue}", "<p class=c id=x>", "color=FF0000FF"},
        {"#x{color:green} .c{color:blue}", "<p class='a c' id=x>", "color=FF008000"},
        {".c{color:blue} p{color:red}", "<p class=c id=x>", "color=FF0000FF"},
        {"p{color:red} p{color:blue}", "<p id=x>", "color=FF0000FF"},
        {"div p{color:red} p{color:blue}", "<div><p id=x></div>", "color=FFFF0000"},
        {"div > p{color:red}", "<div><span><p id=x></span></div>", "color=FF000000"},
        {"div > span{color:red}", "<div><span id=x></div>", "color=FFFF0000"},
        {"p{color:red !important} #x{color:blue}", "<p id=x>", "color=FFFF0000"},
        {"#x{color:blue}", "<p id=x style='color:#0f0'>", "color=FF00FF00"},
        {"#x{color:blue !important}", "<p id=x style='color:red'>", "color=FF0000FF"},
        {"div{color:red;background-color:red}", "<div><span id=x></div>", "color=FFFF0000 bg=00000000"},
        {"p{colr:red; color: notacolor; color: rgb(1, 2, 3)}", "<p id=x>", "color=FF010203"},
        {"p:hover{color:red} a[href]{color:red} p{color:#123}", "<p id=x>", "color=FF112233"},
        {"@media print { p { color: red } } p { color: #abcdef }", "<p id=x>", "color=FFABCDEF"},
        {"@import url(x.css); /* p{color:red} */ p{color:navy}", "<p id=x>", "color=FF000080"},
        {"p{background-color:blue}", "<p id=x bgcolor=red>", "bg=FF0000FF"},
        {"", "<a id=x href=y>", "color=FF0000EE"},
        {"", "<a id=x>", "color=FF000000"},
        {"#\\@play{color:red}", "<span id=@play><b id=x>", "color=FFFF0000"},
        {"", "<font color=#00ff00><b id=x>", "color=FF00FF00 bg=00000000 size=16 line=-1 bold=1"},
    };
    for (const auto& row : rows)
        EXPECT_THAT(styleOf(row.css, row.body), ::testing::HasSubstr(row.expected))
            << row.css << " " << row.body;
}

TEST(HtmlStyler, LengthsFontsAndBorders)
{
    const struct
    {
        const char* css;
        const char* body;
        int zoom;
        const char* expected;
    } rows[] = {
        {"p{font-size:12pt}", "<p id=x>", 100, "size=16"},
        {"div{font-size:20px} p{font-size:150%}", "<div><p id=x></div>", 100, "size=30"},
        {"div{font-size:20px} p{font-size:2em;margin-left:1em}", "<div><p id=x></div>", 100, "size=40"},
        {"div{font-size:20px} p{font-size:2em;margin-left:1em}", "<div><p id=x></div>", 100, "margin=40"},
        {"p{font-size:10px;line-height:1.4}", "<p id=x>", 100, "line=14"},
        {"p{font:italic bold 13px/18px Arial}", "<p id=x>", 100, "size=13 line=-1 bold=1 italic=1"},
        {"p{font-size:10px;margin-left:5px}", "<p id=x>", 200, "size=20"},
        {"p{font-size:10px;margin-left:5px}", "<p id=x>", 200, "margin=10"},
        {"p{border:1px solid #f00}", "<p id=x>", 100, "border=1/FFFF0000"},
        {"p{color:blue;border-style:solid}", "<p id=x>", 100, "border=3/FF0000FF"},
        {"p{border:2px}", "<p id=x>", 100, "border=0/"},
        {"p{border:1px solid red;border-top:none}", "<p id=x>", 100, "border=0/"},
        {"p{display:none}", "<p id=x>", 100, "display=2"},
        {"img{float:left}", "<img id=x>", 100, "display=1"},
    };
    for (const auto& row : rows) {
        EXPECT_THAT(styleOf(row.css, row.body, row.zoom), ::testing::HasSubstr(row.expected))
            << row.css << " " << row.body << " zoom " << row.zoom;
    }
}

TEST(HtmlStyler, ColoursParseOrAreRefused)
{
    const struct
    {
        const char* text;
        bool valid;
        uint32_t value;
    } rows[] = {
        {"#abc", true, 0xFFAABBCC},
        {"#A0B1C2", true, 0xFFA0B1C2},
        {"rgb(300, -1, 50%)", true, 0xFFFF007F},
        {"rgba(1,2,3,0)", true, 0x00010203},
        {"Red", true, 0xFFFF0000},
        {"transparent", true, 0},
        {"fuchsia", true, 0xFFFF00FF},
        {"#abcd", false, 0},
        {"#ggg", false, 0},
        {"redd", false, 0},
        {"rgb(1,2)", false, 0},
        {"", false, 0},
    };
    for (const auto& row : rows) {
        Color color;
        EXPECT_EQ(row.valid, HtmlStyler::parseColor(wide(row.text), color)) << row.text;
        if (row.valid) {
            EXPECT_EQ(row.value, color.value()) << row.text;
        }
    }
}
