#include "foundation/core/AppCore.h"
#include "foundation/hash/Crc32.h"
#include "graphics/image/Image.h"
#include "tests/support/UIEventRecorder.h"
#include "tests/support/UIHarness.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIEventType.h"
#include "ui/core/input/UIOleDrag.h"
#include "ui/core/native/UINativeWindowHost.h"
#include "ui/core/theme/UIMetric.h"
#include "ui/core/theme/UITheme.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/core/widget/UIWidgetGuard.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

using testsupport::UIEventRecorder;
using testsupport::UIHarness;

namespace {

class NativeHostTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(UIHarness::start()); }

    // A created, hidden window with the flags given before creation.
    static std::unique_ptr<UIWidget> makeWindow(uint32_t flags, UIWidget* parent = nullptr)
    {
        auto window = std::make_unique<UIWidget>(parent);
        window->setFlag(UIWidget::kWindow, true);
        window->setWindowFlags(flags);
        window->setStyleName(String(u"UIWindow"));
        window->setLayoutEnabled(false);
        return window;
    }
    static HWND hwnd(const UIWidget* widget) { return static_cast<HWND>(widget->nativeHandle()); }
    static DWORD style(const UIWidget* widget)
    {
        return static_cast<DWORD>(GetWindowLongW(hwnd(widget), GWL_STYLE));
    }
    static DWORD exStyle(const UIWidget* widget)
    {
        return static_cast<DWORD>(GetWindowLongW(hwnd(widget), GWL_EXSTYLE));
    }
    static UINativeWindowHost* host(const UIWidget* widget)
    {
        return static_cast<UINativeWindowHost*>(widget->nativeWindow());
    }
};

String programPathCrcStem()
{
    wchar_t path[MAX_PATH + 1] = {};
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    Crc32 crc(path, length * 2);
    return String(u"UI___") + String::fromUInt(crc.value());
}

} // namespace

TEST_F(NativeHostTest, ClassNamesAreTheProgramPathCrcAndACounter)
{
    auto first = makeWindow(0);
    auto second = makeWindow(0);
    const String stem = programPathCrcStem();
    const String firstName = host(first.get())->className();
    ASSERT_TRUE(firstName.startsWith(stem, String::kCaseSensitive));
    int counter = firstName.midFrom(stem.length()).toInt();
    ASSERT_GE(counter, 1);
    EXPECT_EQ(host(second.get())->className(), stem + String::fromInt(counter + 1));
    wchar_t registered[256] = {};
    GetClassNameW(hwnd(first.get()), registered, 256);
    EXPECT_EQ(String(reinterpret_cast<const char16_t*>(registered), static_cast<int>(wcslen(registered))),
              firstName);

    HWND before = hwnd(first.get());
    first->nativeWindow()->create();
    first->setStyleName(String(u"UIWindow"));
    EXPECT_EQ(hwnd(first.get()), before) << "a host that has its window keeps it";
}

TEST_F(NativeHostTest, StylesFollowTheFlags)
{
    struct Case
    {
        uint32_t flags;
        DWORD present;
        DWORD absent;
        DWORD exPresent;
    };
    const Case cases[] = {
        {0, WS_CAPTION | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_THICKFRAME | WS_POPUP | WS_SYSMENU, 0},
        {32, WS_THICKFRAME, 0, 0},
        {64 | 128 | 256, WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU, 0, 0},
        {512, WS_POPUP, WS_CAPTION, 0},
        {16, 0, 0, WS_EX_TOPMOST},
    };
    for (const Case& c : cases) {
        auto window = makeWindow(c.flags);
        EXPECT_EQ(style(window.get()) & c.present, c.present) << c.flags;
        EXPECT_EQ(style(window.get()) & c.absent, 0u) << c.flags;
        EXPECT_EQ(exStyle(window.get()) & c.exPresent, c.exPresent) << c.flags;
    }
    auto shadowed = makeWindow(1);
    EXPECT_TRUE(GetClassLongW(hwnd(shadowed.get()), GCL_STYLE) & 0x20000);
}

