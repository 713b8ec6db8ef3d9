// The reader takes in the configuration, the language files, the skin and the
// update service's answers. It must take every file we write, refuse what is
// not our dialect, and never turn a damaged or hostile text into a crash or a
// half-read document that looks whole.
#include <gtest/gtest.h>

#include "foundation/xml/XmlDocument.h"
#include "foundation/xml/XmlReader.h"
#include "tests/foundation/xml/XmlTestText.h"

#include <string>

namespace {

const std::u16string kDeclaration = u"<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n";

bool load(XmlDocument& document, const std::u16string& body)
{
    return document.loadFromString(str(kDeclaration + body), false);
}

bool loads(const std::u16string& body)
{
    XmlDocument document;
    return load(document, body);
}

std::u16string repeated(const std::u16string& part, int count)
{
    std::u16string all;
    for (int i = 0; i < count; ++i)
        all += part;
    return all;
}

} // namespace

TEST(XmlReader, ReadsElementsAttributesAndText)
{
    XmlDocument document;
    ASSERT_TRUE(load(document, u"<answer>\r\n"
                               u"    <version>1.2.1</version>\r\n"
                               u"    <link href='http://host/a?b=1&amp;c=2' kind=\"a > b < c\"/>\r\n"
                               u"</answer>\r\n"));
    XmlElement* answer = document.findElement(u"answer");
    ASSERT_NE(answer, nullptr);
    // The line break and indentation before the first child are its value.
    EXPECT_EQ(u16(answer->value()), u"\r\n    ");
    EXPECT_EQ(u16(document.findElement(u"answer/version")->value()), u"1.2.1");
    EXPECT_EQ(u16(answer->child(u"link")->attribute(u"href")), u"http://host/a?b=1&c=2");
    EXPECT_EQ(u16(answer->child(u"link")->attribute(u"kind")), u"a > b < c");
    // End tags close the innermost element whatever their name; the first of
    // two equal attributes wins.
    ASSERT_TRUE(load(document, u"<a><b>1</c><d k=\"1\" k=\"2\"/></x>"));
    EXPECT_EQ(u16(document.findElement(u"a/b")->value()), u"1");
    EXPECT_EQ(u16(document.findElement(u"a/d")->attribute(u"k")), u"1");
    // The five entities are decoded once; nothing else is an entity.
    ASSERT_TRUE(load(document, u"<a v=\"&amp;lt;&#65;&apos;&quot;\">&amp;gt;&#x41;&&lt;;&&am&nbsp;</a>"));
    EXPECT_EQ(u16(document.findElement(u"a")->attribute(u"v")), u"&lt;&#65;'\"");
    EXPECT_EQ(u16(document.findElement(u"a")->value()), u"&gt;&#x41;&<;&&am&nbsp;");
}

TEST(XmlReader, AcceptsTheLooserFormsOfItsDialectAndRefusesTheRest)
{
    int row = 0;
    for (const char16_t* body :
         {u" \r\n\t ", u"<!-- before --><a><!-- inside --><b/></a><!-- after -->", u"<!----><a/>",
          u"<!--><a/>", u"< a / >", u"<a></a >", u"<a x = \"1\"y='2'/>", u"<a x==\"1\"/>",
          u"<a.b-c_d e.f-g_h=\"1\"/>", u"<a\u00e4\u03b1\u0436 \u00fc=\"1\"/>"})
        EXPECT_TRUE(loads(body)) << "accepted row " << row++;
    row = 0;
    for (const char16_t* body :
         {u"<a/>text", u"<a>x<!-- c -->y</a>", u"<?pi data?><a/>", u"<a><![CDATA[x]]></a>", u"<ns:a/>",
          u"</a>", u"<a _x=\"1\"/>", u"<a x\"1\"/>", u"<a x=1/>", u"<a>1<2</a>", u"<>", u"<a b/>", u"<a/ x>"})
        EXPECT_FALSE(loads(body)) << "refused row " << row++;

    // The declaration: alone it is an empty document, a mark may precede it,
    // and it is not read, so a "?>" inside a comment does not end it.
    XmlDocument document;
    EXPECT_TRUE(document.loadFromString(u"<?xml version=\"1.0\"?>", false));
    EXPECT_TRUE(document.loadFromString(str(u"\ufeff" + kDeclaration + u"<a/>"), false));
    EXPECT_TRUE(document.loadFromString(u"<?xml version='1.0' <!-- ?> --> ?><a/>", false));
    EXPECT_NE(document.findElement(u"a"), nullptr);
    for (const char16_t* wrong : {u"", u"<?XML version=\"1.0\"?><a/>", u" <?xml version=\"1.0\"?><a/>",
                                  u"<a/>", u"<?xml version=\"1.0\" <a/>"})
        EXPECT_FALSE(document.loadFromString(wrong, false));
    // Lenient parsing starts on the declaration itself, where "<?" fails.
    EXPECT_FALSE(document.loadFromString(str(kDeclaration + u"<a/>"), true));
}

