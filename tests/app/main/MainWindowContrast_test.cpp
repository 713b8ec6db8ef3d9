// The main window's own bars stay readable on the colours the window gives
// them: the menu bar's items, at rest, hovered and open, on its dark picture
// and the item fills it sets; the status texts on every stop of the status
// bar's gradient; the filter bar's line icons on every stop of its gradient.
// The white skin is loaded as the program loads it, so that what the window
// leaves to the skin is measured too.
#include "app/main/MainWindow.h"
#include "app/view/View.h"
#include "graphics/codecs/PngStoredReader.h"
#include "tests/app/TwelveMovies.h"
#include "tests/support/ContrastRatio.h"
#include "tests/support/WidgetFakes.h"
#include "tests/ui/core/theme/GeneratedSkins.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/theme/UITheme.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/menus/UIMenuBar.h"

#include <memory>
#include <sstream>
#include <string>
#include <vector>

using namespace contrastratio;

namespace {

const uint32_t kWhite = 0xFFFFFFFFu;

// Every colour a brush paints: its own, or each stop of its gradient.
std::vector<uint32_t> paints(const Brush& brush)
{
    std::vector<uint32_t> colours;
    if (!brush.hasGradient())
        colours.push_back(brush.color().value());
    for (int i = 0; i < brush.gradient().colors().count(); ++i)
        colours.push_back(brush.gradient().colorAt(i).value());
    return colours;
}

Image drawnImage(const std::string& name)
{
    const std::vector<uint8_t> bytes =
        testsupport::readFileBytes(generatedskins::dataFile("images/" + name + ".png"));
    return PngStoredReader::decode(bytes.data(), int64_t(bytes.size()));
}

uint32_t pixel(const Image& image, int x, int y)
{
    const uint8_t* p = image.pixelAt(x, y);
    return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

// The darkest fully opaque pixel of a line icon: its stroke. 0 (which fails
// every check) for a missing picture.
uint32_t strokeOf(const std::string& name)
{
    const Image image = drawnImage(name);
    uint32_t stroke = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const uint32_t p = pixel(image, x, y);
            if (p >> 24 == 0xFF && (stroke == 0 || luminance(p) < luminance(stroke)))
                stroke = p;
        }
    }
    return stroke;
}

std::string hex(uint32_t colour)
{
    std::ostringstream text;
    text << std::hex << colour;
    return text.str();
}

// Text or strokes at the guidelines' ratio for normal text.
void expectReadable(uint32_t fore, uint32_t back, const std::string& what)
{
    back = over(back, kWhite);
    fore = over(fore, back);
    EXPECT_GE(contrast(fore, back), 4.5) << what << ": " << hex(fore) << " on " << hex(back);
}

class MainWindowContrast : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        ASSERT_TRUE(UIApplication::instance()->loadTheme(generatedskins::skinPath("white.style")));
        ASSERT_TRUE(twelve.opened);
        view = std::make_unique<View>(twelve.model);
        view->createMainWindow();
        main = view->mainWindow();
    }
    void TearDown() override
    {
        view.reset();
        UIApplication::instance()->setTheme(new UITheme());
        WidgetTest::TearDown();
    }

    twelvemovies::Collection twelve;
    std::unique_ptr<View> view;
    MainWindow* main = nullptr;
};

} // namespace

TEST_F(MainWindowContrast, TheBarsTextsAndIconsAreReadableOnTheirOwnColours)
{
    const UIMenuBar::Style& bar = main->menuBar()->style();
    const Image picture = drawnImage("UIMenuBar_Background");
    ASSERT_FALSE(picture.isNull());
    const uint32_t barBack = over(pixel(picture, picture.width() / 2, picture.height() / 2),
                                  over(paints(bar.background).front(), kWhite));
    expectReadable(bar.foreground.color().value(), barBack, "menu bar");
    for (uint32_t back : paints(bar.hoveredItemBackground))
        expectReadable(bar.hoveredItemForeground.color().value(), over(back, barBack),
                       "hovered menu bar item");
    for (uint32_t back : paints(bar.selectedItemBackground))
        expectReadable(bar.selectedItemForeground.color().value(), over(back, barBack), "open menu bar item");

    const auto* statusBar = static_cast<const UIBox*>(main->statusLabel()->parentWidget()->parentWidget());
    ASSERT_FALSE(paints(statusBar->background()).empty());
    for (uint32_t back : paints(statusBar->background()))
        expectReadable(main->statusLabel()->style().foreground.color().value(), back, "status bar");

    const auto* filterBar = static_cast<const UIBox*>(main->filterKindBox()->parentWidget());
    ASSERT_FALSE(paints(filterBar->background()).empty());
    for (uint32_t back : paints(filterBar->background())) {
        for (const char* icon : {"filter", "zoom_small", "zoom_big"})
            expectReadable(strokeOf(icon), back, std::string("filter bar icon ") + icon);
    }
}
