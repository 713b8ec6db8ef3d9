// Flow 9: covers. A picture copied to the clipboard, as a picture viewer
// copies one, pasted as the poster and OK: the image grid's thumbnail and the
// card show it. Then another picture browsed in the system's file dialog and
// Cancel: the collection file and the "Images" folder are byte for byte as
// they were, and the views still show the first picture.
#include "graphics/image/Image.h"
#include "tests/e2e/E2eSteps.h"
#include "tests/flows/SystemDialogSteps.h"
#include "tests/support/ClipboardPictures.h"
#include "tests/support/ScreenPixels.h"

#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

using namespace e2e;

using namespace testsupport;

namespace {

constexpr COLORREF kPasted = RGB(214, 32, 160);
constexpr COLORREF kBrowsed = RGB(32, 176, 64);

std::string fileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Every file of the folder by name, with its bytes.
std::map<std::string, std::string> folderBytes(const std::filesystem::path& folder)
{
    std::map<std::string, std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        files[entry.path().filename().u8string()] = fileBytes(entry.path());
    return files;
}

} // namespace

TEST_F(E2e, Covers)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    auto* movie = new Movie;
    movie->id = 1;
    movie->title = String(u"Alpha");
    movie->year = 1990;
    ASSERT_TRUE(writeCollection("Covers", {movie}));
    const std::filesystem::path collection =
        std::filesystem::u8path(testsupport::utf8(flows::collectionPath("Covers")));
    const std::filesystem::path images = collection.parent_path() / "Images";
    Image browsed(90, 140, false);
    browsed.fill(Color(GetRValue(kBrowsed), GetGValue(kBrowsed), GetBValue(kBrowsed)));
    const std::string browsedPath = AppDriver::dataFolder() + "\\browsed-cover.png";
    ASSERT_TRUE(PngWriter::save(browsed, testsupport::text(browsedPath))) << browsedPath;

    ASSERT_TRUE(launchToMain()) << app.failure();
    ASSERT_TRUE(app.waitForPath("#images \"Alpha\""));
    const JsonValue grid = app.find("#images")["rect"];
    const JsonValue card = app.find("#card")["rect"];
    ASSERT_EQ(screenPixelsOf(grid, kPasted), 0);
    ASSERT_EQ(screenPixelsOf(card, kPasted), 0);

    // Pasted and OK.
    ASSERT_TRUE(copyPicture(120, 180, kPasted));
    ASSERT_TRUE(menu("Movie", "movieMenu", "Edit Selected Movie..."));
    ASSERT_TRUE(app.waitForPath("#movieEditor #coverTools"));
    ASSERT_TRUE(app.click("#movieEditor #coverTools \"Paste Image\""));
    ASSERT_TRUE(app.waitFor([&] {
        return screenPixelsOf(app.find("#movieEditor #coverPicture")["rect"], kPasted) > 1000;
    })) << "the editor shows the pasted picture";
    app.shot("pasted");
    ASSERT_TRUE(app.click("#movieEditor \"OK\""));
    ASSERT_TRUE(app.waitForNoPath("#movieEditor"));
    EXPECT_TRUE(app.waitFor([&] { return screenPixelsOf(grid, kPasted) > 500; }))
        << screenPixelsOf(grid, kPasted);
    EXPECT_TRUE(app.waitFor([&] { return screenPixelsOf(card, kPasted) > 500; }))
        << screenPixelsOf(card, kPasted);
    app.shot("poster-shown");
    ASSERT_TRUE(app.waitFor([&] { return !folderBytes(images).empty(); })) << images.u8string();
    const std::string collectionBefore = fileBytes(collection);
    const std::map<std::string, std::string> imagesBefore = folderBytes(images);
    ASSERT_FALSE(collectionBefore.empty());

    // Browsed, then Cancel.
    ASSERT_TRUE(menu("Movie", "movieMenu", "Edit Selected Movie..."));
    ASSERT_TRUE(app.waitForPath("#movieEditor #coverTools"));
    ASSERT_TRUE(app.click("#movieEditor #coverTools \"Browse...\""));
    HWND dialog = flows::waitForSystemDialog(app);
    ASSERT_TRUE(dialog) << "no file dialog";
    ASSERT_TRUE(flows::typeFileName(app, dialog, browsedPath, "browse-cover"));
    ASSERT_TRUE(app.waitFor([&] {
        return screenPixelsOf(app.find("#movieEditor #coverPicture")["rect"], kBrowsed) > 1000;
    })) << "the editor shows the browsed picture";
    app.shot("browsed");
    ASSERT_TRUE(app.click("#movieEditor \"Cancel\""));
    ASSERT_TRUE(app.waitForNoPath("#movieEditor"));
    EXPECT_TRUE(fileBytes(collection) == collectionBefore) << "the collection file changed";
    EXPECT_TRUE(folderBytes(images) == imagesBefore) << "the Images folder changed";
    EXPECT_GT(screenPixelsOf(grid, kPasted), 500);
    EXPECT_EQ(screenPixelsOf(card, kBrowsed), 0);
    ASSERT_TRUE(exitThroughTheMenu());
}
