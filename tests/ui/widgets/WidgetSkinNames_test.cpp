// The skin checker for these widgets: every skin image and style property
// that a class looks up by name is in both generated skins, with the frames
// its states draw.
#include "foundation/xml/XmlElement.h"
#include "tests/support/TestText.h"
#include "tests/ui/core/theme/GeneratedSkins.h"
#include "ui/core/theme/UITheme.h"
#include "ui/widgets/UIProgress.h"
#include "ui/widgets/UIScrollArea.h"
#include "ui/widgets/UIScrollAreaCorner.h"
#include "ui/widgets/UIScrollAreaViewport.h"
#include "ui/widgets/UIScrollBar.h"
#include "ui/widgets/UISlider.h"
#include "ui/widgets/UISplitterSeparator.h"
#include "ui/widgets/UITabBar.h"

#include <gtest/gtest.h>

using namespace generatedskins;
using testsupport::utf8;

namespace {

struct ClassNames
{
    const char16_t* style;
    UIStyleNames skins;
    UIStyleNames properties;
    // The frames every skin of the class needs: its states.
    int frames;
};

// Skins with more frames than their class's usual states.
int framesOf(const String& skin, int usual)
{
    if (skin == String(u"UITabBar_ItemBackground"))
        return 5;
    return skin == String(u"UITabBar_Separator") ? 2 : usual;
}

void checkWidgetNames(const std::string& file)
{
    UITheme theme;
    ASSERT_TRUE(theme.loadFromPath(skinPath(file))) << skinFile(file) << " (made by scripts/make-data.sh)";
    const ClassNames classes[] = {
        {u"UIProgress", UIProgress::skinNames(), UIProgress::propertyNames(), 1},
        {u"UISlider", UISlider::skinNames(), UISlider::propertyNames(), 4},
        {u"UIScrollBar", UIScrollBar::skinNames(), UIScrollBar::propertyNames(), 4},
        {u"UITabBar", UITabBar::skinNames(), UITabBar::propertyNames(), 1},
        {u"UISplitterSeparator", UISplitterSeparator::skinNames(), UISplitterSeparator::propertyNames(), 1},
        {u"UIScrollArea", UIStyleNames(), UIScrollArea::propertyNames(), 0},
        {u"UIScrollAreaCorner", UIStyleNames(), UIScrollAreaCorner::propertyNames(), 0},
        {u"UIScrollAreaViewport", UIStyleNames(), UIScrollAreaViewport::propertyNames(), 0},
        {u"UISplitter", UIStyleNames(), UIStyleNames(), 0},
        {u"UISplitterPanel", UIStyleNames(), UIStyleNames(), 0},
        {u"UIStack", UIStyleNames(), UIStyleNames(), 0},
    };
    const XmlElement* models = theme.modelsElement();
    ASSERT_NE(nullptr, models);
    for (const ClassNames& names : classes) {
        const String style(names.style);
        const XmlElement* model = models->findChildWithAttribute(String(u"name"), style);
        ASSERT_NE(nullptr, model) << file << " has no model " << utf8(style);
        for (int i = 0; i < names.properties.count; ++i) {
            const String property(names.properties.names[i]);
            EXPECT_NE(nullptr, model->findChildWithAttribute(String(u"name"), property))
                << file << " " << utf8(style) << "." << utf8(property);
        }
        for (int i = 0; i < names.skins.count; ++i) {
            const String skin(names.skins.names[i]);
            EXPECT_TRUE(skin.startsWith(style + u"_", String::kCaseSensitive)) << utf8(skin);
            EXPECT_GE(theme.skinImage(skin).frameCount(), framesOf(skin, names.frames))
                << file << " " << utf8(skin);
        }
    }
}

} // namespace

TEST(WidgetSkinNames, WhiteSkinHasEveryName)
{
    checkWidgetNames("white.style");
}

TEST(WidgetSkinNames, TestSkinHasEveryName)
{
    checkWidgetNames("test.style");
}
