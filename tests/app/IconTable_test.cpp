// The windows' data images as skingen drew them for data.pak: every row of
// the icon and data-skin tables at its size, and every name the windows ask
// for among them.
#include "app/main/MainWindow.h"
#include "app/views/MovieCells.h"
#include "graphics/codecs/PngStoredReader.h"
#include "model/records/Movie.h"
#include "tests/support/IoTestSupport.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/core/theme/GeneratedSkins.h"
#include "ui/widgets/items/UITableCell.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

using namespace generatedskins;

namespace {

Size drawnSize(const std::string& name)
{
    const std::vector<uint8_t> bytes = testsupport::readFileBytes(dataFile("images/" + name + ".png"));
    return pngHeaderSize(bytes.data(), bytes.size());
}

Size tableSize(const std::string& text)
{
    const size_t x = text.find('x');
    if (x == std::string::npos)
        return Size(std::atoi(text.c_str()), std::atoi(text.c_str()));
    return Size(std::atoi(text.substr(0, x).c_str()), std::atoi(text.substr(x + 1).c_str()));
}

// Name to size of every drawn data image; skins by their stacked frames.
std::map<std::string, Size> tableImages()
{
    std::map<std::string, Size> images;
    for (const auto& row : tableRows("icons.txt"))
        images[row[0]] = tableSize(row[1]);
    for (const auto& row : tableRows("dataskins.txt")) {
        Size frame = tableSize(row[2]);
        if (row[2].find('/') != std::string::npos) {
            int v[6] = {};
            std::sscanf(row[2].c_str(), "%d,%d,%d/%d,%d,%d", &v[0], &v[1], &v[2], &v[3], &v[4], &v[5]);
            frame = Size(v[0] + v[1] + v[2], v[3] + v[4] + v[5]);
        }
        images[row[0]] = Size(frame.width, frame.height * std::atoi(row[1].c_str()));
    }
    return images;
}

Image drawnImage(const std::string& name)
{
    const std::vector<uint8_t> bytes = testsupport::readFileBytes(dataFile("images/" + name + ".png"));
    return PngStoredReader::decode(bytes.data(), int64_t(bytes.size()));
}

uint32_t pixel(const Image& image, int x, int y)
{
    const uint8_t* p = image.pixelAt(x, y);
    return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

// The stars of a row that show the filled star's colour at their centre,
// read against the row of ten filled and the row of none.
int filledStars(const Image& row, const Image& full, const Image& none)
{
    const int side = row.height();
    int filled = 0;
    for (int i = 0; i < row.width() / side; ++i) {
        const int x = side * i + side / 2, y = side / 2;
        if (pixel(row, x, y) == pixel(full, x, y) && pixel(row, x, y) != pixel(none, x, y))
            filled = filled == i ? i + 1 : -1;
    }
    return filled;
}

} // namespace

TEST(IconTable, EveryRowIsDrawnAtItsSize)
{
    const std::map<std::string, Size> images = tableImages();
    ASSERT_GT(images.size(), 100u);
    for (const auto& [name, size] : images)
        EXPECT_EQ(drawnSize(name), size) << name << " in " << dataFile("images");
}

TEST(IconTable, TheMainWindowsImagesAreAllThere)
{
    const std::map<std::string, Size> images = tableImages();
    const char* names[] = {
        // Filter bar, views, status bar and the skins with grids of their own.
        "filter", "zoom_small", "zoom_big", "view-mode-list-big", "view-mode-images-big",
        "view-mode-coverflow-big", "UIMenuBar_Background", "UISlider_Handle", "UISlider_HorizontalBackground",
        "UIList_Selection", "sizegrip_background", "UIToolBar_Background", "toolbar_separator", "check-16",
        "star-small-0", "star-small-5", "star-small-6", "star-small-10",
        // Menus.
        "collection-new", "collection-open", "password", "door-16", "clapperboard--plus",
        "clapperboard--pencil", "clapperboard--minus", "screen-layout-01", "screen-layout-02",
        "screen-layout-03", "screen-layout-04", "columns-16", "sort-alphabet", "view-mode-list",
        "view-mode-images", "view-mode-coverflow", "refresh", "users", "chart-pie", "import",
        "arrow-export-16", "gear", "about16", "menu-check-for-updates", "lifebuoy16", "balloon", "home16",
        "tag--pencil", "color-swatch", "document-copy", "color-label-none", "color-label-red",
        "color-label-orange", "color-label-yellow", "color-label-green", "color-label-blue",
        "color-label-pink", "color-label-gray",
        // Tool bar.
        "clapperboard-plus32", "clapperboard-edit32", "clapperboard-minus32", "sort-32", "arrow_left32",
        "arrow_right32", "statistics", "loans", "toolbar_options", "email32", "toolbar_home",
        "toolbar_about"};
    for (const char* name : names)
        EXPECT_EQ(images.count(name), 1u) << name;
    // Sixteen pixels in menus, thirty-two on the tool bar and for "-big".
    EXPECT_EQ(images.at("gear"), Size(16, 16));
    EXPECT_EQ(images.at("toolbar_options"), Size(32, 32));
    EXPECT_EQ(images.at("view-mode-list-big"), Size(32, 32));
    EXPECT_EQ(images.at("UIMenuBar_Background"), Size(24, 24));
    EXPECT_EQ(images.at("UIList_Selection"), Size(50, 50));
}

// A rating runs from 0 to 10; each whole rating the list's column asks for
// is drawn, that many stars filled, and fits the column's cell as built.
TEST(IconTable, TheRatingColumnHasAPictureForEveryRating)
{
    const std::map<std::string, Size> images = tableImages();
    const UIMargins padding = UITableCell().padding();
    const int cellWidth =
        MainWindow::defaultColumnWidth(MovieCells::kMyRating) - padding.left - padding.right;
    Movie movie;
    movie.myRating = 10.0f;
    const Image full = drawnImage(iotest::show(MovieCells::ratingImageName(movie)));
    movie.myRating = 0.0f;
    const Image none = drawnImage(iotest::show(MovieCells::ratingImageName(movie)));
    ASSERT_FALSE(full.isNull());
    ASSERT_FALSE(none.isNull());
    for (int rating = 0; rating <= 10; ++rating) {
        movie.myRating = float(rating) + 0.5f * float(rating < 10);
        const std::string name = iotest::show(MovieCells::ratingImageName(movie));
        ASSERT_EQ(images.count(name), 1u) << name;
        EXPECT_LE(images.at(name).width, cellWidth) << name;
        EXPECT_GE(images.at(name).width / images.at(name).height, 10) << name << ": a star for each point";
        const Image drawn = drawnImage(name);
        ASSERT_FALSE(drawn.isNull()) << name;
        EXPECT_EQ(filledStars(drawn, full, none), rating) << name;
    }
}
