#include "ui/core/theme/UIStyleModel.h"

#include "foundation/text/ByteArray.h"
#include "foundation/text/String.h"
#include "foundation/xml/XmlDocument.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class RecordingSink : public UIStylePropertySink
{
public:
    void setStyleProperty(const String& name, const String& value) override
    {
        calls.push_back(utf8(name) + "=" + utf8(value));
    }
    std::vector<std::string> calls;

private:
    static std::string utf8(const String& text)
    {
        const ByteArray bytes = text.toUtf8();
        return bytes.isEmpty() ? std::string() : std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
};

} // namespace

TEST(UIStyleModel, AppliesTheNamedModelInOrder)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.loadFromString(
        String(u"<?xml version=\"1.0\"?><models>"
               u"<model name=\"UIButton\"><item name=\"font\" data=\"a\"/><item data=\"b\"/>"
               u"<item name=\"font\" data=\"c\"/><item name=\"x\"/></model>"
               u"<model name=\"UIButton\"><item name=\"second\" data=\"model\"/></model>"
               u"<model name=\"uilabel\"><item name=\"y\" data=\"z\"/></model></models>"),
        false));
    const XmlElement* models = doc.findElement(String(u"models"));
    struct Case
    {
        const XmlElement* models;
        const char16_t* style;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {models, u"UIButton", {"font=a", "=b", "font=c", "x="}},
        {models, u"UILabel", {}},
        {models, u"", {}},
        {nullptr, u"UIButton", {}},
        {models, u"models", {"UIButton=", "UIButton=", "uilabel="}},
    };
    for (const Case& c : cases) {
        RecordingSink sink;
        applyStyleModel(c.models, String(c.style), sink);
        EXPECT_EQ(c.calls, sink.calls) << String(c.style).length();
    }

    // The element itself when it carries the style name: its children are
    // the items.
    const XmlElement* model = models->child(String(u"model"));
    RecordingSink sink;
    applyStyleModel(model, String(u"model"), sink);
    EXPECT_EQ(4u, sink.calls.size());
}
