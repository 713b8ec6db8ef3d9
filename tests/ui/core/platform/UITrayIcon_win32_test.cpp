#include "foundation/signals/SignalReceiver.h"
#include "tests/support/FakeTaskbar.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/platform/UITrayIcon.h"

#include <windows.h>
// After windows.h: the shell's notification-area requests.
#include <shellapi.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testsupport::FakeTaskbar;
using testsupport::shellCalls;

namespace {

class Recorder : public SignalReceiver
{
public:
    void pressed(UIEvent* e) { note("press", e); }
    void released(UIEvent* e) { note("release", e); }
    void moved(UIEvent* e) { note("move", e); }
    void clicked(UIEvent* e) { note("click", e); }
    void note(const char* what, UIEvent* e)
    {
        log.push_back(what + (":" + std::to_string(static_cast<UIMouseEvent*>(e)->button())));
    }
    std::vector<std::string> log;
};

void sendToIcon(UITrayIcon& icon, UINT mouseMessage)
{
    testsupport::sendToTrayIcon(icon.windowHandle(), mouseMessage);
}

} // namespace

TEST(UITrayIconWine, MouseMessagesBecomeSignals)
{
    FakeTaskbar taskbar;
    UITrayIcon icon;
    EXPECT_TRUE(UITrayIcon::isTaskbarVisible());
    Recorder recorder;
    icon.mousePressed.connectWithArg(&recorder, &Recorder::pressed);
    icon.mouseReleased.connectWithArg(&recorder, &Recorder::released);
    icon.mouseMoved.connectWithArg(&recorder, &Recorder::moved);
    icon.clicked.connectWithArg(&recorder, &Recorder::clicked);
    const std::pair<UINT, std::vector<std::string>> cases[] = {
        {WM_MOUSEMOVE, {"move:1"}},
        {WM_LBUTTONDOWN, {"press:1"}},
        {WM_LBUTTONUP, {"release:1", "click:1"}},
        {WM_RBUTTONDOWN, {"press:2"}},
        {WM_RBUTTONUP, {"release:2", "click:2"}},
        {WM_LBUTTONDBLCLK, {}},
        {WM_MBUTTONUP, {}},
    };
    for (const auto& [message, log] : cases) {
        recorder.log.clear();
        sendToIcon(icon, message);
        EXPECT_EQ(recorder.log, log) << message;
    }
}

TEST(UITrayIconWine, ShellRecordKeepsItsTextsCutAndComesBackWithTheTaskbar)
{
    FakeTaskbar taskbar;
    UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    {
        UITrayIcon icon;
        ASSERT_EQ(shellCalls().size(), 1u);
        EXPECT_EQ(shellCalls()[0].request, DWORD(NIM_ADD));
        EXPECT_EQ(shellCalls()[0].state, DWORD(NIS_HIDDEN)) << "an icon starts hidden";
        shellCalls().clear();
        icon.setVisible(true);
        icon.setVisible(true);
        ASSERT_EQ(shellCalls().size(), 1u) << "the same visibility twice is asked once";
        EXPECT_EQ(shellCalls()[0].state, 0u);

        std::u16string longTip;
        for (int i = 0; i < 200; ++i)
            longTip += char16_t(u'a' + i % 26);
        icon.setToolTip(String(longTip.c_str()));
        EXPECT_EQ(icon.toolTip().length(), 200);
        EXPECT_EQ(shellCalls().back().tip, longTip.substr(0, 127));
        Image image(16, 16, true);
        icon.setIcon(image);
        EXPECT_TRUE(shellCalls().back().flags & NIF_ICON);

        shellCalls().clear();
        SendMessageW(static_cast<HWND>(icon.windowHandle()), taskbarCreated, 0, 0);
        ASSERT_EQ(shellCalls().size(), 4u) << "added, then icon, tip and visibility again";
        EXPECT_EQ(shellCalls()[0].request, DWORD(NIM_ADD));
        EXPECT_TRUE(shellCalls()[1].flags & NIF_ICON);
        EXPECT_EQ(shellCalls()[2].tip, longTip.substr(0, 127));
        EXPECT_EQ(shellCalls()[3].state, 0u);
        EXPECT_TRUE(icon.isVisible());

        icon.setVisible(false);
        shellCalls().clear();
        SendMessageW(static_cast<HWND>(icon.windowHandle()), taskbarCreated, 0, 0);
        ASSERT_EQ(shellCalls().size(), 3u) << "a hidden icon is added back hidden";
        EXPECT_EQ(shellCalls()[0].state, DWORD(NIS_HIDDEN));
        EXPECT_FALSE(icon.isVisible());
        EXPECT_EQ(icon.iconRect().width, 0) << "a hidden icon has no place";
        shellCalls().clear();
    }
    ASSERT_EQ(shellCalls().size(), 1u);
    EXPECT_EQ(shellCalls()[0].request, DWORD(NIM_DELETE));
}