TEST_F(NativeHostTest, SetWindowFlagsTouchesOnlyTheBitsThatChange)
{
    auto window = makeWindow(16 | 64);
    // A style bit no flag asked for: an unchanged flag must leave it alone.
    SetWindowLongW(hwnd(window.get()), GWL_STYLE, static_cast<LONG>(style(window.get()) | WS_MAXIMIZEBOX));
    window->setWindowFlags(0x30);
    EXPECT_EQ(window->nativeWindow()->windowFlags(), 0x30u);
    EXPECT_TRUE(style(window.get()) & WS_MAXIMIZEBOX) << "flag 128 did not change";
    EXPECT_FALSE(style(window.get()) & WS_MINIMIZEBOX);
    EXPECT_TRUE(style(window.get()) & WS_THICKFRAME);
    EXPECT_TRUE(exStyle(window.get()) & WS_EX_TOPMOST);

    window->setWindowFlag(512, true);
    EXPECT_TRUE(style(window.get()) & WS_POPUP);
    window->setWindowFlag(512, false);
    EXPECT_EQ(style(window.get()) & (WS_POPUP | WS_CAPTION | WS_SYSMENU), DWORD(WS_CAPTION | WS_SYSMENU));
}

TEST_F(NativeHostTest, OpacityIsClampedAndLayered)
{
    auto window = makeWindow(512);
    struct Case
    {
        float asked;
        float stored;
        bool layered;
        int alpha;
    };
    const Case cases[] = {{1.5f, 1.0f, false, -1},
                          {0.5f, 0.5f, true, 127},
                          {-1.0f, 0.0f, true, 0},
                          {0.25f, 0.25f, true, 63},
                          {1.0f, 1.0f, false, -1}};
    for (const Case& c : cases) {
        window->setOpacity(c.asked);
        EXPECT_EQ(window->opacity(), c.stored);
        EXPECT_EQ((exStyle(window.get()) & WS_EX_LAYERED) != 0, c.layered) << c.asked;
        if (c.alpha < 0)
            continue;
        BYTE alpha = 0;
        DWORD flags = 0;
        ASSERT_TRUE(GetLayeredWindowAttributes(hwnd(window.get()), nullptr, &alpha, &flags));
        EXPECT_EQ(alpha, c.alpha) << c.asked;
    }
}

TEST_F(NativeHostTest, BlocksAreCounted)
{
    auto window = makeWindow(512);
    UINativeWindow* native = window->nativeWindow();
    native->setBlocked(true);
    native->setBlocked(true);
    native->setBlocked(false);
    EXPECT_FALSE(IsWindowEnabled(hwnd(window.get()))) << "blocked twice, unblocked once";
    native->setWindowFlag(2048, false);
    native->setWindowFlag(2048, true);
    EXPECT_FALSE(native->windowFlags() & 2048) << "a blocked window keeps its flag";
    native->setBlocked(false);
    EXPECT_TRUE(IsWindowEnabled(hwnd(window.get())));
    EXPECT_EQ(host(window.get())->blockCount(), 0);

    native->setBlocked(false);
    EXPECT_EQ(host(window.get())->blockCount(), 0) << "an unblock without a block";
    EXPECT_TRUE(IsWindowEnabled(hwnd(window.get())));

    native->setWindowFlag(2048, true);
    EXPECT_FALSE(IsWindowEnabled(hwnd(window.get())));
    native->setBlocked(true);
    EXPECT_EQ(host(window.get())->blockCount(), 0) << "a disabled window is not blocked";
    native->setWindowFlag(2048, false);
    EXPECT_TRUE(IsWindowEnabled(hwnd(window.get())));
}

TEST_F(NativeHostTest, ShowWithoutActivatingKeepsTheForeground)
{
    UIWidget* active = UIHarness::openWindow(nullptr, 10, 10, 100, 100);
    ASSERT_EQ(GetForegroundWindow(), hwnd(active));
    auto quiet = makeWindow(512 | 8);
    quiet->setGeometry(200, 10, 100, 100);
    quiet->show();
    UIHarness::pumpFor(20);
    EXPECT_TRUE(IsWindowVisible(hwnd(quiet.get())));
    EXPECT_EQ(GetForegroundWindow(), hwnd(active));
    EXPECT_FALSE(quiet->isActiveWindow());
    UIHarness::closeWindow(active);
}

