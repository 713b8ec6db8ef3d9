// The movie card on templates that show every placeholder: the worked sizes,
// colours, ratings and covers, hidden sections, hostile values kept inert,
// and the shipped templates' placeholders.
#include <gtest/gtest.h>

#include "model/card/CardRenderer.h"
#include "model/config/ViewSettings.h"
#include "model/records/Movie.h"
#include "tests/model/card/CardTestSupport.h"

#include <cmath>
#include <set>

using iotest::show;

namespace {

// Every part and the placeholders it may hold, besides "{TEMPLATE_FOLDER}".
const std::map<std::string, std::vector<std::string>> kParts = {
    {"movie",
     {"TITLE_COLOR",
      "LINK_COLOR",
      "TEXT_COLOR",
      "BACKGROUND_COLOR",
      "BACKGROUND_IMAGE",
      "FONT_FAMILY",
      "FONT_SIZE_TEXT",
      "FONT_SIZE_SMALL_TITLE",
      "FONT_SIZE_MEDIUM_TITLE",
      "FONT_SIZE_BIG_TITLE",
      "TITLE",
      "PLAY",
      "ORIGINAL_TITLE",
      "POSTER",
      "FRONT_COVER",
      "BACK_COVER",
      "GENRE",
      "STUDIO",
      "CREATOR",
      "DIRECTOR",
      "PRODUCER",
      "WRITER",
      "MUSICIAN",
      "CINEMATOGRAPHY",
      "CAST",
      "COUNTRY",
      "LANGUAGE",
      "YEAR",
      "DURATION",
      "COLOR",
      "PLOT",
      "NOTES",
      "MY_RATING",
      "WISHLIST",
      "SEEN",
      "LINKS",
      "EPISODES"}},
    {"no-movie", {}},
    {"title", {"TITLE"}},
    {"play", {}},
    {"original-title", {"ORIGINAL_TITLE", "LANG_ORIGINAL_TITLE"}},
    {"genre", {"GENRE"}},
    {"studio", {"STUDIO"}},
    {"country", {"COUNTRY"}},
    {"language", {"LANGUAGE"}},
    {"year", {"YEAR"}},
    {"runtime", {"RUNTIME"}},
    {"plot", {"PLOT"}},
    {"notes", {"NOTES"}},
    {"director", {"LANG_DIRECTOR", "DIRECTOR"}},
    {"producer", {"LANG_PRODUCER", "PRODUCER"}},
    {"writer", {"LANG_WRITER", "WRITER"}},
    {"musician", {"LANG_MUSICIAN", "MUSICIAN"}},
    {"cinematography", {"LANG_CINEMATOGRAPHY", "CINEMATOGRAPHY"}},
    {"creator", {"LANG_CREATOR", "CREATOR"}},
    {"cast", {"LANG_CAST", "CAST_ITEMS"}},
    {"cast-item", {"ACTOR", "CHARACTER"}},
    {"my-rating", {"ID"}},
    {"wishlist", {"LANG_WISHLIST", "WISHLIST"}},
    {"seen", {"LANG_SEEN", "SEEN"}},
    {"links", {"LANG_LINKS", "LINKS_ITEMS"}},
    {"links-item", {"URL", "DESCRIPTION"}},
    {"episodes", {"LANG_EPISODES", "EPISODES_ITEMS"}},
    {"episodes-item", {"SEASON_NUMBER", "NUMBER", "TITLE", "RELEASE_DATE", "PLOT", "PLAY_EPISODE"}},
    {"play-episode", {"SEASON_NUMBER", "EPISODE_NUMBER"}},
};

// The page shows each value between "<<NAME:" and ":NAME>>"; a section part
// shows its name and its placeholders between brackets.
std::map<std::string, std::string> testParts()
{
    std::map<std::string, std::string> parts;
    for (const auto& part : kParts) {
        std::string text = part.first == "no-movie" ? "none {TEMPLATE_FOLDER} {TITLE}" : part.first + "[";
        for (const std::string& name : part.second) {
            if (part.first == "movie")
                text += "<<" + name + ":{" + name + "}:" + name + ">>";
            else
                text += "{" + name + "}|";
        }
        parts[part.first] = part.first == "no-movie" ? text : text + "]";
    }
    return parts;
}

std::string field(const std::string& page, const std::string& name)
{
    size_t start = page.find("<<" + name + ":");
    size_t end = page.find(":" + name + ">>");
    if (start == std::string::npos || end == std::string::npos)
        return "(missing)";
    start += name.size() + 3;
    return page.substr(start, end - start);
}

class CardRendererTest : public ::testing::Test
{
protected:
    std::string render(const Movie& movie) { return show(renderer.render(&movie, view)); }

