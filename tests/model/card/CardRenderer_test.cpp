// The movie card on templates that show every placeholder: the worked sizes,
// ratings and covers, hidden sections, hostile values kept inert,
// and the shipped templates' placeholders.
#include <gtest/gtest.h>

#include "foundation/core/AppCore.h"
#include "foundation/data/PakArchive.h"
#include "foundation/io/Directory.h"
#include "model/card/CardRenderer.h"
#include "model/config/ViewSettings.h"
#include "model/records/Movie.h"
#include "tests/support/IoTestSupport.h"

#include <cmath>
#include <set>
#include <sstream>

using iotest::show;

namespace {

// Every part and the placeholders it holds, besides "{TEMPLATE_FOLDER}".
const char kPartList[] =
    "movie: TITLE_COLOR LINK_COLOR TEXT_COLOR BACKGROUND_COLOR BACKGROUND_IMAGE FONT_FAMILY "
    "FONT_SIZE_TEXT FONT_SIZE_SMALL_TITLE FONT_SIZE_MEDIUM_TITLE FONT_SIZE_BIG_TITLE TITLE PLAY "
    "ORIGINAL_TITLE POSTER FRONT_COVER BACK_COVER GENRE STUDIO CREATOR DIRECTOR PRODUCER WRITER MUSICIAN "
    "CINEMATOGRAPHY CAST COUNTRY LANGUAGE YEAR DURATION COLOR PLOT NOTES MY_RATING WISHLIST SEEN LINKS "
    "EPISODES; no-movie: ; title: TITLE; play: ; original-title: ORIGINAL_TITLE LANG_ORIGINAL_TITLE; "
    "genre: GENRE; studio: STUDIO; country: COUNTRY; language: LANGUAGE; year: YEAR; runtime: RUNTIME; "
    "color: COLOR; "
    "plot: PLOT; notes: NOTES; director: LANG_DIRECTOR DIRECTOR; producer: LANG_PRODUCER PRODUCER; "
    "writer: LANG_WRITER WRITER; musician: LANG_MUSICIAN MUSICIAN; cinematography: LANG_CINEMATOGRAPHY "
    "CINEMATOGRAPHY; creator: LANG_CREATOR CREATOR; cast: LANG_CAST CAST_ITEMS; cast-item: ACTOR "
    "CHARACTER; my-rating: ID; wishlist: LANG_WISHLIST WISHLIST; seen: LANG_SEEN SEEN; links: LANG_LINKS "
    "LINKS_ITEMS; links-item: URL DESCRIPTION; episodes: LANG_EPISODES EPISODES_ITEMS; episodes-item: "
    "SEASON_NUMBER NUMBER TITLE RELEASE_DATE PLOT PLAY_EPISODE; play-episode: SEASON_NUMBER "
    "EPISODE_NUMBER;";

// Part name to its placeholders in the listed order.
std::map<std::string, std::vector<std::string>> parts()
{
    std::map<std::string, std::vector<std::string>> result;
    std::istringstream list(kPartList);
    std::string part, word;
    while (list >> part) {
        std::vector<std::string>& names = result[part.substr(0, part.size() - 1)];
        while (list >> word && word.back() != ';')
            names.push_back(word);
        if (word.size() > 1)
            names.push_back(word.substr(0, word.size() - 1));
    }
    return result;
}

std::set<std::string> namesOf(const std::string& part)
{
    std::vector<std::string> names = parts().at(part);
    return std::set<std::string>(names.begin(), names.end());
}

// The page shows each value between "<<NAME:" and ":NAME>>"; a section part
// shows its name and its placeholders, in the listed order, in brackets.
std::map<std::string, std::string> testParts()
{
    std::map<std::string, std::string> texts;
    for (const auto& part : parts()) {
        std::string text = part.first + "[";
        for (const std::string& name : part.second)
            text +=
                part.first == "movie" ? "<<" + name + ":{" + name + "}:" + name + ">>" : "{" + name + "}|";
        texts[part.first] = text + "]";
    }
    texts["no-movie"] = "none {TEMPLATE_FOLDER} {TITLE}";
    return texts;
}

std::string field(const std::string& page, const std::string& name)
{
    size_t start = page.find("<<" + name + ":"), end = page.find(":" + name + ">>");
    if (start == std::string::npos || end == std::string::npos)
        return "(missing)";
    return page.substr(start + name.size() + 3, end - start - name.size() - 3);
}

std::string fileUrl(const String& path)
{
    std::string url = "file:///";
    for (char c : show(path))
        url += c == '\\' ? '/' : c;
    return url;
}

std::string imageTag(const String& path)
{
    return "<img class=\"cover\" width=\"200\" src=\"" + fileUrl(path) + "\"/>";
}

// A program folder whose "data" archive holds test parts that show every
// placeholder.
class CardRendererTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        core.setAppDirectory(path("program"));
        ASSERT_TRUE(Directory::create(path("program\\data\\templates\\default")));
        ASSERT_TRUE(Directory::create(path("source\\templates\\default")));
        for (const auto& part : testParts()) {
            std::string file = "source/templates/default/" + part.first + ".html";
            ASSERT_TRUE(iotest::writeFileBytes(native(file), iotest::bytesOf(part.second)));
        }
        ASSERT_TRUE(PakArchive().packFolder(path("source"), path("program\\data.pak")));
        ASSERT_TRUE(core.openPak(path("program\\data.pak")));
    }
    std::string render(const Movie& movie) { return show(renderer.render(&movie, view)); }
    String path(const std::string& relative) const { return iotest::pathIn(dir, relative); }
    std::string native(const std::string& relative) const { return iotest::nativeIn(dir, relative); }

    testsupport::TempDir dir;
    // A product name of its own: under Windows the core takes the product's
    // single-instance mutex, and with the real name a reelstack.exe started
    // by a flow running beside these tests would take itself for a second
    // instance and quit.
    AppCore core{String(u"Reelstack card test"), String(u"1.2.0")};
    CardRenderer renderer;
    ViewSettings view;
};

} // namespace