TEST_F(NativeHostTest, AHiddenFramelessWindowIsPlacedWhenShown)
{
    struct Case
    {
        uint32_t flags;
        bool shownFirst;
        bool placedAtOnce;
    };
    const Case cases[] = {
        {512, false, false},      // a hidden popup waits for its show
        {512 | 16, false, false}, // topmost too
        {512, true, true},        // a shown one moves at once
        {0, false, true},         // a framed one as well
    };
    const RECT placed = {130, 90, 130 + 220, 90 + 110};
    for (const Case& c : cases) {
        auto window = makeWindow(c.flags | 8);
        window->setGeometry(30, 40, 50, 60);
        if (c.shownFirst)
            window->show();
        RECT before = {};
        GetWindowRect(hwnd(window.get()), &before);
        window->move(130, 90);
        window->resize(220, 110);
        EXPECT_EQ(window->pos(), Point(130, 90)) << c.flags;
        EXPECT_EQ(window->size(), Size(220, 110)) << c.flags;
        RECT now = {};
        GetWindowRect(hwnd(window.get()), &now);
        EXPECT_EQ(EqualRect(&now, &before) == 0, c.placedAtOnce) << c.flags << ": the system window moved";
        if (!(c.flags & 512))
            continue;
        EXPECT_EQ(window->frameGeometry(), Rect(130, 90, 220, 110)) << c.flags << ": where the window goes";
        window->show();
        GetWindowRect(hwnd(window.get()), &now);
        EXPECT_TRUE(EqualRect(&now, &placed)) << c.flags << ": in place once shown";
        EXPECT_EQ(window->pos(), Point(130, 90)) << c.flags;
        EXPECT_EQ(window->size(), Size(220, 110)) << c.flags;
        window->hide();
    }
}

TEST_F(NativeHostTest, AWindowBecomesADropSiteWhenFirstShownAndAPopupNever)
{
    struct Case
    {
        uint32_t flags;
        bool site;
    };
    const Case cases[] = {
        {0, true},             // a framed window
        {512, true},           // a frameless one that activates
        {512 | 16 | 8, false}, // a popup shown without activation
    };
    for (const Case& c : cases) {
        auto window = makeWindow(c.flags);
        window->setGeometry(60, 60, 120, 80);
        // Taking a target away answers whether there was one.
        HWND handle = hwnd(window.get());
        EXPECT_FALSE(registerDropTarget(window.get(), handle, false)) << c.flags << ": while hidden";
        window->show();
        window->hide();
        window->show();
        EXPECT_EQ(registerDropTarget(window.get(), handle, false), c.site) << c.flags << ": once shown";
        window->hide();
    }
}

// Counts the system windows of one class made on this thread while it lives.
class WindowsMadeCounter
{
public:
    explicit WindowsMadeCounter(const String& className)
    {
        s_className = className;
        s_count = 0;
        m_hook = SetWindowsHookExW(WH_CBT, &WindowsMadeCounter::hook, nullptr, GetCurrentThreadId());
    }
    ~WindowsMadeCounter() { UnhookWindowsHookEx(m_hook); }
    bool hooked() const { return m_hook != nullptr; }
    int count() const { return s_count; }

private:
    static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_CREATEWND) {
            wchar_t name[256] = {};
            GetClassNameW(reinterpret_cast<HWND>(wParam), name, 256);
            if (String(reinterpret_cast<const char16_t*>(name), static_cast<int>(wcslen(name))) == s_className)
                ++s_count;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline String s_className;
    static inline int s_count = 0;
    HHOOK m_hook = nullptr;
};

