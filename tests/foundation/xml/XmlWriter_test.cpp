// The configuration file and every other XML file we write must come out
// byte for byte as before: older builds and hand-edited files read them.
#include <gtest/gtest.h>

#include "foundation/xml/XmlDocument.h"
#include "foundation/xml/XmlWriter.h"
#include "tests/foundation/xml/XmlTestText.h"

TEST(XmlWriter, WritesTheDocumentedFormIntoAString)
{
    XmlDocument document;
    String out;
    ASSERT_TRUE(document.toString(out));
    EXPECT_EQ(u16(out), u"<?xml version=\"1.0\" encoding=\"utf-16\"?>\r\n");

    XmlElement* groups = document.root().addChild(u"groups");
    XmlElement* model = groups->addChild(u"group");
    model->addAttribute(u"name", u"model");
    XmlElement* item = model->addChild(u"item");
    item->addAttribute(u"name", u"title");
    item->addAttribute(u"value", u"Tom & \"Jerry\" it's <b>");
    XmlElement* view = groups->addChild(u"group");
    view->setValue(u"lost");
    view->addChild(u"note")->setValue(u" kept <&> as is ");
    // The leading text, when there is one, stands on a line of its own. A
    // value beside children is not written.
    document.setLeadingText(u"<!-- generated -->");
    ASSERT_TRUE(XmlWriter(&document).writeString(out));
    EXPECT_EQ(u16(out),
              u"<!-- generated -->\r\n"
              u"<?xml version=\"1.0\" encoding=\"utf-16\"?>\r\n"
              u"<groups>\r\n"
              u"    <group name=\"model\">\r\n"
              u"        <item name=\"title\" value=\"Tom &amp; &quot;Jerry&quot; it&apos;s &lt;b&gt;\"/>\r\n"
              u"    </group>\r\n"
              u"    <group>\r\n"
              u"        <note> kept &lt;&amp;&gt; as is </note>\r\n"
              u"    </group>\r\n"
              u"</groups>\r\n");
}

TEST(XmlWriter, EscapesTheFiveCharactersAndNothingElse)
{
    // Entities already in the text are escaped again, never passed through.
    EXPECT_EQ(u16(xmlEscape(u"&amp;&#38;\t\r\n\u00e9")), u"&amp;amp;&amp;#38;\t\r\n\u00e9");
}

TEST(XmlWriter, RefusesWhatItCannotWrite)
{
    String out(u"old");
    XmlWriter nothing(nullptr);
    EXPECT_FALSE(nothing.writeString(out));
    EXPECT_TRUE(out.isEmpty());

    XmlDocument document;
    document.root().addChild(u"a");
    EXPECT_FALSE(document.save(String(), 3));
    for (int encoding : {1, 2, 5})
        EXPECT_FALSE(document.save(u"x.xml", encoding)) << encoding;

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