TEST_F(CardRendererTest, FontSizesFollowTheWorkedExamplesWithinOneToFourHundredPixels)
{
    // Own size, view size, then text, small, medium and big title as "size/line height".
    const std::vector<std::vector<std::string>> rows = {
        {"0", "10", "10/13", "11/15", "13/18", "16/22"},
        {"20", "10", "20/27", "22/30", "27/37", "32/44"},
        {"-7", "10", "1/1", "1/1", "1/1", "1/1"},
        {"300", "0", "300/419", "330/461", "400/559", "400/559"},
        {"99999", "0", "400/559", "400/559", "400/559", "400/559"}};
    const char* names[] = {"FONT_SIZE_TEXT", "FONT_SIZE_SMALL_TITLE", "FONT_SIZE_MEDIUM_TITLE",
                           "FONT_SIZE_BIG_TITLE"};
    for (const auto& row : rows) {
        Movie movie;
        movie.cardStyle.fontSize = std::stoi(row[0]);
        view.movieCardFontSize = std::stoi(row[1]);
        std::string page = render(movie);
        for (int i = 0; i < 4; ++i) {
            std::string size = row[2 + i].substr(0, row[2 + i].find('/'));
            std::string line = row[2 + i].substr(row[2 + i].find('/') + 1);
            EXPECT_EQ(field(page, names[i]), "font-size:" + size + "px;line-height:" + line + "px;")
                << names[i] << " for own " << row[0] << ", view " << row[1];
        }
    }
}

TEST_F(CardRendererTest, SectionsShowOnlyWhenTheMovieHasTheirData)
{
    std::string page = render(Movie());
    for (const std::string& name : namesOf("movie")) {
        if (name.find("COLOR") == std::string::npos && name.find("FONT") == std::string::npos &&
            name != "TITLE" && name != "WISHLIST" && name != "SEEN" && name != "POSTER") {
            EXPECT_EQ(field(page, name), "") << name;
        }
    }
    EXPECT_EQ(field(page, "TITLE"), "title[|]");
    EXPECT_EQ(field(page, "WISHLIST"), "wishlist[Wish List|No|]");
    EXPECT_EQ(field(page, "SEEN"), "seen[Seen It|No|]");
    EXPECT_EQ(field(page, "COLOR"), "") << "no colour given";
    EXPECT_EQ(field(page, "POSTER"), imageTag(path("program\\data\\templates\\default\\blank-cover.png")));

    Movie full;
    full.title = full.originalTitle = String(u"Heat");
    full.year = 1995;
    full.genres = String::split(String(u"Crime,Drama"), String(u","), 0);
    full.crew.append(CrewItem{CrewItem::kDirector, String(), String(u"M. Mann")});
    full.cast.append(CastItem{String(u"Al"), String(u"Vincent")});
    full.cast.append(CastItem{String(u"Bob"), String()});
    full.seen = true;
    full.links.append(
        MovieLink{MovieLink::kOnline, String(u"Trailer"), String(u"http://example.org/h"), true});
    full.episodes.append(Episode{1, 2, 2009, 0, 0, String(), String(), String(u"D:\\e.mkv"), String()});
    full.episodes.append(Episode{2, 1, 0, 0, 0, String(), String(), String(), String()});
    page = render(full);
    EXPECT_EQ(field(page, "ORIGINAL_TITLE"), "") << "the same as the title";
    EXPECT_EQ(field(page, "PLAY"), "play[]");
    EXPECT_EQ(field(page, "YEAR"), "year[1995|]");
    EXPECT_EQ(field(page, "GENRE"), "genre[Crime, Drama|]");
    EXPECT_EQ(field(page, "DIRECTOR"), "director[Director|M. Mann|]");
    EXPECT_EQ(field(page, "CAST"), "cast[Cast|cast-item[Al|Vincent|]cast-item[Bob||]|]");
    EXPECT_EQ(field(page, "SEEN"), "seen[Seen It|Yes|]");
    EXPECT_EQ(field(page, "LINKS"), "links[Links|links-item[http://example.org/h|Trailer|]|]");
    EXPECT_EQ(field(page, "EPISODES"),
              "episodes[2 Seasons, 2 Episodes|episodes-item[1|2||2009//||play-episode[1|2|]|]"
              "episodes-item[2|1|||||]|]");
    full.originalTitle = String(u"heat");
    EXPECT_EQ(field(render(full), "ORIGINAL_TITLE"), "original-title[heat|(original title)|]");

    const char* colours[] = {"", "color[Color|]", "color[Black &amp; White|]",
                             "color[Color, Black &amp; White|]", ""};
    for (int32_t colour = 0; colour <= 4; ++colour) {
        full.colour = colour;
        EXPECT_EQ(field(render(full), "COLOR"), colours[colour]) << "colour " << colour;
    }
}