TEST_F(NativeHostTest, AWindowMadeWhenNeededWaitsForItsFirstNeedAndTakesWhatItWasTold)
{
    enum Need
    {
        kShow,
        kHandle,
        kLayeredImage,
        kTitle
    };
    struct Case
    {
        uint32_t flags;
        Need need;
    };
    const uint32_t waits = UINativeWindow::kMadeWhenNeeded | UINativeWindow::kFrameless;
    const Case cases[] = {{waits, kShow}, {waits | 16, kHandle}, {waits | 16, kLayeredImage}, {waits, kTitle}};
    for (const Case& c : cases) {
        auto window = makeWindow(c.flags);
        WindowsMadeCounter made(host(window.get())->className());
        ASSERT_TRUE(made.hooked());
        UINativeWindow* native = window->nativeWindow();
        native->setOpacity(0.5f);
        native->setBlocked(true);
        window->move(120, 90);
        window->resize(300, 200);
        EXPECT_EQ(window->existingNativeHandle(), nullptr) << c.need;
        EXPECT_EQ(window->pos(), Point(120, 90)) << c.need;
        EXPECT_EQ(window->size(), Size(300, 200)) << c.need;
        EXPECT_EQ(window->frameGeometry(), Rect(120, 90, 300, 200)) << c.need;
        EXPECT_FALSE(native->isEnabled()) << c.need;
        EXPECT_FALSE(native->isVisible()) << c.need;
        EXPECT_EQ(made.count(), 0) << c.need << ": nothing so far needed the system window";

        switch (c.need) {
        case kShow:
            window->show();
            break;
        case kHandle:
            window->nativeHandle();
            break;
        case kLayeredImage:
            native->updateLayered(Image(300, 200, true));
            break;
        case kTitle:
            native->setTitle(String(u"Named"));
            break;
        }
        HWND handle = static_cast<HWND>(window->existingNativeHandle());
        ASSERT_NE(handle, nullptr) << c.need;
        EXPECT_EQ(made.count(), 1) << c.need;
        RECT outer = {};
        GetWindowRect(handle, &outer);
        EXPECT_EQ(Rect(outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top),
                  Rect(120, 90, 300, 200))
            << c.need << ": made where its widget is";
        if (c.need != kLayeredImage) {
            BYTE alpha = 0;
            EXPECT_TRUE(GetLayeredWindowAttributes(handle, nullptr, &alpha, nullptr)) << c.need;
            EXPECT_EQ(alpha, 127) << c.need;
        }
        EXPECT_FALSE(IsWindowEnabled(handle)) << c.need << ": still blocked";
        native->setBlocked(false);
        EXPECT_TRUE(IsWindowEnabled(handle)) << c.need;
        EXPECT_EQ((exStyle(window.get()) & WS_EX_TOPMOST) != 0, (c.flags & 16) != 0) << c.need;
        EXPECT_EQ(IsWindowVisible(handle) != 0, c.need == kShow) << c.need;
        window->hide();
        window->show();
        EXPECT_EQ(hwnd(window.get()), handle) << c.need;
        EXPECT_EQ(made.count(), 1) << c.need << ": made once";
        EXPECT_EQ(UIApplication::instance()->windowForHandle(handle), window.get()) << c.need;
    }
}

TEST_F(NativeHostTest, AWindowMadeWhenNeededThatIsNeverNeededIsNeverMade)
{
    {
        auto window = makeWindow(UINativeWindow::kMadeWhenNeeded | UINativeWindow::kFrameless);
        WindowsMadeCounter made(host(window.get())->className());
        ASSERT_TRUE(made.hooked());
        window->setGeometry(10, 10, 80, 60);
        window->setOpacity(0.5f);
        window->setEnabled(false);
        window->hide();
        window->update();
        window->unregisterShortcut(1);
        EXPECT_EQ(UIApplication::instance()->windowForHandle(GetDesktopWindow()), nullptr);
        EXPECT_EQ(window->existingNativeHandle(), nullptr);
        window.reset();
        EXPECT_EQ(made.count(), 0) << "neither its geometry, a look-up nor its end needed the system window";
    }
    // A framed window cannot foresee its frame: it is made with its widget,
    // and a waiting window that takes a frame is made then.
    auto framed = makeWindow(UINativeWindow::kMadeWhenNeeded);
    EXPECT_NE(framed->existingNativeHandle(), nullptr);
    auto reframed = makeWindow(UINativeWindow::kMadeWhenNeeded | UINativeWindow::kFrameless);
    EXPECT_EQ(reframed->existingNativeHandle(), nullptr);
    reframed->setWindowFlag(UINativeWindow::kFrameless, false);
    EXPECT_NE(reframed->existingNativeHandle(), nullptr);
    EXPECT_TRUE(style(reframed.get()) & WS_CAPTION);
}