    cardtest::ProgramFolder folder{testParts()};
    CardRenderer renderer;
    ViewSettings view;
};

std::string fileUrlOf(const String& path)
{
    std::string url = "file:///";
    for (char c : show(path))
        url += c == '\\' ? '/' : c;
    return url;
}

} // namespace

TEST_F(CardRendererTest, FontSizesFollowTheWorkedExamplesWithinOneToFourHundredPixels)
{
    struct Row
    {
        int own, view;
        const char *text, *small, *medium, *big;
    } rows[] = {
        {0, 10, "10px;line-height:13", "11px;line-height:15", "13px;line-height:18", "16px;line-height:22"},
        {20, 10, "20px;line-height:27", "22px;line-height:30", "27px;line-height:37", "32px;line-height:44"},
        {0, 0, "1px;line-height:1", "1px;line-height:1", "1px;line-height:1", "1px;line-height:1"},
        {-7, 10, "1px;line-height:1", "1px;line-height:1", "1px;line-height:1", "1px;line-height:1"},
        {300, 0, "300px;line-height:419", "330px;line-height:461", "400px;line-height:559",
         "400px;line-height:559"},
        {100000, 0, "400px;line-height:559", "400px;line-height:559", "400px;line-height:559",
         "400px;line-height:559"},
    };
    for (const Row& row : rows) {
        Movie movie;
        movie.cardStyle.fontSize = row.own;
        view.movieCardFontSize = row.view;
        std::string page = render(movie);
        SCOPED_TRACE("own " + std::to_string(row.own) + ", view " + std::to_string(row.view));
        EXPECT_EQ(field(page, "FONT_SIZE_TEXT"), std::string("font-size:") + row.text + "px;");
        EXPECT_EQ(field(page, "FONT_SIZE_SMALL_TITLE"), std::string("font-size:") + row.small + "px;");
        EXPECT_EQ(field(page, "FONT_SIZE_MEDIUM_TITLE"), std::string("font-size:") + row.medium + "px;");
        EXPECT_EQ(field(page, "FONT_SIZE_BIG_TITLE"), std::string("font-size:") + row.big + "px;");
    }
}

TEST_F(CardRendererTest, ColoursWithAlphaZeroAndAnEmptyFamilyTakeTheViewsOwn)
{
    view.movieCardTitleColor = Color(10, 20, 30);
    view.movieCardLinkColor = Color(40, 50, 60);
    view.movieCardTextColor = Color(70, 80, 90);
    view.movieCardBackgroundColor = Color(255, 255, 255);
    view.movieCardFontFamily = String(u"Segoe UI, Arial");
    Movie movie;
    movie.cardStyle.titleColor = Color(255, 1, 2, 3);
    movie.cardStyle.linkColor = Color(0, 9, 9, 9);
    std::string page = render(movie);
    EXPECT_EQ(field(page, "TITLE_COLOR"), "color:rgb(1,2,3);");
    EXPECT_EQ(field(page, "LINK_COLOR"), "color:rgb(40,50,60);");
    EXPECT_EQ(field(page, "TEXT_COLOR"), "color:rgb(70,80,90);");
    EXPECT_EQ(field(page, "BACKGROUND_COLOR"), "background-color:rgb(255,255,255);");
    EXPECT_EQ(field(page, "FONT_FAMILY"), "font-family:'Segoe UI','Arial';");
    EXPECT_EQ(field(page, "BACKGROUND_IMAGE"), "");

    movie.cardStyle.fontFamily = String(u"Georgia");
    EXPECT_EQ(field(render(movie), "FONT_FAMILY"), "font-family:'Georgia';");
}

