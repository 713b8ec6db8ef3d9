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
    ASSERT_EQ(document.root().children().count(), 1);
    XmlElement* answer = document.findElement(u"answer");
    ASSERT_NE(answer, nullptr);
    // The line break and indentation before the first child are its value.
    EXPECT_EQ(text(answer->value()), u"\r\n    ");
    EXPECT_EQ(text(document.findElement(u"answer/version")->value()), u"1.2.1");
    XmlElement* link = answer->child(u"link");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(text(link->attribute(u"href")), u"http://host/a?b=1&c=2");
    EXPECT_EQ(text(link->attribute(u"kind")), u"a > b < c");
    EXPECT_FALSE(link->hasValue());
}

TEST(XmlReader, AcceptsTheLooserFormsOfItsDialect)
{
    // The declaration alone, or with white space, is an empty document.
    XmlDocument document;
    EXPECT_TRUE(document.loadFromString(u"<?xml version=\"1.0\"?>", false));
    EXPECT_TRUE(document.isEmpty());
    EXPECT_TRUE(loads(u" \r\n\t "));
    // A byte-order mark in front of the declaration.
    EXPECT_TRUE(document.loadFromString(str(u"\ufeff" + kDeclaration + u"<a/>"), false));
    EXPECT_NE(document.findElement(u"a"), nullptr);

    EXPECT_TRUE(loads(u"<!-- before --><a><!-- inside --><b/></a><!-- after -->"));
    EXPECT_TRUE(loads(u"<!----><a/>"));
    EXPECT_TRUE(loads(u"<!--><a/>"));
    EXPECT_TRUE(loads(u"< a / >"));
    EXPECT_TRUE(loads(u"<a></a >"));
    EXPECT_TRUE(loads(u"<a x = \"1\"y='2'/>"));
    EXPECT_TRUE(loads(u"<a x==\"1\"/>"));
    EXPECT_TRUE(loads(u"<a.b-c_d e.f-g_h=\"1\"/>"));
    EXPECT_TRUE(loads(u"<a\u00e4\u03b1\u0436 \u00fc=\"1\"/>"));
    // The declaration is not read: a "?>" inside a comment does not end it.
    EXPECT_TRUE(document.loadFromString(u"<?xml version='1.0' <!-- ?> --> ?><a/>", false));
    EXPECT_NE(document.findElement(u"a"), nullptr);
}

TEST(XmlReader, EndTagsCloseTheInnermostElementWhateverTheirName)
{
    XmlDocument document;
    ASSERT_TRUE(load(document, u"<a><b>1</c><d/></x>"));
    XmlElement* a = document.findElement(u"a");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->children().count(), 2);
    EXPECT_EQ(text(document.findElement(u"a/b")->value()), u"1");
    EXPECT_NE(document.findElement(u"a/d"), nullptr);

    XmlElement* e = nullptr;
    ASSERT_TRUE(load(document, u"<e k=\"1\" k=\"2\"/>"));
    e = document.findElement(u"e");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->attributes().count(), 2);
    EXPECT_EQ(text(e->attribute(u"k")), u"1");
}

TEST(XmlReader, RefusesWhatIsNotItsDialect)
{
    XmlDocument document;
    EXPECT_FALSE(document.loadFromString(String(), false));
    EXPECT_FALSE(document.loadFromString(u"<?XML version=\"1.0\"?><a/>", false));
    EXPECT_FALSE(document.loadFromString(u" <?xml version=\"1.0\"?><a/>", false));
    EXPECT_FALSE(document.loadFromString(u"<a/>", false));
    EXPECT_FALSE(document.loadFromString(u"<?xml version=\"1.0\" <a/>", false));
    // Lenient parsing starts on the declaration itself, where "<?" fails.
    EXPECT_FALSE(document.loadFromString(str(kDeclaration + u"<a/>"), true));

    const char16_t* refused[] = {
        u"<a/>text",
        u"<a>x<!-- c -->y</a>",
        u"<?pi data?><a/>",
        u"<a><![CDATA[x]]></a>",
        u"<ns:a/>",
        u"<!DOCTYPE a><a/>",
        u"</a>",
        u"<a/></a>",
        u"<a _x=\"1\"/>",
        u"<a x\"1\"/>",
        u"<a x=1/>",
        u"<a x=\"1/>",
        u"<a>1<2</a>",
        u"<a !/>",
        u"<>",
        u"< >",
        u"<a b/>",
        u"<a/ x>",
    };
    for (const char16_t* body : refused)
        EXPECT_FALSE(loads(body)) << std::string(body, body + std::char_traits<char16_t>::length(body));
}

TEST(XmlReader, ATextCutShortIsRefused)
{
    const std::u16string whole = kDeclaration + u"<groups>\r\n"
                                                u"    <group name=\"model\">\r\n"
                                                u"        <item name=\"a\" value=\"1\"/>\r\n"
                                                u"        <!-- note -->\r\n"
                                                u"        <item name=\"b\">text &amp; more</item>\r\n"
                                                u"    </group>\r\n"
                                                u"</groups>\r\n";
    const size_t bodyStart = kDeclaration.size();
    const size_t bodyEnd = whole.find(u"</groups>") + 9;
    for (size_t cut = 0; cut <= whole.size(); ++cut) {
        XmlDocument document;
        document.root().addChild(u"previous");
        bool loaded = document.loadFromString(str(whole.substr(0, cut)), false);
        bool complete = cut >= bodyEnd;
        bool declarationOnly = cut >= bodyStart - 2 && cut <= bodyStart;
        EXPECT_EQ(loaded, complete || declarationOnly) << "cut at " << cut;
        // Failure leaves nothing behind: no old content, no part of the new.
        if (!loaded) {
            EXPECT_TRUE(document.isEmpty()) << "cut at " << cut;
        }
    }
}