// Menus wait while their window is hidden, and are made a turn of the loop
// after it shows: before anything can open them, yet not in its way.
TEST_F(NativeHostTest, WindowsWaitingOnAHiddenOwnerAreMadeRightAfterItShows)
{
    const uint32_t waits = UINativeWindow::kMadeWhenNeeded | UINativeWindow::kFrameless;
    auto owner = makeWindow(0);
    auto menu = makeWindow(waits, owner.get());
    auto submenu = makeWindow(waits, menu.get());
    auto unowned = makeWindow(waits);
    owner->setGeometry(100, 100, 200, 150);
    owner->show();
    EXPECT_EQ(menu->existingNativeHandle(), nullptr) << "not made within the show";
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return menu->existingNativeHandle() != nullptr; }));
    ASSERT_NE(submenu->existingNativeHandle(), nullptr) << "the menu's own menus too";
    EXPECT_EQ(GetWindow(hwnd(menu.get()), GW_OWNER), hwnd(owner.get()));
    EXPECT_EQ(GetWindow(hwnd(submenu.get()), GW_OWNER), hwnd(menu.get()));
    EXPECT_FALSE(IsWindowVisible(hwnd(menu.get())));
    EXPECT_EQ(unowned->existingNativeHandle(), nullptr) << "no window it belongs to has shown";

    auto later = makeWindow(waits, owner.get());
    EXPECT_NE(later->existingNativeHandle(), nullptr) << "its window is on screen: made at once";
    owner->hide();
    auto whileHidden = makeWindow(waits, owner.get());
    EXPECT_EQ(whileHidden->existingNativeHandle(), nullptr);
    owner->show();
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return whileHidden->existingNativeHandle() != nullptr; }))
        << "made after the next show";
    owner->hide();
}

TEST_F(NativeHostTest, GeometryIsTheClientAreaInsideTheFrame)
{
    auto window = makeWindow(0);
    window->setGeometry(100, 120, 200, 150);
    Rect margins = window->frameMargins();
    EXPECT_GT(margins.y, 0) << "a captioned window has a frame";
    RECT outer = {};
    GetWindowRect(hwnd(window.get()), &outer);
    EXPECT_EQ(outer.left, 100 - margins.x);
    EXPECT_EQ(outer.top, 120 - margins.y);
    RECT client = {};
    GetClientRect(hwnd(window.get()), &client);
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 150);
    EXPECT_EQ(window->geometry(), Rect(100, 120, 200, 150));
}

TEST_F(NativeHostTest, ShowPlacedCentresOverTheParentWithinTheWorkArea)
{
    UIWidget* parent = UIHarness::openWindow(nullptr, 100, 100, 400, 300);
    // The parent owns these: closing it deletes them.
    auto placed = [&](int width, int height) {
        UIWidget* dialog = makeWindow(512, parent).release();
        dialog->resize(width, height);
        dialog->setPlacement(Rect::kAlignHCenter | Rect::kAlignVCenter);
        return dialog;
    };
    UIWidget* dialog = placed(200, 100);
    dialog->showPlaced();
    EXPECT_EQ(dialog->pos(), Point(100 + (400 - 200) / 2, 100 + (300 - 100) / 2));

    // Centred over a small parent in the corner it would leave the screen.
    parent->setGeometry(0, 0, 100, 100);
    UIWidget* big = placed(300, 200);
    big->showPlaced();
    int padding = UIApplication::instance()->theme()->metric(kWindowDesktopPadding);
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(big->pos(), Point(work.left + padding, work.top + padding));

    // Moved away from (0, 0) already: left where it is.
    UIWidget* moved = placed(50, 50);
    moved->move(33, 44);
    moved->showPlaced();
    EXPECT_EQ(moved->pos(), Point(33, 44));
    UIHarness::closeWindow(parent);
}

// A framed window whose owner is hidden stands in the taskbar itself; one
// with a visible owner, or a popup, leaves that to the owner.
TEST_F(NativeHostTest, AnOwnedWindowHasATaskbarButtonOnlyWhileItsOwnerIsHidden)
{
    auto owner = makeWindow(0);
    struct Case {
        uint32_t flags;
        bool ownerShown;
        bool button;
    } cases[] = {{UINativeWindow::kSystemMenu, false, true},
                   {UINativeWindow::kSystemMenu, true, false},
                   {UINativeWindow::kFrameless, false, false}};
    for (const Case& c : cases) {
        owner->setVisible(c.ownerShown);
        auto window = makeWindow(c.flags, owner.get());
        window->setVisible(true);
        EXPECT_EQ((exStyle(window.get()) & WS_EX_APPWINDOW) != 0, c.button) << c.flags << " " << c.ownerShown;
        window->setVisible(false);
    }
    owner->setVisible(false);
}