TEST_F(CardRendererTest, SectionsShowOnlyWhenTheMovieHasTheirData)
{
    Movie empty;
    std::string page = render(empty);
    for (const char* hidden :
         {"PLAY",     "ORIGINAL_TITLE", "GENRE", "STUDIO",   "CREATOR",     "DIRECTOR",  "PRODUCER", "WRITER",
          "MUSICIAN", "CINEMATOGRAPHY", "CAST",  "COUNTRY",  "LANGUAGE",    "YEAR",      "DURATION", "PLOT",
          "NOTES",    "MY_RATING",      "LINKS", "EPISODES", "FRONT_COVER", "BACK_COVER"})
        EXPECT_EQ(field(page, hidden), "") << hidden;
    EXPECT_EQ(field(page, "TITLE"), "title[|]");
    EXPECT_EQ(field(page, "WISHLIST"), "wishlist[Wish List|No|]");
    EXPECT_EQ(field(page, "SEEN"), "seen[Seen It|No|]");
    EXPECT_EQ(field(page, "COLOR"), "Black &amp; White");
    EXPECT_EQ(field(page, "POSTER"),
              "<img class=\"cover\" width=\"200\" src=\"" +
                  fileUrlOf(folder.path("program\\data\\templates\\default\\blank-cover.png")) + "\"/>");

    Movie full;
    full.title = String(u"Heat");
    full.originalTitle = String(u"Heat");
    full.year = 1995;
    full.runningTime = 170;
    full.genres.append(String(u"Crime"));
    full.genres.append(String(u"Drama"));
    full.crew.append(CrewItem{CrewItem::kDirector, String(), String(u"M. Mann")});
    full.cast.append(CastItem{String(u"Al"), String(u"Vincent")});
    full.cast.append(CastItem{String(u"Bob"), String()});
    full.seen = true;
    MovieLink link;
    link.play = true;
    link.url = String(u"http://example.org/heat");
    link.description = String(u"Trailer");
    full.links.append(link);
    Episode first;
    first.season = 1;
    first.number = 2;
    first.year = 2009;
    first.file = String(u"D:\\e.mkv");
    full.episodes.append(first);
    Episode second;
    second.season = 2;
    second.number = 1;
    full.episodes.append(second);
    page = render(full);
    EXPECT_EQ(field(page, "ORIGINAL_TITLE"), "") << "the same as the title";
    EXPECT_EQ(field(page, "PLAY"), "play[]");
    EXPECT_EQ(field(page, "YEAR"), "year[1995|]");
    EXPECT_EQ(field(page, "GENRE"), "genre[Crime, Drama|]");
    EXPECT_EQ(field(page, "DIRECTOR"), "director[Director|M. Mann|]");
    EXPECT_EQ(field(page, "CAST"), "cast[Cast|cast-item[Al|Vincent|]cast-item[Bob||]|]");
    EXPECT_EQ(field(page, "SEEN"), "seen[Seen It|Yes|]");
    EXPECT_EQ(field(page, "LINKS"), "links[Links|links-item[http://example.org/heat|Trailer|]|]");
    EXPECT_EQ(field(page, "EPISODES"), "episodes[2 Seasons, 2 Episodes|"
                                       "episodes-item[1|2||2009//||play-episode[1|2|]|]"
                                       "episodes-item[2|1|||||]|]");
}

