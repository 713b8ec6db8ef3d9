#pragma once

// A window of its own for each test of real widgets under Wine with
// test.style, where the colour read back names the skin frame or the style
// property drawn there.
#include "tests/support/UIHarness.h"
#include "tools/skingen/TestSkinColors.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/theme/UITheme.h"
#include "ui/core/widget/UIWidget.h"

#include <gtest/gtest.h>

namespace testsupport {

class ScreenTest : public ::testing::Test
{
protected:
    static void TearDownTestSuite() { UIApplication::instance()->setTheme(new UITheme()); }
    void SetUp() override
    {
        ASSERT_TRUE(UIHarness::start());
        window = UIHarness::openWindow(nullptr, 40, 40, 500, 400);
        UIHarness::pump();
    }
    void TearDown() override
    {
        UIHarness::closeWindow(window);
        UIHarness::pumpFor(10);
    }
    static uint32_t style(const char16_t* styleName, const char16_t* property)
    {
        return testStyleColor(String(styleName), String(property)).value() & 0xFFFFFFu;
    }
    static uint32_t skin(const char16_t* name, int frame)
    {
        return testSkinFrameColor(String(name), frame).value() & 0xFFFFFFu;
    }
    static uint32_t rgb(const Color& color) { return color.value() & 0xFFFFFFu; }
    template <typename Widget> static Widget* place(Widget* widget, int x, int y, int width, int height)
    {
        widget->setGeometry(x, y, width, height);
        widget->show();
        UIHarness::pump();
        return widget;
    }

    UIWidget* window = nullptr;
};

} // namespace testsupport