TEST_F(NativeHostTest, TitlesCarryTheProductName)
{
    AppCore core(String(u"Reelstack"), String(u"1.0"));
    auto window = makeWindow(0);
    window->setWindowTitle(String(u"Alien"), true);
    wchar_t text[64] = {};
    GetWindowTextW(hwnd(window.get()), text, 64);
    EXPECT_EQ(String(reinterpret_cast<const char16_t*>(text), static_cast<int>(wcslen(text))),
              String(u"Alien \u2013 Reelstack"));
    EXPECT_EQ(window->windowTitle(), String(u"Alien \u2013 Reelstack"));
    window->setWindowTitle(String(), false);
    EXPECT_TRUE(window->windowTitle().isEmpty());
    std::wstring longTitle(2100, L'x');
    SetWindowTextW(hwnd(window.get()), longTitle.c_str());
    EXPECT_TRUE(window->windowTitle().isEmpty()) << "2048 characters and more read as empty";
}

TEST_F(NativeHostTest, MinimumTrackSizeIsTheHintPlusTheFrame)
{
    auto window = makeWindow(32);
    window->setMinimumSize(300, 200);
    Rect margins = window->frameMargins();
    MINMAXINFO info = {};
    SendMessageW(hwnd(window.get()), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 300 + margins.x + margins.width);
    EXPECT_EQ(info.ptMinTrackSize.y, 200 + margins.y + margins.height);

    auto fixed = makeWindow(0);
    fixed->setMinimumSize(300, 200);
    MINMAXINFO untouched = {};
    untouched.ptMinTrackSize.x = 7;
    SendMessageW(hwnd(fixed.get()), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&untouched));
    EXPECT_EQ(untouched.ptMinTrackSize.x, 7) << "only a resizable window answers";
}

// A window manager maximises, minimises and restores a window on screen
// itself and then tells the program with the system command a click on the
// frame would send, also while a modal window blocks this one. The window
// must follow, laid out for its new size (its last row at the bottom), and
// leave the activation with the window that blocks it.
TEST_F(NativeHostTest, SizeCommandsReachTheWindowAlsoWhileItIsBlocked)
{
    for (bool blocked : {false, true}) {
        auto window = std::make_unique<UIWidget>(nullptr);
        window->setFlag(UIWidget::kWindow, true);
        window->setWindowFlags(UINativeWindow::kResizable | UINativeWindow::kMinimizeBox |
                               UINativeWindow::kMaximizeBox | UINativeWindow::kSystemMenu);
        window->setStyleName(String(u"UIWindow"));
        window->setVerticalFlow(1);
        UIWidget* rows[2] = {new UIWidget(window.get()), new UIWidget(window.get())};
        for (UIWidget* row : rows) {
            row->setStyleName(String(u"UIWidget"));
            row->show();
        }
        rows[0]->setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kExpanding);
        rows[1]->setMinimumHeight(20);
        window->setGeometry(100, 100, 300, 200);
        window->show();
        HWND handle = hwnd(window.get());
        HWND blocker = nullptr;
        if (blocked) {
            UIWidget* dialog = makeWindow(UINativeWindow::kSystemMenu, window.get()).release();
            dialog->setGeometry(150, 150, 100, 60);
            dialog->show();
            blocker = hwnd(dialog);
            window->nativeWindow()->setBlocked(true);
        }
        // True when the window is in the state asked for and laid out for
        // its client area.
        auto command = [&](WPARAM which, bool zoomed, bool iconic) {
            SendMessageW(handle, WM_SYSCOMMAND, which, 0);
            UIHarness::pump();
            RECT client = {};
            GetClientRect(handle, &client);
            return bool(IsZoomed(handle)) == zoomed && bool(IsIconic(handle)) == iconic &&
                   (iconic || (window->size() == Size(client.right, client.bottom) &&
                               rows[1]->y() + rows[1]->height() == client.bottom));
        };
        // The block and the activation as they were before the commands.
        auto blockStays = [&] {
            if (!blocker)
                return IsWindowEnabled(handle) != FALSE;
            return !IsWindowEnabled(handle) && IsWindowVisible(blocker) && GetActiveWindow() == blocker;
        };
        if (blocker) {
            ASSERT_EQ(GetActiveWindow(), blocker) << "the dialog starts active";
        }
        ASSERT_TRUE(blockStays()) << "blocked " << blocked;
        // Maximising activates the window; restoring to a maximised state too.
        EXPECT_TRUE(command(SC_MAXIMIZE, true, false)) << "maximised, blocked " << blocked;
        EXPECT_GT(window->width(), 300) << "blocked " << blocked;
        EXPECT_TRUE(blockStays()) << "after maximising, blocked " << blocked;
        EXPECT_TRUE(command(SC_RESTORE, false, false)) << "restored, blocked " << blocked;
        EXPECT_EQ(window->size(), Size(300, 200)) << "blocked " << blocked;
        EXPECT_TRUE(command(SC_MINIMIZE, false, true)) << "minimised, blocked " << blocked;
        EXPECT_TRUE(command(SC_RESTORE, false, false)) << "shown again, blocked " << blocked;
        EXPECT_EQ(window->size(), Size(300, 200)) << "blocked " << blocked;
        EXPECT_TRUE(blockStays()) << "after showing again, blocked " << blocked;
        // Minimised from maximised, the window comes back maximised.
        EXPECT_TRUE(command(SC_MAXIMIZE, true, false)) << "maximised again, blocked " << blocked;
        EXPECT_TRUE(command(SC_MINIMIZE, false, true)) << "minimised from maximised, blocked " << blocked;
        // Under a window manager the minimised window takes the activation
        // with it: none is active when the restore comes.
        if (blocker) {
            SetActiveWindow(nullptr);
            ASSERT_EQ(GetActiveWindow(), nullptr);
        }
        EXPECT_TRUE(command(SC_RESTORE, true, false)) << "back to maximised, blocked " << blocked;
        EXPECT_GT(window->width(), 300) << "blocked " << blocked;
        EXPECT_TRUE(blockStays()) << "after coming back maximised, blocked " << blocked;
        window->nativeWindow()->setBlocked(false);
    }
}

