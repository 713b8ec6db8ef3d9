// Flow 16: a card colour chosen in the options (through the system's colour
// chooser) paints the card; German chosen and "Restart Now": Helper.exe
// brings the program back in German with the same collection, and the new
// instance reaches the driver again.
#include "tests/e2e/E2eSteps.h"
#include "tests/e2e/E2eSystemDialogs.h"

using namespace e2e;

namespace {

const COLORREF kCardColour = RGB(20, 160, 40);

bool closeTo(const uint8_t* bgra, COLORREF colour)
{
    return std::abs(int(bgra[2]) - int(GetRValue(colour))) + std::abs(int(bgra[1]) - int(GetGValue(colour))) +
               std::abs(int(bgra[0]) - int(GetBValue(colour))) <=
           12;
}

// The share (in percent) of the screen's pixels in the widget's rectangle
// that show about that colour.
int percentNear(const JsonValue& widget, COLORREF colour)
{
    const int x = widget["rect"].at(0).toInt();
    const int y = widget["rect"].at(1).toInt();
    const int width = widget["rect"].at(2).toInt();
    const int height = widget["rect"].at(3).toInt();
    if (width <= 0 || height <= 0)
        return -1;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, x, y, SRCCOPY);
    GdiFlush();
    int count = 0;
    const auto* pixels = static_cast<const uint8_t*>(bits);
    for (int i = 0; pixels && i < width * height; ++i)
        count += closeTo(pixels + 4 * i, colour) ? 1 : 0;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return int(int64_t(count) * 100 / (int64_t(width) * height));
}

} // namespace

TEST_F(E2e, OptionsAndLanguage)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    ASSERT_TRUE(launchToMain()) << app.failure();
    ASSERT_TRUE(titleNames("Example")) << mainTitle();
    ASSERT_TRUE(app.waitFor([&] { return !cardText().empty(); })) << "a movie's card is shown";
    EXPECT_LT(percentNear(app.find("#card"), kCardColour), 2) << "not the colour yet";

    ASSERT_TRUE(menu("Tools", "toolsMenu", "Options..."));
    ASSERT_TRUE(app.waitForPath("#options")) << app.failure();
    ASSERT_TRUE(app.click("#options \"Display\""));
    // The movie list's three pickers come first, then the card's background.
    const std::string background = "#options UIColorPicker[3]";
    ASSERT_TRUE(app.waitForPath(background)) << app.failure();
    app.shot("options-display");
    ASSERT_TRUE(app.click(background));
    ASSERT_TRUE(answerColorDialog(app, GetRValue(kCardColour), GetGValue(kCardColour), GetBValue(kCardColour),
                                  "colour-chooser"));
    app.shot("card-colour-chosen");
    ASSERT_TRUE(app.click("#optionsOk"));
    ASSERT_TRUE(app.waitForNoPath("#options")) << app.failure();
    EXPECT_TRUE(app.waitFor([&] { return percentNear(app.find("#card"), kCardColour) >= 25; }))
        << percentNear(app.find("#card"), kCardColour) << "% of the card";
    app.shot("card-coloured");

    ASSERT_TRUE(menu("Tools", "toolsMenu", "Options..."));
    ASSERT_TRUE(app.waitForPath("#options")) << app.failure();
    // The window opens on the page it was left on.
    ASSERT_TRUE(app.click("#options \"General\""));
    ASSERT_TRUE(app.waitForPath("#language")) << app.failure();
    ASSERT_TRUE(choose("#language", "Deutsch")) << app.find("#language").write();
    app.shot("options-german");
    ASSERT_TRUE(app.click("#optionsOk"));
    ASSERT_TRUE(app.waitForPath("\"Restart Now\"")) << app.failure();
    app.shot("restart-question");
    ASSERT_TRUE(app.click("\"Restart Now\""));
    ASSERT_EQ(app.waitForExit(), 0) << "the program ends once its helper has started";
    EXPECT_EQ(flows::configValue(u"model/language").toString(), String(u"German"));

    ASSERT_TRUE(app.acceptRestart()) << app.failure();
    ASSERT_TRUE(flows::waitForMain(app)) << app.failure();
    ASSERT_TRUE(titleNames("Example")) << mainTitle();
    // The menus speak German, and the card keeps its colour.
    const JsonValue bar = app.find("#menuBar");
    const JsonValue* first = flows::itemAt(&bar, 0);
    ASSERT_NE(first, nullptr) << bar.write();
    EXPECT_EQ((*first)["text"].toText(), "Sammlung");
    EXPECT_TRUE(app.waitFor([&] { return percentNear(app.find("#card"), kCardColour) >= 25; }));
    app.shot("german");
    ASSERT_TRUE(menu("Sammlung", "collectionMenu", "Beenden"));
    EXPECT_EQ(app.waitForExit(), 0);
}
