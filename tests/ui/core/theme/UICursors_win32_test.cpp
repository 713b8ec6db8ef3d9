#include "ui/core/theme/UICursors.h"

#include "foundation/core/AppCore.h"
#include "graphics/codecs/ImageCodec.h"
#include "graphics/codecs/PngWriter.h"
#include "tests/ui/core/theme/GeneratedSkins.h"
#include "ui/core/theme/UICursorTable.h"

#include <windows.h>

#include <gtest/gtest.h>

using namespace generatedskins;

namespace {

// A window of our own under the pointer, so the cursor on the screen is the
// one this thread sets (a button, since a static control lets the pointer
// through to whatever lies below).
class CursorWindow
{
public:
    CursorWindow()
        : m_window(CreateWindowExW(WS_EX_TOPMOST, L"BUTTON", L"", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200,
                                   nullptr, nullptr, GetModuleHandleW(nullptr), nullptr))
    {
        SetCursorPos(50, 50);
    }
    ~CursorWindow() { DestroyWindow(m_window); }

private:
    HWND m_window;
};

class UICursorsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ImageCodec::registerAll(); }
    void SetUp() override { UICursors::destroy(); }
    void TearDown() override { UICursors::destroy(); }

    AppCore m_core{String(u"Reelstack"), String(u"1.0")};
};

} // namespace

TEST_F(UICursorsTest, ShapesOfTheDataArchive)
{
    ASSERT_TRUE(m_core.openPak(skinPath("data.pak"))) << skinFile("data.pak");
    HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    EXPECT_EQ(arrow, UICursors::handle(26));
    for (int i = 0; i < UICursorTable::kNamedCursorCount; ++i) {
        const int shape = UICursorTable::shapeForName(UICursorTable::namedCursor(i));
        EXPECT_NE(nullptr, UICursors::handle(shape)) << "shape " << shape;
    }

    CursorWindow window;
    struct Case
    {
        int shape;
        void* shown;
    };
    const Case cases[] = {{5, UICursors::handle(5)},
                          {0, arrow},
                          {29, arrow},
                          {25, UICursors::handle(25)},
                          {4, UICursors::handle(4)}};
    for (const Case& c : cases) {
        UICursors::setCursor(UICursor(c.shape));
        EXPECT_EQ(c.shown, static_cast<void*>(GetCursor())) << "shape " << c.shape;
    }
    UICursors::setCursor(UICursor(5));
    EXPECT_EQ(5, UICursors::currentShape());
    EXPECT_EQ(5, UICursor::current().shape());
}

TEST_F(UICursorsTest, MissingArchiveAndOddSizedPictures)
{
    EXPECT_EQ(LoadCursorW(nullptr, IDC_ARROW), UICursors::handle(1))
        << "without \"data\" the system cursors load";
    EXPECT_EQ(nullptr, UICursors::handle(5));
    UICursors::destroy();

    // A cursor list whose picture is 16 x 16: scaled to the system size.
    Image small(16, 16, true);
    small.fill(Color(0xFF102030u));
    const ByteArray png = PngWriter::encode(small);
    ThemeArchive archive;
    archive.add("cursors", "lens.png", std::string(reinterpret_cast<const char*>(png.data()), png.size()));
    archive.add("cursors", "cursors.xml",
                "<?xml version=\"1.0\"?><cursors><cursor name=\"lens\" hotspotX=\"8\" hotspotY=\"4\"/>"
                "<cursor name=\"hand\" hotspotX=\"1\" hotspotY=\"1\"/></cursors>");
    ASSERT_TRUE(m_core.openPak(archive.save("data.pak")));

    ASSERT_NE(nullptr, UICursors::handle(14));
    EXPECT_EQ(nullptr, UICursors::handle(5)) << "a missing picture makes no cursor";
    CursorWindow window;
    UICursors::setCursor(UICursor(5));
    EXPECT_EQ(LoadCursorW(nullptr, IDC_ARROW), GetCursor()) << "a shape without a cursor shows the arrow";

    UICursors::setCursor(UICursor(14));
    int x = 0, y = 0;
    const Image image = UICursors::cursorImage(&x, &y);
    EXPECT_EQ(GetSystemMetrics(SM_CXCURSOR), image.width());
    EXPECT_EQ(8 * GetSystemMetrics(SM_CXCURSOR) / 16, x) << "the hot spot scales with the picture";
    EXPECT_EQ(4 * GetSystemMetrics(SM_CYCURSOR) / 16, y);
}

TEST_F(UICursorsTest, ShadowOnlyUnderShadowedSystemCursors)
{
    BOOL previous = FALSE;
    SystemParametersInfoW(SPI_GETCURSORSHADOW, 0, &previous, 0);
    SystemParametersInfoW(SPI_SETCURSORSHADOW, 0, reinterpret_cast<void*>(TRUE), 0);
    CursorWindow window;
    // The arrow is drawn with a shadow, the text beam never.
    for (const int shape : {1, 4}) {
        UICursors::setCursor(UICursor(shape));
        int x = 0, y = 0;
        const Image image = UICursors::cursorImage(&x, &y);
        ASSERT_FALSE(image.isNull()) << shape;
        EXPECT_EQ(GetSystemMetrics(SM_CXCURSOR) + (shape == 1 ? 10 : 0), image.width()) << "shape " << shape;
    }
    SystemParametersInfoW(SPI_SETCURSORSHADOW, 0, reinterpret_cast<void*>(static_cast<intptr_t>(previous)),
                          0);
}