TEST_F(NativeHostTest, SessionEndAndExternalMessages)
{
    auto window = makeWindow(512);
    EXPECT_EQ(SendMessageW(hwnd(window.get()), WM_QUERYENDSESSION, 0, 0), 1) << "nothing connected";
    UIEventRecorder events(window.get());
    EXPECT_EQ(SendMessageW(hwnd(window.get()), WM_QUERYENDSESSION, 0, 0), 1);
    EXPECT_EQ(events.sessionEndings(), 1);

    EXPECT_EQ(SendMessageW(hwnd(window.get()), 0xD000, 0, 4242), 0);
    EXPECT_EQ(events.last(kExternalEvent).value, 4242);

    EXPECT_FALSE(window->isVisible());
    SendMessageW(hwnd(window.get()), 0xD000, 0, 0);
    EXPECT_TRUE(window->isVisible()) << "0 shows the window";

    // 0 brings the window back to the front: a minimised one is restored, a
    // maximised one stays maximised.
    window->setWindowState(UINativeWindow::kMaximizedState);
    ASSERT_TRUE(window->isMaximized());
    SendMessageW(hwnd(window.get()), 0xD000, 0, 0);
    EXPECT_TRUE(window->isMaximized());
    window->setWindowState(UINativeWindow::kMinimizedState);
    ASSERT_TRUE(window->isMinimized());
    SendMessageW(hwnd(window.get()), 0xD000, 0, 0);
    EXPECT_FALSE(window->isMinimized());
}

// What a program writes at the end of the session must be written only when
// it really ends: the question, or a session that goes on, says nothing.
TEST_F(NativeHostTest, SessionEndedComesOnlyWhenTheSessionEnds)
{
    struct EndCounter : SignalReceiver
    {
        int ends = 0;
        void onEnded() { ++ends; }
    };
    auto window = makeWindow(512);
    EXPECT_EQ(SendMessageW(hwnd(window.get()), WM_ENDSESSION, TRUE, 0), 0) << "nothing connected";
    UIEventRecorder events(window.get());
    EndCounter counter;
    window->sessionEnded.connect(&counter, &EndCounter::onEnded);
    const struct
    {
        UINT message;
        WPARAM wParam;
        LRESULT answer;
        int ends;
    } steps[] = {
        {WM_QUERYENDSESSION, 0, 1, 0},
        {WM_ENDSESSION, FALSE, 0, 0},
        {WM_ENDSESSION, TRUE, 0, 1},
    };
    for (const auto& step : steps) {
        EXPECT_EQ(SendMessageW(hwnd(window.get()), step.message, step.wParam, 0), step.answer);
        EXPECT_EQ(counter.ends, step.ends) << step.message << " " << step.wParam;
    }
    EXPECT_EQ(events.sessionEndings(), 1) << "only the question";
}

