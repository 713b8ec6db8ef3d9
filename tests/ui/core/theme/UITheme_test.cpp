#include "ui/core/theme/UITheme.h"

#include "foundation/xml/XmlElement.h"
#include "tests/ui/core/theme/GeneratedSkins.h"
#include "ui/core/theme/UIStyleModel.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const char* const kSkins =
    "<?xml version=\"1.0\"?><skins>"
    "<skin name=\"UIButton_Background\" count=\"4\" columns=\"5,14,5\" rows=\"4,16,4\"/>"
    "<skin name=\"UITwoColumns\" count=\"2\" width=\"20\" height=\"10\" columns=\"4,10\" rows=\"1,2,3\"/>"
    "<skin name=\"UIButton_Background\" count=\"1\" width=\"9\" height=\"9\"/>"
    "<skin count=\"3\"/><other name=\"UINotASkin\"/></skins>";
const char* const kModels = "<?xml version=\"1.0\"?><models><model name=\"UIButton\"><item name=\"font\" "
                            "data=\"default,9,\"/></model></models>";
const char* const kMetrics =
    "<?xml version=\"1.0\"?><metrics><metric name=\"LayoutHorizontalSpacing\" value=\"6\"/>"
    "<metric name=\"NoSuchMetric\" value=\"99\"/><metric/><metric name=\"LargeIconSize\" "
    "value=\"32\"/></metrics>";

String archiveWith(ThemeArchive& archive, const char* skins, const char* models, const char* metrics)
{
    for (const auto& part :
         {std::make_pair("skins.xml", skins), {"models.xml", models}, {"metrics.xml", metrics}})
        if (part.second)
            archive.add("xml", part.first, part.second);
    return archive.save();
}

} // namespace

TEST(UITheme, LoadsOnlyWholeArchives)
{
    const char* const noMetric = "<?xml version=\"1.0\"?><metrics/>";
    struct Case
    {
        const char* name;
        const char* skins;
        const char* models;
        const char* metrics;
        bool loads;
    };
    const Case cases[] = {
        {"complete", kSkins, kModels, kMetrics, true},
        {"no skins.xml", nullptr, kModels, kMetrics, false},
        {"skins.xml that does not parse", "<?xml version=\"1.0\"?><skins><skin", kModels, kMetrics, false},
        {"skins.xml without skins", "<?xml version=\"1.0\"?><skins/>", kModels, kMetrics, false},
        {"no metrics.xml", kSkins, kModels, nullptr, false},
        {"metrics.xml without metrics", kSkins, kModels, noMetric, false}};
    for (const Case& c : cases) {
        ThemeArchive archive;
        UITheme theme;
        EXPECT_EQ(c.loads, theme.loadFromPath(archiveWith(archive, c.skins, c.models, c.metrics))) << c.name;
        EXPECT_EQ(c.loads, theme.isLoaded()) << c.name;
    }

    UITheme theme;
    EXPECT_FALSE(theme.loadFromPath(String()));
    EXPECT_FALSE(theme.loadFromPath(String(u"no such file.style")));
    EXPECT_FALSE(theme.loadFromMemory(nullptr, 10));
    const char garbage[] = "not an archive";
    EXPECT_FALSE(theme.loadFromMemory(garbage, sizeof(garbage)));
    EXPECT_FALSE(theme.isLoaded());
}

TEST(UITheme, SkinsMetricsAndModelsOfAnArchive)
{
    ThemeArchive archive;
    UITheme theme;
    ASSERT_TRUE(theme.loadFromPath(archiveWith(archive, kSkins, kModels, kMetrics)));

    EXPECT_EQ(3, theme.skins().count()) << "nameless skins and other elements are skipped";
    const UISkinImage& button = theme.skinImage(String(u"UIButton_Background"));
    EXPECT_EQ(4, button.frameCount()) << "the first of two skins of one name is found";
    EXPECT_EQ(UISkinGrid::fromParts(5, 14, 5, 4, 16, 4), button.grid());
    EXPECT_EQ(4, button.frames().count());

    const UISkinImage& two = theme.skinImage(String(u"UITwoColumns"));
    EXPECT_EQ(UISkinGrid::fromSize(20, 10), two.grid()) << "two columns make no grid";
    EXPECT_EQ(0, two.frames().count());
    EXPECT_TRUE(theme.skinImage(String(u"uibutton_background")).isNull());
    EXPECT_EQ(0, theme.skinImage(String(u"missing")).frameCount());

    EXPECT_EQ(6, theme.metric(5));
    EXPECT_EQ(32, theme.metric(9));
    EXPECT_EQ(0, theme.metric(1)) << "a metric the skin leaves out";
    EXPECT_EQ(99, theme.metric(0)) << "an unknown name is kept under id 0";
    EXPECT_EQ(3, theme.metrics().count());

    ASSERT_EQ(UITheme::kImageCount, theme.images().count());
    const int order[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 17, 16, 15, 18};
    int i = 0;
    for (const UITheme::ImageEntry& entry : theme.images())
        EXPECT_EQ(order[i++], entry.id);
    EXPECT_TRUE(theme.image(3).isNull()) << "a missing picture is an empty image";
    EXPECT_TRUE(theme.image(40).isNull());

    ASSERT_NE(nullptr, theme.modelsElement());
    EXPECT_EQ(
        String(u"default,9,"),
        theme.modelsElement()->child(String(u"model"))->child(String(u"item"))->attribute(String(u"data")));
}

TEST(UITheme, AFailedLoadKeepsTheLoadedTheme)
{
    ThemeArchive good;
    UITheme theme;
    ASSERT_TRUE(theme.loadFromPath(archiveWith(good, kSkins, kModels, kMetrics)));
    ThemeArchive bad;
    EXPECT_FALSE(theme.loadFromPath(archiveWith(bad, kSkins, "<?xml version=\"1.0\"?><models><", kMetrics)));
    EXPECT_EQ(3, theme.skins().count());
    EXPECT_NE(nullptr, theme.modelsElement());
    EXPECT_EQ(6, theme.metric(5));

    ASSERT_TRUE(theme.loadFromPath(archiveWith(good, kSkins, kModels, kMetrics)));
    EXPECT_EQ(3, theme.skins().count()) << "a second load replaces, never appends";
}

namespace {

class RecordingSink : public UIStylePropertySink
{
public:
    void setStyleProperty(const String& name, const String& value) override
    {
        calls.push_back(String::concat(name, String(u"=") + value));
    }
    std::vector<String> calls;
};

} // namespace

TEST(UITheme, ModelsApplyByStyleNameInOrder)
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
        std::vector<String> calls;
    };
    const Case cases[] = {{models, u"UIButton", {u"font=a", u"=b", u"font=c", u"x="}},
                          {models, u"UILabel", {}},
                          {nullptr, u"UIButton", {}},
                          // The element's own name: its children are the items.
                          {models, u"models", {u"UIButton=", u"UIButton=", u"uilabel="}}};
    for (const Case& c : cases) {
        RecordingSink sink;
        applyStyleModel(c.models, String(c.style), sink);
        EXPECT_TRUE(c.calls == sink.calls) << String(c.style).length();
    }
}