// Every unfinished construct at the end of the text: comments, tags,
// attributes in either quotes, text and end tags.
TEST(XmlReader, ATextCutShortIsRefusedAndAddsNothing)
{
    const std::u16string whole = kDeclaration + u"<groups>\r\n    <group name=\"model\">\r\n"
                                                u"<item name=\"a\" value='1'/><!-- note -->\r\n"
                                                u"<item name=\"b\">text &amp; more</item>\r\n"
                                                u"    </group>\r\n</groups>\r\n";
    const size_t bodyStart = kDeclaration.size();
    const size_t bodyEnd = whole.find(u"</groups>") + 9;
    for (size_t cut = 0; cut <= whole.size(); ++cut) {
        XmlDocument document;
        document.root().addChild(u"previous");
        bool loaded = document.loadFromString(str(whole.substr(0, cut)), false);
        bool declarationOnly = cut >= bodyStart - 2 && cut <= bodyStart;
        EXPECT_EQ(loaded, cut >= bodyEnd || declarationOnly) << "cut at " << cut;
        // Failure leaves nothing behind: no old content, no part of the new.
        EXPECT_TRUE(loaded || document.isEmpty()) << "cut at " << cut;
    }
    // Used on its own, the reader keeps what the document held before.
    XmlDocument document;
    document.root().addChild(u"kept");
    EXPECT_FALSE(XmlReader(&document).loadString(str(kDeclaration + u"<a/><b"), false));
    EXPECT_EQ(document.root().children().count(), 1);
}

TEST(XmlReader, SurvivesHostileTexts)
{
    // Nesting is capped, so neither reading nor destroying can run out of stack.
    const int kMax = XmlDocument::kMaxDepth;
    EXPECT_TRUE(loads(repeated(u"<a>", kMax) + repeated(u"</a>", kMax)));
    EXPECT_FALSE(loads(repeated(u"<a>", kMax + 1) + repeated(u"</a>", kMax + 1)));
    EXPECT_FALSE(loads(repeated(u"<a>", kMax) + u"<b/>" + repeated(u"</a>", kMax)));
    EXPECT_FALSE(loads(repeated(u"<a>", 200000)));

    // Units that are not characters at all are carried, not interpreted.
    std::u16string odd = u"<a v=\"\xd800\xffff\">\xdc00";
    odd += std::u16string(1, 0) + u"x</a>";
    XmlDocument document;
    ASSERT_TRUE(load(document, odd));
    EXPECT_EQ(document.findElement(u"a")->value().length(), 3);

    // Many elements and long texts load whole, within the step limit.
    std::u16string wide =
        u"<list>" + repeated(u"<i v=\"" + std::u16string(300, u'x') + u"\"/>", 2000) + u"</list>";
    ASSERT_TRUE(load(document, wide));
    EXPECT_EQ(document.findElement(u"list")->children().count(), 2000);
}
