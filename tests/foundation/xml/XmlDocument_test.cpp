// Every caller reaches its data through these lookups: the configuration by
// group and item, the language file by path, the update answer by
// "answer/version". A wrong match or a crash on a missing name breaks them.
#include <gtest/gtest.h>

#include "foundation/xml/XmlDocument.h"
#include "tests/foundation/xml/XmlTestText.h"

TEST(XmlDocument, FindsElementsByPath)
{
    XmlDocument document;
    ASSERT_TRUE(
        document.loadFromString(u"<?xml version=\"1.0\"?>"
                                u"<answer><version>1.2</version><link>x</link>"
                                u"<deep><version>2</version><inner><leaf>3</leaf></inner></deep></answer>",
                                false));
    // Each row: a path and the value of the element it finds (empty: none).
    // A single name is looked up whole, so a slash at either end misses it.
    const char16_t* rows[][2] = {{u"answer/version", u"1.2"},
                                 {u"answer//version", u"1.2"},
                                 {u"/answer/version/", u"1.2"},
                                 {u"answer/deep/version", u"2"},
                                 {u"answer/deep/inner/leaf", u"3"},
                                 {u"answer/", u""},
                                 {u"/answer", u""},
                                 {u"answer/missing/leaf", u""},
                                 {u"version", u""},
                                 {u"", u""},
                                 {u"ANSWER/Version", u""}};
    for (const auto& row : rows) {
        XmlElement* found = document.findElement(row[0]);
        EXPECT_EQ(found == nullptr ? u"" : u16(found->value()), row[1]) << "row " << (&row - rows);
    }
    EXPECT_EQ(u16(document.findElementNoCase(u"ANSWER/Version")->value()), u"1.2");
}

TEST(XmlDocument, LooksUpAttributesAndChildrenByFirstMatch)
{
    XmlElement element(u"item");
    element.addAttribute(u"name", u"first");
    element.addAttribute(u"Name", u"second");
    element.addAttribute(u"name", u"third");
    EXPECT_EQ(u16(element.attribute(u"name")), u"first");
    EXPECT_EQ(u16(element.attributeNoCase(u"NAME")), u"first");

    XmlElement* plain = element.addChild(u"group");
    element.addChild(u"group")->addAttribute(u"name", u"view");
    XmlElement* wanted = element.addChild(u"group");
    wanted->addAttribute(u"name", u"model");
    EXPECT_EQ(element.child(u"GROUP"), nullptr);
    EXPECT_EQ(element.childNoCase(u"GROUP"), plain);
    EXPECT_EQ(element.findChildWithAttribute(u"name", u"model"), wanted);
}

TEST(XmlDocument, DestroysTreesOfAnyDepthWithoutRecursion)
{
    // Far deeper than any stack could recurse through; built by code, since
    // the reader refuses such nesting.
    XmlDocument document;
    XmlElement* element = &document.root();
    for (int depth = 0; depth < 300000; ++depth)
        element = element->addChild(u"n");
    document.clear();
    EXPECT_TRUE(document.isEmpty());
}

TEST(XmlDocument, RoundTripsEveryEscapedCharacterAndForeignText)
{
    const std::u16string values[] = {
        u"& ' \" < >", u"&amp; &lt;tag&gt; &#38; &#x26;",
        u"  blanks  ", u"tab\tline\r\nbreak",
        u"?>",         u"J\u00f6rg \u0393\u03b5\u03b9\u03ac \u041f\u0440\u0438 \u4e2d\u6587 \U0001F3AC"};
    XmlDocument document;
    XmlElement* list = document.root().addChild(u"list");
    for (const std::u16string& value : values) {
        XmlElement* item = list->addChild(u"item");
        item->addAttribute(u"v", str(value));
        item->setValue(str(value));
    }
    String out;
    ASSERT_TRUE(document.toString(out));
    XmlDocument back;
    ASSERT_TRUE(back.loadFromString(out, false));
    ASSERT_EQ(back.findElement(u"list")->children().count(), 6);
    int index = 0;
    for (XmlElement* item : back.findElement(u"list")->children()) {
        EXPECT_EQ(u16(item->attribute(u"v")), values[index]);
        EXPECT_EQ(u16(item->value()), values[index++]);
    }
}