TEST(XmlReader, AFailedLoadAddsNothing)
{
    XmlDocument document;
    EXPECT_FALSE(load(document, u"<a/><b x=\"1\"/><c>oops"));
    EXPECT_TRUE(document.isEmpty());

    // Used on its own, the reader keeps what the document held before.
    document.root().addChild(u"kept");
    XmlReader reader(&document);
    EXPECT_FALSE(reader.loadString(str(kDeclaration + u"<a/><b"), false));
    EXPECT_EQ(document.root().children().count(), 1);
    EXPECT_TRUE(reader.loadString(str(kDeclaration + u"<a/>"), false));
    EXPECT_EQ(document.root().children().count(), 2);
    EXPECT_FALSE(XmlReader(nullptr).loadString(str(kDeclaration), false));
}

TEST(XmlReader, DecodesThePredefinedEntitiesOnce)
{
    EXPECT_EQ(text(xmlUnescape(u"&lt;&gt;&amp;&apos;&quot;")), u"<>&'\"");
    EXPECT_EQ(text(xmlUnescape(u"&amp;lt;")), u"&lt;");
    EXPECT_EQ(text(xmlUnescape(u"&amp;amp;")), u"&amp;");
    EXPECT_EQ(text(xmlUnescape(u"&#38;&#x26;&nbsp;&lt")), u"&#38;&#x26;&nbsp;&lt");
    EXPECT_EQ(text(xmlUnescape(u"&&lt;;&")), u"&<;&");
    EXPECT_EQ(text(xmlUnescape(u"&am")), u"&am");
    EXPECT_EQ(text(xmlUnescape(u"plain")), u"plain");

    XmlDocument document;
    ASSERT_TRUE(load(document, u"<a v=\"&amp;lt;&#65;\">&amp;gt;&#x41;</a>"));
    XmlElement* a = document.findElement(u"a");
    EXPECT_EQ(text(a->attribute(u"v")), u"&lt;&#65;");
    EXPECT_EQ(text(a->value()), u"&gt;&#x41;");
}

TEST(XmlReader, FindsTheEndOfTheDeclaration)
{
    auto end = [](const std::u16string& t) {
        return XmlReader::findDeclarationEnd(t.data(), int32_t(t.size()));
    };
    EXPECT_EQ(end(u"<?xml?>"), 7);
    EXPECT_EQ(end(u"?>"), 2);
    EXPECT_EQ(end(u"<?xml <!--?>-->?>"), 17);
    EXPECT_EQ(end(u"<!-->?>"), 7);
    EXPECT_EQ(end(u"<?xml"), -1);
    EXPECT_EQ(end(u"<?xml ?"), -1);
    EXPECT_EQ(end(u"<!-- ?>"), -1);
    EXPECT_EQ(end(u""), -1);
}

TEST(XmlReader, SurvivesHostileTexts)
{
    // Nesting is capped, so neither reading nor destroying can run out of stack.
    std::u16string deepest =
        repeated(u"<a>", XmlDocument::kMaxDepth) + repeated(u"</a>", XmlDocument::kMaxDepth);
    EXPECT_TRUE(loads(deepest));
    EXPECT_FALSE(
        loads(repeated(u"<a>", XmlDocument::kMaxDepth + 1) + repeated(u"</a>", XmlDocument::kMaxDepth + 1)));
    EXPECT_FALSE(loads(repeated(u"<a>", XmlDocument::kMaxDepth) + u"<b/>" +
                       repeated(u"</a>", XmlDocument::kMaxDepth)));
    EXPECT_FALSE(loads(repeated(u"<a>", 200000)));
    EXPECT_FALSE(loads(repeated(u"<a b=\"", 1000)));

    // Every unfinished construct at the very end of the text.
    const char16_t* endings[] = {u"<",   u"<!",  u"<!-",  u"<!--",  u"<!-- -", u"<!-- --",
                                 u"<a",  u"<a ", u"<a b", u"<a b=", u"<a b='", u"<a b='1'",
                                 u"<a/", u"<a>", u"<a>x", u"<a></", u"<a></a"};
    for (const char16_t* ending : endings)
        EXPECT_FALSE(loads(ending)) << std::string(ending,
                                                   ending + std::char_traits<char16_t>::length(ending));

    // Units that are not characters at all are carried, not interpreted.
    std::u16string odd = u"<a v=\"\xd800\xffff\">\xdc00";
    odd += char16_t(0);
    odd += u"x</a>";
    XmlDocument document;
    ASSERT_TRUE(load(document, odd));
    EXPECT_EQ(document.findElement(u"a")->value().length(), 3);

    // Many elements and long texts load whole.
    std::u16string wide =
        u"<list>" + repeated(u"<i v=\"" + std::u16string(300, u'x') + u"\"/>", 2000) + u"</list>";
    ASSERT_TRUE(load(document, wide));
    EXPECT_EQ(document.findElement(u"list")->children().count(), 2000);
}
