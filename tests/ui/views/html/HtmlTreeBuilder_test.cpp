#include "ui/views/html/HtmlTokenizer.h"
#include "ui/views/html/HtmlTreeBuilder.h"

#include "HtmlTestSupport.h"

#include <gtest/gtest.h>

namespace {

std::string bodyOf(const std::string& html)
{
    const std::unique_ptr<HtmlNode> root = HtmlTreeBuilder().build(wide(html));
    return treeText(root->findByTag(u"BODY"));
}

int depthOf(const HtmlNode* node)
{
    int deepest = 0;
    for (const auto& child : node->children())
        deepest = std::max(deepest, depthOf(child.get()));
    return deepest + 1;
}

} // namespace

TEST(HtmlTreeBuilder, TagSoupBuildsTheTreeABrowserWould)
{
    const struct
    {
        const char* html;
        const char* body;
    } rows[] = {
        {"<p>a<p>b", "BODY(P(\"a\"),P(\"b\"))"},
        {"<p>a<div>b</div>c", "BODY(P(\"a\"),DIV(\"b\"),\"c\")"},
        {"<b><i>x</b>y</i>", "BODY(B(I(\"x\")),\"y\")"},
        {"<ul><li>a<li>b<ul><li>c</ul><li>d</ul>", "BODY(UL(LI(\"a\"),LI(\"b\",UL(LI(\"c\"))),LI(\"d\")))"},
        {"<table><td>x</table>", "BODY(TABLE(TR(TD(\"x\"))))"},
        {"<table><tr><td>a<td>b<tr><th>c</table>", "BODY(TABLE(TR(TD(\"a\"),TD(\"b\")),TR(TH(\"c\"))))"},
        {"<table><tbody><tr><td>a</td></tr></tbody></table>", "BODY(TABLE(TBODY(TR(TD(\"a\")))))"},
        {"<table>oops<tr><td>x</table>", "BODY(\"oops\",TABLE(TR(TD(\"x\"))))"},
        {"<table><tr><td><table><td>in</table>out</table>",
         "BODY(TABLE(TR(TD(TABLE(TR(TD(\"in\"))),\"out\"))))"},
        {"</p></div>text</span>", "BODY(\"text\")"},
        {"1 < 2 <3 & 4", "BODY(\"1 < 2 <3 & 4\")"},
        {"&lt;&amp;&eacute;&#233;&#x41;&bogus;&hellip;&#0;&amp", "BODY(\"<&\xC3\xA9\xC3\xA9"
                                                                 "A&bogus;\xE2\x80\xA6\xEF\xBF\xBD&amp\")"},
        {"<img src=a.png alt='x y'/>after<br/>", "BODY(IMG[src=a.png,alt=x y],\"after\",BR)"},
        {"<DIV ID=x Class=\"a b\" id=y><SpAn>t</sPaN></div>", "BODY(DIV[id=x,class=a b](SPAN(\"t\")))"},
        {"<!-- <p>gone</p> --><?xml x?><!DOCTYPE html>x", "BODY(\"x\")"},
        {"x<script>if (a<b) {}</script>y", "BODY(\"x\",SCRIPT(\"if (a<b) {}\"),\"y\")"},
        {"<a href=1>one<a href=2>two", "BODY(A[href=1](\"one\"),A[href=2](\"two\"))"},
        {"<a href=\"x>y", "BODY(A[href=x>y])"},
        {"<span/>in", "BODY(SPAN(\"in\"))"},
        {"</br>", "BODY(BR)"},
        {"<body bgcolor=red><p>x</body></html>z", "BODY[bgcolor=red](P(\"xz\"))"},
        {"<", "BODY(\"<\")"},
        {"<div", "BODY(DIV)"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.body, bodyOf(row.html)) << row.html;
}

TEST(HtmlTreeBuilder, HeadContentGoesToTheHead)
{
    const std::unique_ptr<HtmlNode> root =
        HtmlTreeBuilder().build(wide("<title>T &amp; U</title><style>p{}</style><p>x</p><style>q{}</style>"));
    EXPECT_EQ("HTML(HEAD(TITLE(\"T & U\"),STYLE(\"p{}\")),BODY(P(\"x\"),STYLE(\"q{}\")))",
              treeText(root.get()));
}

TEST(HtmlTreeBuilder, HostileInputStaysBounded)
{
    std::string deep;
    for (int i = 0; i < 5000; ++i)
        deep += "<div><span>";
    const std::unique_ptr<HtmlNode> nested = HtmlTreeBuilder().build(wide(deep + "x"));
    EXPECT_LE(depthOf(nested.get()), HtmlTreeBuilder::kMaxDepth + 1);

    std::string attributes = "<p";
    for (int i = 0; i < 500; ++i)
        attributes += " a" + std::to_string(i) + "=" + std::to_string(i);
    const std::string longValue(HtmlTokenizer::kMaxAttributeLength + 100, 'v');
    const std::unique_ptr<HtmlNode> wide1 =
        HtmlTreeBuilder().build(wide(attributes + "><q title=" + longValue + ">"));
    const HtmlNode* p = wide1->findByTag(u"P");
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(HtmlTokenizer::kMaxAttributes, static_cast<int>(p->attributes().size()));
    EXPECT_EQ(HtmlTokenizer::kMaxAttributeLength, wide1->findByTag(u"Q")->attribute(u"title").length());
}
