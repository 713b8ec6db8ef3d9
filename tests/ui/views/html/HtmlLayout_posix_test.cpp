// Layout in the native build's fixed-width stand-in font: a 16 px font is
// 8 px a character, 12 above the baseline and 4 below, lines 16 high.
#include "HtmlTestSupport.h"

#include <gtest/gtest.h>

namespace {

// The rectangle of the first text run drawing exactly text, or of the
// element with that id when the name starts with '#'.
std::string placed(const HtmlDocument& document, const std::string& name)
{
    if (name[0] == '#') {
        const HtmlNode* element = byId(document, name.c_str() + 1);
        return element ? boxText(element->rect()) : "missing";
    }
    for (const HtmlPaintItem& item : document.items()) {
        if ((item.kind == HtmlPaintItem::kText || item.kind == HtmlPaintItem::kMarker) &&
            narrow(item.text) == name)
            return boxText(item.rect);
    }
    return "missing";
}

} // namespace

TEST(HtmlLayout, BoxesAndLinesLandWhereCssPutsThem)
{
    const struct
    {
        const char* html;
        int width;
        const char* name;
        const char* rect;
    } rows[] = {
        // Words wrap at the width; the paragraph holds both lines.
        {"<p>aaa bbb ccc", 80, "aaa bbb", "0,0 56x16"},
        {"<p>aaa bbb ccc", 80, "ccc", "0,16 24x16"},
        {"<p id=p>aaa bbb ccc", 80, "#p", "0,0 80x32"},
        {"<p>aaa   \n bbb", 400, "aaa bbb", "0,0 56x16"},
        // Margins collapse into the larger: of siblings (white space between
        // them or not), and of a parent and its first or last child unless a
        // border or padding keeps them apart.
        {"<body style='margin:10px'><h1 id=h style='margin:8px 0;font-size:20px'>T</h1>"
         "<p id=p style='margin:12px 0'>x</p>",
         200, "#h", "10,10 180x20"},
        {"<body style='margin:10px'><h1 style='margin:8px 0;font-size:20px'>T</h1>"
         "<p id=p style='margin:12px 0'>x</p>",
         200, "#p", "10,42 180x16"},
        {"<p id=a style='margin:10px 0'>a</p>\n  <p id=b style='margin:10px 0'>b</p>", 400, "#b",
         "0,36 400x16"},
        {"<div id=d style='background:red'><p style='margin:20px 0'>x</p></div><p id=q style='margin:5px "
         "0'>y</p>",
         400, "#d", "0,20 400x16"},
        {"<div id=d style='background:red'><p style='margin:20px 0'>x</p></div><p id=q style='margin:5px "
         "0'>y</p>",
         400, "#q", "0,56 400x16"},
        {"<div style='padding-top:1px'><p id=p style='margin:20px 0'>x</p></div>", 400, "#p", "0,21 400x16"},
        // Widths, padding, borders and centring by automatic margins.
        {"<div id=d style='width:100px;margin:0 auto;padding:5px;border:2px solid red'>x</div>", 200, "#d",
         "43,0 114x30"},
        {"<div style='width:100px;margin:0 auto;padding:5px;border:2px solid red'>x</div>", 200, "x",
         "50,7 8x16"},
        {"<div id=d style='width:50%;margin-left:auto'>x</div>", 200, "#d", "100,0 100x16"},
        // A float takes room from the lines beside it; clear moves below it.
        {"<img style='float:left;width:50px;height:40px;margin-right:10px'><p>aaaa bbbb", 150, "aaaa bbbb",
         "60,0 72x16"},
        {"<img id=i style='float:right;width:50px;height:40px'><p>aaaa", 150, "#i", "100,0 50x40"},
        {"<img style='float:left;width:50px;height:40px'><p style='clear:both'>x", 150, "x", "0,40 8x16"},
        // Alignment, line height, inline boxes, breaks and preformatted text.
        {"<p style='text-align:center'>ab", 100, "ab", "42,0 16x16"},
        {"<p style='text-align:right'>ab", 100, "ab", "84,0 16x16"},
        {"<p style='line-height:30px' id=p>x", 100, "x", "0,7 8x16"},
        {"<p style='line-height:30px' id=p>x", 100, "#p", "0,0 100x30"},
        {"<p>a <span id=s style='background:red;padding:0 4px'>b</span>", 100, "#s", "16,0 16x16"},
        {"<p>a <span style='background:red;padding:0 4px'>b</span>", 100, "b", "20,0 8x16"},
        {"a<br>b", 100, "b", "0,16 8x16"},
        {"a<br><br>b", 100, "b", "0,32 8x16"},
        {"<pre>a  b\nc</pre>", 100, "a  b", "0,0 32x16"},
        {"<pre>a  b\nc</pre>", 100, "c", "0,16 8x16"},
        {"<p style='white-space:pre-wrap'>aa  bb cc</p>", 60, "aa  bb ", "0,0 56x16"},
        {"<p style='white-space:nowrap'>aaa bbb ccc</p>", 40, "aaa bbb ccc", "0,0 88x16"},
        // An inline block is one piece of its line, on the baseline of its
        // own last line, as wide as its content unless told.
        {"<p>a <span id=b style='display:inline-block;width:40px;height:20px;padding:2px;border:1px solid red'>x"
         "</span> c",
         400, "#b", "16,0 46x26"},
        {"<p>a <span style='display:inline-block;width:40px;height:20px;padding:2px;border:1px solid red'>x</span> c",
         400, "x", "19,3 8x16"},
        {"<p><span id=b style='display:inline-block;background:red'>xy z</span>", 400, "#b", "0,0 32x16"},
        // Lists indent their items and put the marker before the first line.
        {"<ul style='padding-left:40px'><li id=a>one<li>two</ul>", 400, "#a", "40,0 360x16"},
        {"<ul style='padding-left:40px'><li>one<li>two</ul>", 400, "\xE2\x80\xA2", "24,0 8x16"},
        {"<ol style='padding-left:40px'><li>one<li>two</ol>", 400, "2.", "16,16 16x16"},
        // Tables: columns as wide as their content, spans, percentages; cells
        // 1 px padded and 2 px apart unless the page says otherwise.
        {"<table style='border-collapse:collapse'><tr><td id=a style='padding:0'>aa<td id=b "
         "style='padding:0'>"
         "bbbb<tr><td id=c colspan=2 style='padding:0'>c</table>",
         400, "#b", "16,0 32x16"},
        {"<table style='border-collapse:collapse'><tr><td id=a style='padding:0'>aa<td id=b "
         "style='padding:0'>"
         "bbbb<tr><td id=c colspan=2 style='padding:0'>c</table>",
         400, "#c", "0,16 48x16"},
        {"<table id=t><tr><td>aa<td>bbbb</table>", 400, "#t", "0,0 58x22"},
        {"<table id=t><tr><td>aa<td>bbbb</table>", 400, "bbbb", "23,3 32x16"},
        {"<table style='width:200px;border-spacing:0'><tr><td id=a style='width:25%;padding:0'>a"
         "<td id=b style='padding:0'>b</table>",
         400, "#b", "50,0 150x16"},
        {"<table style='border-spacing:0'><tr><td style='padding:0'>a<br>b<td id=m style='padding:0'>m"
         "<td style='vertical-align:bottom;padding:0'>z</table>",
         400, "m", "8,8 8x16"},
        {"<table style='border-spacing:0'><tr><td style='padding:0'>a<br>b<td id=m style='padding:0'>m"
         "<td style='vertical-align:bottom;padding:0'>z</table>",
         400, "z", "16,16 8x16"},
        // Too little room: each column gets its narrowest plus a share of the
        // rest by how much wider it would like to be.
        {"<table style='border-spacing:0'><tr><td style='padding:0'>aaaaaaaaaa aaaaaaaaaa"
         "<td style='padding:0' id=b>bb bb</table>",
         120, "#b", "98,0 22x32"},
    };
    for (const auto& row : rows) {
        HtmlDocument document;
        load(document, std::string("<style>body, p, ul, ol, pre { margin: 0 }</style>") + row.html,
             row.width);
        EXPECT_EQ(row.rect, placed(document, row.name)) << row.html << " : " << row.name;
    }
}