TEST_F(CardRendererTest, RatingsShowWholeStarsFromOneToTen)
{
    const float ratings[] = {0.5f, 1.0f, 7.9f, 12.0f, -3.0f, NAN, INFINITY};
    const char* shown[] = {"", "my-rating[1|]", "my-rating[7|]", "my-rating[10|]", "", "", "my-rating[10|]"};
    for (int i = 0; i < 7; ++i) {
        Movie movie;
        movie.myRating = ratings[i];
        EXPECT_EQ(field(render(movie), "MY_RATING"), shown[i]) << "rating " << ratings[i];
    }
}

TEST_F(CardRendererTest, HostileValuesStayText)
{
    Movie movie;
    movie.title = String(u"<b>{PLOT}</b> \"x' & {TEMPLATE_FOLDER}");
    movie.plot = String(u"PLOT TEXT");
    movie.cast.append(CastItem{String(u"</td><script>"), String(u"{ACTOR}")});
    movie.cardStyle.fontFamily = String(u"Arial;} body{color:red'\"</style>");
    movie.cardStyle.backgroundImage = String(u"a');} x{(.png");
    movie.setImagesFolder(String(u"C:\\Coll\\Images"));
    movie.links.append(
        MovieLink{MovieLink::kOnline, String(), String(u"\"><img src=x onerror=alert(1)>"), false});
    std::string page = render(movie);
    EXPECT_EQ(field(page, "TITLE"), "title[&lt;b&gt;{PLOT}&lt;/b&gt; &quot;x&#39; &amp; {TEMPLATE_FOLDER}|]");
    EXPECT_EQ(field(page, "CAST"), "cast[Cast|cast-item[&lt;/td&gt;&lt;script&gt;|{ACTOR}|]|]");
    EXPECT_EQ(field(page, "FONT_FAMILY"), "font-family:'Arial bodycolorredstyle';");
    EXPECT_EQ(field(page, "BACKGROUND_IMAGE"),
              "background-image: url('file:///C:/Coll/Images/a%27%29%3B%7D%20x%7B%28.png');");
    EXPECT_EQ(field(page, "LINKS"),
              "links[Links|links-item[&quot;&gt;&lt;img src=x onerror=alert(1)&gt;||]|]");
}

TEST_F(CardRendererTest, PostersComeFromTheImagesFolderAndNoMovieShowsTheEmptyPart)
{
    ASSERT_TRUE(Directory::create(path("coll\\Images")));
    ASSERT_TRUE(iotest::writeFileBytes(native("coll/Images/p.png"), iotest::bytesOf("x")));
    Movie movie;
    movie.setImagesFolder(path("coll\\Images"));
    movie.setCover(Cover(String(u"p.png")));
    Cover back(String(u"missing.png"));
    back.kind = Cover::kBack;
    movie.setCover(back);
    std::string page = render(movie);
    EXPECT_EQ(field(page, "POSTER"), imageTag(path("coll\\Images\\p.png")));
    EXPECT_EQ(field(page, "BACK_COVER"), "");

    String templates = path("program\\data\\templates\\default");
    EXPECT_EQ(show(renderer.render(nullptr, view)), "none " + fileUrl(templates) + " {TITLE}");
}

TEST(ShippedCardTemplates, UseExactlyTheirPartsPlaceholders)
{
    for (const auto& part : parts()) {
        std::string path =
            testsupport::dataDir() + "/../../assets/data/templates/default/" + part.first + ".html";
        std::vector<uint8_t> bytes = testsupport::readFileBytes(path);
        ASSERT_FALSE(bytes.empty()) << path;
        std::string text(bytes.begin(), bytes.end());
        std::set<std::string> used;
        for (size_t open = text.find('{'); open != std::string::npos; open = text.find('{', open + 1)) {
            size_t close = text.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ_", open + 1);
            if (close != std::string::npos && close > open + 1 && text[close] == '}')
                used.insert(text.substr(open + 1, close - open - 1));
        }
        used.erase("TEMPLATE_FOLDER");
        EXPECT_EQ(used, namesOf(part.first)) << part.first;
    }
}
