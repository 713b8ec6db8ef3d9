// Flow 4: a title typed into the movie editor and Enter: the movie
// database (the stand-in) finds three movies, the second is chosen, and its
// page fills the fields and the poster; after OK the card shows the poster,
// read back from the screen inside the card's cover column.
#include "graphics/codecs/PngWriter.h"
#include "graphics/image/Image.h"
#include "tests/e2e/E2eAddSteps.h"

using namespace e2e;
using testsupport::StandInServer;

namespace {

// A poster of one colour no skin or card uses.
const int kPosterRed = 0xC8;
const int kPosterGreen = 0x1E;
const int kPosterBlue = 0x96;

std::string posterBytes()
{
    Image poster(120, 180, false);
    poster.fill(Color(kPosterRed, kPosterGreen, kPosterBlue));
    const ByteArray bytes = PngWriter::encode(poster);
    return std::string(reinterpret_cast<const char*>(bytes.data()), size_t(bytes.size()));
}

// Screen pixels inside the rect ([x, y, width, height]) of about the
// poster's colour.
int posterPixelsIn(const JsonValue& rect)
{
    const int left = rect.at(0).toInt();
    const int top = rect.at(1).toInt();
    HDC screen = GetDC(nullptr);
    int count = 0;
    for (int y = top; y < top + rect.at(3).toInt(); y += 2) {
        for (int x = left; x < left + rect.at(2).toInt(); x += 2) {
            const COLORREF pixel = GetPixel(screen, x, y);
            const int distance = std::abs(int(GetRValue(pixel)) - kPosterRed) +
                                 std::abs(int(GetGValue(pixel)) - kPosterGreen) +
                                 std::abs(int(GetBValue(pixel)) - kPosterBlue);
            count += distance <= 24 ? 1 : 0;
        }
    }
    ReleaseDC(nullptr, screen);
    return count;
}

} // namespace

TEST_F(E2e, AddFromWeb)
{
    StandInServer standIn;
    ASSERT_TRUE(standIn.isListening());
    standIn.setPage(StandInServer::kMovieDbHost, "/find?", standInPage("search-harbour.html"));
    standIn.setPage(StandInServer::kMovieDbHost, "/title/tt0100002/", standInPage("title-lights.html"));
    standIn.setPage(StandInServer::kMovieDbImageHost, "/images/", posterBytes(), "image/png");
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    ASSERT_TRUE(writeCollection("Web", {}));
    ASSERT_TRUE(launchToMain(standInOptions(standIn))) << app.failure();
    ASSERT_TRUE(titleNames("Web")) << mainTitle();

    ASSERT_TRUE(menu("Movie", "movieMenu", "Add Movie..."));
    const EditorPaths editor;
    ASSERT_TRUE(app.waitForPath(editor.title)) << app.failure();
    ASSERT_TRUE(typeInto(editor.title, "harbour"));
    ASSERT_TRUE(app.pressKey("Enter"));

    const std::string choose = windowTitled("Select Movie");
    ASSERT_TRUE(app.waitForPath(choose + " UITable", 30000)) << app.failure();
    const std::vector<std::string> results = {joinedTitles(cellsOf(app, choose + " UITable", 0)),
                                              joinedTitles(cellsOf(app, choose + " UITable", 1)),
                                              joinedTitles(cellsOf(app, choose + " UITable", 2))};
    EXPECT_EQ(results, (std::vector<std::string>{"Harbour of Night,2004", "Harbour Lights,2010",
                                                 "The Last Harbour,1987"}));
    EXPECT_EQ(app.find(choose + " UITable")["rowCount"].toInt(), 3);
    app.shot("results");
    ASSERT_TRUE(app.click(choose + " UITable \"Harbour Lights\""));
    ASSERT_TRUE(app.click(choose + " \"OK\""));

    ASSERT_TRUE(app.waitFor([&] { return app.find(editor.year)["text"].toText() == "2010"; }, 30000))
        << app.find(editor.year).write();
    EXPECT_EQ(app.find(editor.title)["text"].toText(), "Harbour Lights");
    EXPECT_EQ(app.find(editor.genre)["text"].toText(), "Mystery");
    EXPECT_TRUE(standIn.requestsTo(StandInServer::kMovieDbHost, "/title/tt0100001/").empty());
    ASSERT_EQ(standIn.requestsTo(StandInServer::kMovieDbImageHost, "/images/M/harbour-lights.png").size(),
              1u);
    ASSERT_TRUE(app.waitFor([&] { return posterPixelsIn(app.find(editor.poster)["rect"]) > 100; }))
        << "the editor shows the poster";
    app.shot("filled");

    ASSERT_TRUE(app.click(editor.ok));
    ASSERT_TRUE(app.waitForNoPath(editor.window)) << app.failure();
    ASSERT_TRUE(statusBecomes("1 of 1 movies shown")) << status();
    ASSERT_TRUE(app.waitFor([&] { return cardText().find("Harbour Lights") != std::string::npos; }))
        << cardText();
    EXPECT_NE(cardText().find("Petra Lund"), std::string::npos) << cardText();
    // The card shows the covers below their heading: the window is made as
    // large as the screen, as its maximize button does.
    HWND window = flows::mainWindowHandle(app);
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    ASSERT_TRUE(app.waitFor([&] { return IsZoomed(window) != FALSE; }));
    JsonValue covers;
    ASSERT_TRUE(app.waitFor([&] {
        covers = cardElement(app, "covers");
        return !covers.isNull() && covers["rect"].at(2).toInt() > 0 && posterPixelsIn(covers["rect"]) > 100;
    })) << "the card's cover column shows the poster: "
        << covers.write();
    app.shot("card");
    ASSERT_TRUE(exitThroughTheMenu());
    EXPECT_EQ(titlesOnDisk("Web"), std::vector<std::string>{"Harbour Lights"});
}
