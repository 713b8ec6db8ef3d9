// What the system browser is told from a web view's options.
#include "ui/views/web/WebViewOption.h"
#include "ui/views/web/browser/WebBrowserRules.h"

#include <gtest/gtest.h>

namespace WO = WebViewOption;

TEST(WebBrowserRules, DownloadControlFollowsTheOptionsAndSilence)
{
    const struct
    {
        uint32_t options;
        bool silent;
        uint32_t control;
    } rows[] = {
        {0, false, 0x70},
        {0, true, 0x40000070},
        {WO::NoImages, false, 0x60},
        {WO::NoVideos | WO::NoBackgroundSounds, false, 0x10},
        {WO::NoActiveContent, false, 0x7F0},
        {WO::NoCache, false, 0x4070},
        // The card view's options.
        {0x18D, false, 0x47F0},
        {WO::NoContextMenu | WO::NoScrollBars | WO::DialogFrame | WO::BlankOnly, false, 0x70},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.control, WebBrowserRules::downloadControl(row.options, row.silent))
            << std::hex << row.options << " silent " << row.silent;
}

TEST(WebBrowserRules, HostFlagsAddNoScrollAndDialog)
{
    const struct
    {
        uint32_t options;
        uint32_t flags;
    } rows[] = {
        {0, 0x1A40084},
        {WO::NoScrollBars, 0x1A4008C},
        {WO::DialogFrame, 0x1A40085},
        {WO::NoScrollBars | WO::DialogFrame, 0x1A4008D},
        {WO::NoImages | WO::NoCache | WO::BlankOnly, 0x1A40084},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.flags, WebBrowserRules::hostFlags(row.options)) << std::hex << row.options;
}

TEST(WebBrowserRules, OnlyBlankOnlyCancelsAndOnlyExactlyAboutBlankPasses)
{
    const String blank(u"about:blank");
    const String upper(u"ABOUT:BLANK");
    const String page(u"http://example.com/");
    const struct
    {
        uint32_t options;
        const String* address;
        bool cancelled;
    } rows[] = {
        {WO::BlankOnly, &blank, false},
        {WO::BlankOnly, &upper, true},
        {WO::BlankOnly, &page, true},
        {WO::BlankOnly, nullptr, true},
        {0, &page, false},
        {0, nullptr, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.cancelled, WebBrowserRules::cancelsNavigation(row.options, row.address))
            << row.options << (row.address ? " address" : " null");
}