TEST_F(CardRendererTest, RatingsShowWholeStarsFromOneToTen)
{
    struct Row
    {
        float rating;
        const char* shown;
    } rows[] = {{0.5f, ""},
                {1.0f, "my-rating[1|]"},
                {7.9f, "my-rating[7|]"},
                {12.0f, "my-rating[10|]"},
                {-3.0f, ""},
                {NAN, ""},
                {INFINITY, "my-rating[10|]"}};
    for (const Row& row : rows) {
        Movie movie;
        movie.myRating = row.rating;
        EXPECT_EQ(field(render(movie), "MY_RATING"), row.shown) << "rating " << row.rating;
    }
}

TEST_F(CardRendererTest, AnOriginalTitleThatDiffersIsShownWithItsCaption)
{
    Movie movie;
    movie.title = String(u"Das Boot");
    movie.originalTitle = String(u"Das boot");
    EXPECT_EQ(field(render(movie), "ORIGINAL_TITLE"), "original-title[Das boot|(original title)|]");
}

TEST_F(CardRendererTest, HostileValuesStayText)
{
    Movie movie;
    movie.id = 3;
    movie.title = String(u"<b>{PLOT}</b> \"x' & {TEMPLATE_FOLDER}");
    movie.plot = String(u"PLOT TEXT");
    movie.cast.append(CastItem{String(u"</td><script>"), String(u"{ACTOR}")});
    movie.cardStyle.fontFamily = String(u"Arial;} body{color:red'\"</style>");
    movie.cardStyle.backgroundImage = String(u"a');} x{(\".png");
    movie.setImagesFolder(String(u"C:\\Coll\\Images"));
    MovieLink link;
    link.url = String(u"\"><img src=x onerror=alert(1)>");
    movie.links.append(link);
    std::string page = render(movie);
    EXPECT_EQ(field(page, "TITLE"), "title[&lt;b&gt;{PLOT}&lt;/b&gt; &quot;x&#39; &amp; {TEMPLATE_FOLDER}|]");
    EXPECT_EQ(field(page, "CAST"), "cast[Cast|cast-item[&lt;/td&gt;&lt;script&gt;|{ACTOR}|]|]");
    EXPECT_EQ(field(page, "FONT_FAMILY"), "font-family:'Arial bodycolorredstyle';");
    EXPECT_EQ(field(page, "BACKGROUND_IMAGE"),
              "background-image: url('file:///C:/Coll/Images/a%27%29%3B%7D%20x%7B%28%22.png');");
    EXPECT_EQ(field(page, "LINKS"),
              "links[Links|links-item[&quot;&gt;&lt;img src=x onerror=alert(1)&gt;||]|]");
}

TEST_F(CardRendererTest, WithoutAMovieThePageIsTheEmptyPartWithOnlyItsFolderFilledIn)
{
    String folderPath = folder.path("program\\data\\templates\\default");
    EXPECT_EQ(show(renderer.templateFolder()), show(folderPath));
    EXPECT_EQ(show(renderer.render(nullptr, view)), "none " + fileUrlOf(folderPath) + " {TITLE}");
}

TEST_F(CardRendererTest, APosterWhoseFileExistsIsShownFromTheImagesFolder)
{
    ASSERT_TRUE(Directory::create(folder.path("coll\\Images")));
    ASSERT_TRUE(iotest::writeFileBytes(folder.native("coll/Images/p.png"), iotest::bytesOf("x")));
    Movie movie;
    movie.setImagesFolder(folder.path("coll\\Images"));
    Cover poster(String(u"p.png"));
    movie.setCover(poster);
    Cover back(String(u"missing.png"));
    back.kind = Cover::kBack;
    movie.setCover(back);
    std::string page = render(movie);
    EXPECT_EQ(field(page, "POSTER"), "<img class=\"cover\" width=\"200\" src=\"" +
                                         fileUrlOf(folder.path("coll\\Images\\p.png")) + "\"/>");
    EXPECT_EQ(field(page, "BACK_COVER"), "");
}

// The templates we ship use exactly the placeholders of their part.
TEST(ShippedCardTemplates, UseExactlyTheirPartsPlaceholders)
{
    for (const auto& part : kParts) {
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
        EXPECT_EQ(used, std::set<std::string>(part.second.begin(), part.second.end())) << part.first;
    }
}