TEST_F(NativeHostTest, FocusComesBackToTheWidgetThatHadIt)
{
    UIWidget* window = UIHarness::openWindow(nullptr, 10, 10, 200, 100);
    auto* field = new UIWidget(window);
    field->setStyleName(String(u"UITest"));
    field->setFocusPolicy(UIWidget::kClickFocus | UIWidget::kTabFocus);
    field->setGeometry(10, 10, 50, 20);
    field->show();
    ASSERT_TRUE(UIHarness::activate(window));
    field->setFocus();
    ASSERT_TRUE(field->hasFocus());
    SendMessageW(hwnd(window), WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(UIWidget::focusWidget(), nullptr);
    SendMessageW(hwnd(window), WM_SETFOCUS, 0, 0);
    EXPECT_TRUE(field->hasFocus());

    // The widget that had it is gone: nothing gets the focus back.
    SendMessageW(hwnd(window), WM_KILLFOCUS, 0, 0);
    delete field;
    auto* successor = new UIWidget(window);
    successor->setStyleName(String(u"UITest"));
    successor->setFocusPolicy(UIWidget::kClickFocus);
    successor->setGeometry(10, 10, 50, 20);
    successor->show();
    SendMessageW(hwnd(window), WM_SETFOCUS, 0, 0);
    EXPECT_EQ(UIWidget::focusWidget(), nullptr);
    UIHarness::closeWindow(window);
}

TEST_F(NativeHostTest, ForceForegroundPutsTheLockTimeOutBack)
{
    DWORD before = 0;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &before, 0));
    UIWidget* other = UIHarness::openWindow(nullptr, 300, 10, 50, 50);
    auto window = makeWindow(512);
    window->setGeometry(10, 10, 50, 50);
    window->show();
    ASSERT_TRUE(UIHarness::activate(other));
    window->setWindowState(UINativeWindow::kActiveState);
    EXPECT_EQ(GetForegroundWindow(), hwnd(window.get()));
    DWORD after = 1;
    SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &after, 0);
    EXPECT_EQ(after, before);
    UIHarness::closeWindow(other);
}

TEST_F(NativeHostTest, AHandlerThatDeletesTheWindowEndsTheMessage)
{
    struct Deleter : SignalReceiver
    {
        UIWidget* window = nullptr;
        void deleteWindow() { delete window; }
    };
    struct Case
    {
        Signal UIWidget::*signal;
        UINT message;
        WPARAM wParam;
    };
    // The close, the move of a window position change and a key press.
    const Case cases[] = {{&UIWidget::closeRequested, WM_CLOSE, 0},
                          {&UIWidget::moved, 0, 0},
                          {&UIWidget::keyPressed, WM_KEYDOWN, VK_F5}};
    for (const Case& c : cases) {
        Deleter deleter;
        deleter.window = UIHarness::openWindow(nullptr, 10, 10, 50, 50);
        UIWidgetGuard guard(deleter.window);
        HWND handle = hwnd(deleter.window);
        (deleter.window->*c.signal).connect(&deleter, &Deleter::deleteWindow);
        if (c.message)
            SendMessageW(handle, c.message, c.wParam, 0);
        else
            SetWindowPos(handle, nullptr, 30, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        EXPECT_FALSE(guard.isAlive());
        EXPECT_FALSE(IsWindow(handle));
    }
}

TEST_F(NativeHostTest, LayeredImagesFollowTheWindowSize)
{
    auto window = makeWindow(512);
    window->setGeometry(20, 20, 100, 80);
    window->show();
    Image image(50, 40, true);
    image.fill(Color(0xFF, 0x20, 0x40, 0x60));
    window->updateLayered(image);
    EXPECT_TRUE(exStyle(window.get()) & WS_EX_LAYERED);
    EXPECT_EQ(window->layeredImage().size(), Size(100, 80));
    EXPECT_NE(window->layeredImage().bits(), image.bits()) << "the caller's image is left alone";

    const uint8_t* shown = window->layeredImage().bits();
    window->updateLayered(window->layeredImage());
    EXPECT_EQ(window->layeredImage().bits(), shown) << "the image at the window's size is not scaled again";

    window->resize(120, 90);
    EXPECT_EQ(window->layeredImage().size(), Size(120, 90)) << "scaled again to the new size";

    window->updateLayered(Image());
    EXPECT_TRUE(window->layeredImage().isNull());
    EXPECT_FALSE(exStyle(window.get()) & WS_EX_LAYERED);
}
