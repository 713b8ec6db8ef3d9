// Every caller reaches its data through these lookups: the configuration by
// group and item, the language file by path, the update answer by
// "answer/version". A wrong match or a crash on a missing name breaks them.
#include <gtest/gtest.h>

#include "foundation/xml/XmlDocument.h"
#include "tests/foundation/xml/XmlTestText.h"

TEST(XmlDocument, FindsElementsByPath)
{
    XmlDocument document;
    ASSERT_TRUE(document.loadFromString(u"<?xml version=\"1.0\"?>"
                                        u"<answer><version>1.2</version><link>x</link>"
                                        u"<deep><version>2</version><inner><leaf/></inner></deep></answer>",
                                        false));
    XmlElement* answer = document.findElement(u"answer");
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(text(answer->name()), u"answer");
    EXPECT_EQ(text(document.root().name()), u"ROOT");
    EXPECT_EQ(document.findElement(u"answer/version"), answer->child(u"version"));
    EXPECT_EQ(text(document.findElement(u"answer/version")->value()), u"1.2");
    EXPECT_EQ(document.findElement(u"answer//version"), answer->child(u"version"));
    EXPECT_EQ(document.findElement(u"/answer/version/"), answer->child(u"version"));
    EXPECT_NE(document.findElement(u"answer/deep/inner/leaf"), nullptr);
    EXPECT_EQ(text(document.findElement(u"answer/deep/version")->value()), u"2");
    // A single name is looked up whole, so a slash at either end misses it.
    EXPECT_EQ(document.findElement(u"answer/"), nullptr);
    EXPECT_EQ(document.findElement(u"/answer"), nullptr);
    EXPECT_EQ(document.findElement(u"answer/missing/leaf"), nullptr);
    EXPECT_EQ(document.findElement(u"version"), nullptr);
    EXPECT_EQ(document.findElement(String()), nullptr);
    EXPECT_EQ(document.findElement(u"ANSWER/Version"), nullptr);
    EXPECT_EQ(document.findElementNoCase(u"ANSWER/Version"), answer->child(u"version"));
    EXPECT_EQ(document.findElementNoCase(u"Answer"), answer);
}

TEST(XmlDocument, LooksUpAttributesAndChildrenByFirstMatch)
{
    XmlElement element(u"item");
    EXPECT_FALSE(element.hasAttributes());
    element.addAttribute(u"name", u"first");
    element.addAttribute(u"Name", u"second");
    element.addAttribute(u"name", u"third");
    EXPECT_EQ(element.attributes().count(), 3);
    EXPECT_EQ(text(element.attribute(u"name")), u"first");
    EXPECT_EQ(text(element.attribute(u"Name")), u"second");
    EXPECT_EQ(text(element.attributeNoCase(u"NAME")), u"first");
    EXPECT_EQ(element.findAttributeNoCase(u"nAmE"), element.findAttribute(u"name"));
    EXPECT_TRUE(element.hasAttribute(u"Name"));
    EXPECT_FALSE(element.hasAttribute(u"NAME"));
    // Asking for a missing attribute gives an empty text and adds nothing.
    EXPECT_TRUE(element.attribute(u"missing").isEmpty());
    EXPECT_TRUE(element.attributeNoCase(u"missing").isEmpty());
    EXPECT_EQ(element.findAttribute(u"missing"), nullptr);
    EXPECT_EQ(element.attributes().count(), 3);

    XmlElement* plain = element.addChild(u"group");
    XmlElement* other = element.addChild(u"group");
    other->addAttribute(u"name", u"view");
    XmlElement* wanted = element.addChild(u"group");
    wanted->addAttribute(u"id", u"7");
    wanted->addAttribute(u"name", u"model");
    element.appendChild(new XmlElement(u"Group"));
    EXPECT_EQ(element.child(u"group"), plain);
    EXPECT_EQ(text(element.childNoCase(u"GROUP")->name()), u"group");
    EXPECT_EQ(text(element.child(u"Group")->name()), u"Group");
    EXPECT_EQ(element.child(u"GROUP"), nullptr);
    EXPECT_EQ(element.findChildWithAttribute(u"name", u"model"), wanted);
    EXPECT_EQ(element.findChildWithAttribute(u"name", u"Model"), nullptr);
    EXPECT_EQ(element.findChildWithAttribute(u"id", u"7"), wanted);

    element.clearChildren();
    element.clearAttributes();
    EXPECT_FALSE(element.hasChildren());
    EXPECT_FALSE(element.hasAttributes());
}

TEST(XmlDocument, DestroysTreesOfAnyDepthWithoutRecursion)
{
    // Far deeper than any stack could recurse through; built by code, since
    // the reader refuses such nesting.
    XmlDocument document;
    XmlElement* element = &document.root();
    for (int depth = 0; depth < 300000; ++depth) {
        element = element->addChild(u"n");
        element->addAttribute(u"a", u"b");
    }
    String out;
    EXPECT_FALSE(document.toString(out));
    document.clear();
    EXPECT_TRUE(document.isEmpty());

    auto deep = new XmlElement(u"top");
    element = deep;
    for (int depth = 0; depth < 300000; ++depth)
        element = element->addChild(u"n");
    delete deep;
}

TEST(XmlDocument, RoundTripsEveryEscapedCharacterAndForeignText)
{
    const std::u16string values[] = {
        u"& ' \" < >",
        u"&amp; &lt;tag&gt; &#38; &#x26;",
        u"  leading and trailing blanks  ",
        u"tab\tline\r\nbreak",
        u"J\u00f6rg M\u00fcller \u0393\u03b5\u03b9\u03ac \u041f\u0440\u0438\u0432\u0435\u0442 \u4e2d\u6587 "
        u"\U0001F3AC",
        u"?>",
    };
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
    XmlElement* backList = back.findElement(u"list");
    ASSERT_NE(backList, nullptr);
    ASSERT_EQ(backList->children().count(), int(sizeof(values) / sizeof(values[0])));
    int index = 0;
    for (XmlElement* item : backList->children()) {
        EXPECT_EQ(text(item->attribute(u"v")), values[index]);
        EXPECT_EQ(text(item->value()), values[index]);
        ++index;
    }
    String again;
    ASSERT_TRUE(back.toString(again));
    EXPECT_EQ(text(again), text(out));
}
