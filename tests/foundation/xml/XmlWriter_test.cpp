// The configuration file and every other XML file we write must come out
// byte for byte as before: older builds and hand-edited files read them.
#include <gtest/gtest.h>

#include "foundation/xml/XmlDocument.h"
#include "foundation/xml/XmlWriter.h"
#include "tests/foundation/xml/XmlTestText.h"

namespace {

// The configuration's shape: groups, group, item.
void fillConfiguration(XmlDocument& document)
{
    XmlElement* groups = document.root().addChild(u"groups");
    XmlElement* model = groups->addChild(u"group");
    model->addAttribute(u"name", u"model");
    XmlElement* item = model->addChild(u"item");
    item->addAttribute(u"name", u"language");
    item->addAttribute(u"value", u"Deutsch");
    item = model->addChild(u"item");
    item->addAttribute(u"name", u"title");
    item->addAttribute(u"value", u"Tom & \"Jerry\"");
    XmlElement* view = groups->addChild(u"group");
    view->addAttribute(u"name", u"view");
    view->addChild(u"note")->setValue(u" kept as is ");
}

const char16_t kConfigurationBody[] =
    u"<groups>\r\n"
    u"    <group name=\"model\">\r\n"
    u"        <item name=\"language\" value=\"Deutsch\"/>\r\n"
    u"        <item name=\"title\" value=\"Tom &amp; &quot;Jerry&quot;\"/>\r\n"
    u"    </group>\r\n"
    u"    <group name=\"view\">\r\n"
    u"        <note> kept as is </note>\r\n"
    u"    </group>\r\n"
    u"</groups>\r\n";

} // namespace

TEST(XmlWriter, WritesTheDocumentedFormIntoAString)
{
    XmlDocument document;
    fillConfiguration(document);
    String out;
    ASSERT_TRUE(document.toString(out));
    EXPECT_EQ(text(out),
              u"<?xml version=\"1.0\" encoding=\"utf-16\"?>\r\n" + std::u16string(kConfigurationBody));

    // The leading text, when there is one, stands on a line of its own.
    document.setLeadingText(u"<!-- generated -->");
    ASSERT_TRUE(XmlWriter(&document).writeString(out));
    EXPECT_EQ(text(out), u"<!-- generated -->\r\n<?xml version=\"1.0\" encoding=\"utf-16\"?>\r\n" +
                             std::u16string(kConfigurationBody));
}

TEST(XmlWriter, WritesElementsByTheirContent)
{
    XmlDocument empty;
    String out;
    ASSERT_TRUE(empty.toString(out));
    EXPECT_EQ(text(out), u"<?xml version=\"1.0\" encoding=\"utf-16\"?>\r\n");

    XmlDocument document;
    XmlElement* both = document.root().addChild(u"both");
    both->setValue(u"lost");
    both->addChild(u"child")->addChild(u"grandchild")->addAttribute(u"a", u"1");
    document.root().addChild(u"odd name\"");
    ASSERT_TRUE(document.toString(out));
    // A value beside children is not written; names go out unchecked.
    EXPECT_EQ(text(out), u"<?xml version=\"1.0\" encoding=\"utf-16\"?>\r\n"
                         u"<both>\r\n"
                         u"    <child>\r\n"
                         u"        <grandchild a=\"1\"/>\r\n"
                         u"    </child>\r\n"
                         u"</both>\r\n"
                         u"<odd name\"/>\r\n");

    XmlWriter twoSpaces(&document);
    twoSpaces.setIndent(2);
    ASSERT_TRUE(twoSpaces.writeString(out));
    EXPECT_NE(text(out).find(u"\r\n    <grandchild a=\"1\"/>\r\n  </child>\r\n"), std::u16string::npos);
}

TEST(XmlWriter, EscapesTheFiveCharactersAndNothingElse)
{
    EXPECT_EQ(text(xmlEscape(u"<&>")), u"&lt;&amp;&gt;");
    EXPECT_EQ(text(xmlEscape(u"'\"")), u"&apos;&quot;");
    // Entities already in the text are escaped again, never passed through.
    EXPECT_EQ(text(xmlEscape(u"&amp;&#38;")), u"&amp;amp;&amp;#38;");
    EXPECT_EQ(text(xmlEscape(u"a\tb\r\nc \u00e9\u4e2d")), u"a\tb\r\nc \u00e9\u4e2d");
    EXPECT_TRUE(xmlEscape(String()).isEmpty());

    XmlDocument document;
    XmlElement* element = document.root().addChild(u"v");
    element->setValue(u"<&>");
    element->addAttribute(u"q", u"it's");
    String out;
    ASSERT_TRUE(document.toString(out));
    EXPECT_NE(text(out).find(u"<v q=\"it&apos;s\">&lt;&amp;&gt;</v>\r\n"), std::u16string::npos);
}

TEST(XmlWriter, RefusesWhatItCannotWrite)
{
    String out(u"old");
    XmlWriter nothing(nullptr);
    EXPECT_FALSE(nothing.writeString(out));
    EXPECT_TRUE(out.isEmpty());
    EXPECT_FALSE(nothing.writeFile(u"x.xml", 3));

    XmlDocument document;
    document.root().addChild(u"a");
    EXPECT_FALSE(document.save(String(), 3));
    EXPECT_FALSE(document.save(u"x.xml", 1));
    EXPECT_FALSE(document.save(u"x.xml", 2));
    EXPECT_FALSE(document.save(u"x.xml", 5));

    // A tree nested deeper than a document may be is refused, not written
    // into a text that no reader would take back.
    XmlElement* element = &document.root();
    for (int depth = 0; depth < XmlDocument::kMaxDepth; ++depth)
        element = element->addChild(u"d");
    EXPECT_TRUE(document.toString(out));
    element->addChild(u"d");
    EXPECT_FALSE(document.toString(out));
    EXPECT_TRUE(out.isEmpty());
}
