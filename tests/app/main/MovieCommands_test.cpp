// The main window's movie commands over the twelve-movie collection on the
// widget fakes: what a click on the card plays or opens, the place and
// selection of an added movie in every sort order, removing, the colour
// label and several movies added at once.
#include "app/main/CardPlay.h"
#include "app/main/MainWindow.h"
#include "app/view/View.h"
#include "foundation/platform/ShellCallRecorder.h"
#include "model/NewMovieRecord.h"
#include "model/records/MovieLink.h"
#include "model/sorting/SortComparator.h"
#include "tests/app/TwelveMovies.h"
#include "tests/support/IoTestSupport.h"
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "tests/ui/views/coverflow/FakeD3D9Calls.h"
#include "ui/views/coverflow/D3D9Device.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableRow.h"

#include <string>
#include <vector>

namespace {

String fileUrlOf(const String& path)
{
    return testsupport::text(testsupport::fileAddress(testsupport::utf8(path)));
}

MovieLink linkTo(const String& url, int32_t type)
{
    MovieLink link;
    link.type = type;
    link.url = url;
    return link;
}

// A temporary folder with one video in it, "Kept Cut.avi", and none called
// "Lost Cut.avi".
struct VideoFolder
{
    VideoFolder()
    {
        written = iotest::writeFileBytes(iotest::nativeIn(dir, "Kept Cut.avi"), iotest::bytesOf("video"));
    }
    String kept() const { return iotest::pathIn(dir, "Kept Cut.avi"); }
    String lost() const { return iotest::pathIn(dir, "Lost Cut.avi"); }
    String folder() const { return iotest::toPath(dir.path()); }

    testsupport::TempDir dir;
    bool written = false;
};

// Records the shell calls made while it lives, as "call target".
class RecordedShellCalls
{
public:
    RecordedShellCalls()
    {
        ShellCallRecorder::install([this](const String& call, const String& target) {
            calls.push_back(iotest::show(call) + " " + iotest::show(target));
        });
    }
    ~RecordedShellCalls() { ShellCallRecorder::remove(); }

    std::vector<std::string> calls;
};

// What a click on the movie card's anchor with that href hands the shell,
// as the main window opens it.
std::vector<std::string> callsOfClick(const Movie& movie, const String& href)
{
    RecordedShellCalls recorded;
    const MovieLink* link = CardPlay::linkForHref(movie, href);
    if (link)
        MovieLink::open(link->url, link->type);
    return recorded.calls;
}

struct EpisodeIdCase
{
    const char16_t* id;
    bool read;
    int season;
    int number;
};

TEST(CardPlay, EpisodeIdsAreReadOnlyWhenWhole)
{
    const EpisodeIdCase cases[] = {
        {u"@play-episode-2.5", true, 2, 5},
        {u"@play-episode-1.3", true, 1, 3},
        {u"@play-episode-10.12", true, 10, 12},
        {u"@play-episode-2.5.9", true, 2, 5},
        {u"@play-episode-", false, 0, 0},
        {u"@play-episode-25", false, 0, 0},
        {u"@play-episode-2.", false, 0, 0},
        {u"@play-episode-.5", false, 0, 0},
        {u"@play-episode-a.b", false, 0, 0},
        {u"@play-episode-2x.5", false, 0, 0},
        {u"@play-episode- 2.5", false, 0, 0},
        {u"@play-episode--2.5", false, 0, 0},
        {u"@play-episode-9999999999.1", false, 0, 0},
        {u"@PLAY-EPISODE-2.5", false, 0, 0},
        {u"@play", false, 0, 0},
        {u"", false, 0, 0},
    };
    for (const EpisodeIdCase& c : cases) {
        int32_t season = -1;
        int32_t number = -1;
        SCOPED_TRACE(iotest::show(String(c.id)));
        EXPECT_EQ(CardPlay::readEpisodeId(String(c.id), season, number), c.read);
        if (c.read) {
            EXPECT_EQ(season, c.season);
            EXPECT_EQ(number, c.number);
        } else {
            EXPECT_EQ(season, -1) << "left as it was";
        }
    }
}

TEST(CardPlay, AnEpisodeIdFindsOnlyAnExistingEpisodesFile)
{
    Movie series;
    for (int number : {1, 2}) {
        Episode episode;
        episode.season = 1;
        episode.number = number;
        episode.file = String(u"/videos/s1e") + String::fromInt(number) + String(u".mkv");
        series.episodes.append(episode);
    }
    Episode fileless;
    fileless.season = 2;
    fileless.number = 5;
    series.episodes.append(fileless);
    EXPECT_EQ(CardPlay::episodeFile(series, String(u"@play-episode-1.2")), String(u"/videos/s1e2.mkv"));
    EXPECT_TRUE(CardPlay::episodeFile(series, String(u"@play-episode-1.3")).isEmpty()) << "no episode 3";
    EXPECT_TRUE(CardPlay::episodeFile(series, String(u"@play-episode-2.5")).isEmpty()) << "no file";
    EXPECT_TRUE(CardPlay::episodeFile(series, String(u"@play-episode-1")).isEmpty()) << "too few parts";
}

TEST(CardPlay, OnlyWholeWebAddressesOpen)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, "x.exe"), iotest::bytesOf("MZ")));
    const String program = iotest::pathIn(dir, "x.exe");
    const struct
    {
        String href;
        bool opens;
    } cases[] = {
        {u"http://", false},
        {u"https://", false},
        {u"ftp://", false},
        {u"http://example.org/film", true},
        {u"HTTPS://example.org", true},
        {u"ftp://host/file", true},
        // A program that is there, as the path or the "file:" address an
        // online link may hold in a collection from elsewhere.
        {fileUrlOf(program), false},
        {program, false},
        {u"javascript:x", false},
        {u"calc.exe", false},
        {u"", false},
        {u" http://example.org", false},
    };
    for (const auto& c : cases) {
        Movie movie;
        movie.links.append(linkTo(c.href, MovieLink::kOnline));
        const std::vector<std::string> opened =
            c.opens ? std::vector<std::string>{"open " + iotest::show(c.href)} : std::vector<std::string>{};
        EXPECT_EQ(callsOfClick(movie, c.href), opened) << iotest::show(c.href);
        // A stored web link is held to the same rule.
        EXPECT_EQ(MovieLink::openAction(c.href, MovieLink::kOnline) == MovieLink::kOpenAddress, c.opens);
    }
}

// A card anchor of a local link holds the file's or folder's path, as our
// web view hands it over, or the "file:" address the system's browser
// control makes of it: either opens the link when its file or folder is
// there, a file started, a folder opened.
TEST(CardPlay, ALocalLinkOpensOnlyAsAnExistingFileOrFolder)
{
    VideoFolder videos;
    ASSERT_TRUE(videos.written);
    const String kept = videos.kept();
    const String lost = videos.lost();
    const String folder = videos.folder();
    Movie movie;
    for (const String& url : {kept, lost, folder})
        movie.links.append(linkTo(url, MovieLink::kLocal));
    const struct
    {
        String href;
        std::vector<std::string> calls;
    } cases[] = {
        {kept, {"execute " + iotest::show(kept)}},
        {lost, {}},
        {folder, {"open " + iotest::show(folder)}},
        {fileUrlOf(kept), {"execute " + iotest::show(kept)}},
        {fileUrlOf(folder) + u"/", {"open " + iotest::show(folder)}},
        {fileUrlOf(lost), {}},
        {String(u"file:") + kept + u"%00", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(callsOfClick(movie, c.href), c.calls) << iotest::show(c.href);
}

// An anchor names one of the movie's links as the card wrote it; a "file:"
// address names a local link by its path as Windows compares paths. Any
// other text names none, so nothing is looked for on disk or on a share.
TEST(CardPlay, AHrefFindsOnlyTheLinkItNames)
{
    Movie movie;
    movie.links.append(linkTo(u"http://example.org/film", MovieLink::kOnline));
    movie.links.append(linkTo(u"C:\\Movies\\Heat.avi", MovieLink::kLocal));
    movie.links.append(linkTo(u"\\\\server\\share\\Heat II.avi", MovieLink::kLocal));
    movie.links.append(linkTo(u"file:///C:/Movies/Kept%20Cut.avi", MovieLink::kLocal));
    movie.links.append(linkTo(u"C:\\Movies\\Online.avi", MovieLink::kOnline));
    const struct
    {
        const char16_t* href;
        int link;
    } cases[] = {
        {u"http://example.org/film", 0},
        {u"HTTP://example.org/film", -1},
        {u"C:\\Movies\\Heat.avi", 1},
        {u"file:///C:/Movies/Heat.avi", 1},
        {u"file:///c:/movies/HEAT.AVI", 1},
        {u"\\\\server\\share\\Heat II.avi", 2},
        {u"file://server/share/Heat%20II.avi", 2},
        {u"\\\\server\\share\\Other.avi", -1},
        {u"file://server/share/Other.avi", -1},
        {u"file:///C:/Movies/Kept%20Cut.avi", 3},
        {u"file:///C:/Movies/Kept Cut.avi", 3},
        {u"C:\\Movies\\Online.avi", 4},
        {u"file:///C:/Movies/Online.avi", -1},
        {u"C:\\Movies", -1},
        {u"javascript:x", -1},
        {u"", -1},
    };
    for (const auto& c : cases) {
        const MovieLink* found = CardPlay::linkForHref(movie, String(c.href));
        const List<MovieLink>::Node* node = c.link < 0 ? nullptr : movie.links.nodeAt(c.link);
        EXPECT_EQ(found, node ? &node->value : nullptr) << iotest::show(String(c.href));
    }
}

TEST(CardPlay, PlayableLinksKeepTheMoviesOrder)
{
    Movie movie;
    const char16_t* urls[] = {u"http://a", u"http://b", u"http://c", u"http://d"};
    for (int i = 0; i < 4; ++i) {
        MovieLink link;
        link.url = String(urls[i]);
        link.play = i != 1;
        movie.links.append(link);
    }
    List<const MovieLink*> links = CardPlay::playableLinks(movie);
    std::string seen;
    for (const MovieLink* link : links)
        seen += iotest::show(link->url) + " ";
    EXPECT_EQ(seen, "http://a http://c http://d ");
}

class MovieCommandsTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        D3D9Device::setCallsFactory(&FakeD3D9Factory::make);
        ASSERT_TRUE(twelve.opened);
        // The twelve came in with their own ids; new ones follow them.
        while (twelve.model.nextMovieId() < 12) {
        }
        view = std::make_unique<View>(twelve.model);
        view->createMainWindow();
        main = view->mainWindow();
        main->setViewMode(0);
        main->fillMovieList();
        main->movieListFilled.connect(&fills, &Fills::onFilled);
    }
    void TearDown() override
    {
        view.reset();
        D3D9Device::setCallsFactory(nullptr);
        WidgetTest::TearDown();
    }
    int rowOf(const Movie* movie) const { return main->table()->indexOfTag(movie->id); }
    // Selects the first row and gives the movie whose card is shown.
    Movie* showFirstMovie()
    {
        main->table()->selectRow(0);
        return main->currentMovie();
    }
    Movie* add(const char16_t* title, int year)
    {
        NewMovieRecord record;
        record.title = String(title);
        record.year = year;
        return twelve.model.addMovie(record);
    }

    struct Fills : SignalReceiver
    {
        int count = 0;
        void onFilled() { ++count; }
    };

    twelvemovies::Collection twelve;
    std::unique_ptr<View> view;
    MainWindow* main = nullptr;
    Fills fills;
};

// Titles, past "The" and in any case: Alien amelie Babe Brazil | Cosmos Dune
// Elf Fargo Gravity Heat Hugo Ikiru. Years: 0 1952 1979 1980 1985 | 1995 1996
// 2001 2003 2011 2013 2021. The new movie is the newest, added and modified.
TEST_F(MovieCommandsTest, AnAddedMovieStandsWhereTheSortPutsItAndIsSelected)
{
    const int descending = 0;
    const struct
    {
        int mode;
        int order;
        int row;
    } cases[] = {
        {SortComparator::kByTitle, SortComparator::kAscending, 4},
        {SortComparator::kByTitle, descending, 8},
        {SortComparator::kByYear, SortComparator::kAscending, 5},
        {SortComparator::kByYear, descending, 7},
        {SortComparator::kByCreated, SortComparator::kAscending, 12},
        {SortComparator::kByCreated, descending, 0},
        {SortComparator::kByModified, SortComparator::kAscending, 12},
        {SortComparator::kByModified, descending, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode) + " order " + std::to_string(c.order));
        twelve.model.sortMovies(c.mode, c.order);
        main->fillMovieList();
        main->table()->selectRow(2);
        Movie* casablanca = add(u"Casablanca", 1990);
        ASSERT_NE(casablanca, nullptr);
        main->showAddedMovies(casablanca);
        EXPECT_EQ(rowOf(casablanca), c.row);
        EXPECT_EQ(main->currentMovie(), casablanca);
        EXPECT_EQ(main->table()->rowCount(), 13);
        EXPECT_EQ(twelve.model.sortMode(), c.mode) << "the sort state stays";
        EXPECT_EQ(twelve.model.sortOrder(), c.order);
        ASSERT_TRUE(twelve.model.removeMovie(casablanca));
    }
}

// An edit can leave the list out of order; the next add sorts it whole.
TEST_F(MovieCommandsTest, AnAddToAListOutOfOrderSortsItWhole)
{
    twelve.model.sortMovies(SortComparator::kByTitle, SortComparator::kAscending);
    main->fillMovieList();
    Movie* alien = twelve.model.movieByTitle(String(u"Alien"));
    alien->title = String(u"Zardoz");
    Movie* casablanca = add(u"Casablanca", 1990);
    main->showAddedMovies(casablanca);
    EXPECT_EQ(rowOf(alien), 12) << "renamed, sorted to the end";
    EXPECT_EQ(rowOf(casablanca), 3);
    EXPECT_EQ(main->currentMovie(), casablanca);
}

TEST_F(MovieCommandsTest, SeveralAddedMoviesAreSortedAndTheSelectionStays)
{
    twelve.model.sortMovies(SortComparator::kByTitle, SortComparator::kAscending);
    main->fillMovieList();
    main->table()->selectRow(5);
    Movie* selected = main->currentMovie();
    NewMovieRecordList records;
    for (const char16_t* title : {u"Zulu", u"Aardvark", u"Carrie"}) {
        NewMovieRecord record;
        record.title = String(title);
        records.append(record);
    }
    EXPECT_EQ(main->addMovieRecords(records), 3);
    EXPECT_EQ(main->table()->rowCount(), 15);
    EXPECT_EQ(main->currentMovie(), selected);
    EXPECT_EQ(rowOf(twelve.model.movieByTitle(String(u"Aardvark"))), 0);
    EXPECT_EQ(rowOf(twelve.model.movieByTitle(String(u"Carrie"))), 5);
    EXPECT_EQ(rowOf(twelve.model.movieByTitle(String(u"Zulu"))), 14);
    EXPECT_EQ(main->addMovieRecords(NewMovieRecordList()), 0);
}

TEST_F(MovieCommandsTest, RemovingWithoutTheQuestionTakesTheCurrentMovieAtOnce)
{
    twelve.model.setAskForConfirmationWhenRemovingMovies(false);
    main->table()->selectRow(3);
    const int32_t id = main->currentMovie()->id;
    main->removeMovie();
    EXPECT_EQ(twelve.model.movieById(id), nullptr);
    EXPECT_EQ(twelve.model.movieCount(), 11);
    EXPECT_EQ(main->table()->rowCount(), 11);
    EXPECT_EQ(main->table()->indexOfTag(id), -1);
    main->selectMovie(nullptr);
    main->removeMovie();
    EXPECT_EQ(twelve.model.movieCount(), 11) << "nothing current, nothing removed";
}

TEST_F(MovieCommandsTest, TheColourLabelRefillsOnlyWhenItChanges)
{
    main->table()->selectRow(1); // amelie, no label
    Movie* amelie = main->currentMovie();
    const DateTime modified = amelie->modified;
    main->setColorLabel(1);
    EXPECT_EQ(amelie->colorLabel, 1);
    EXPECT_EQ(fills.count, 1);
    EXPECT_EQ(main->currentMovie(), amelie) << "the refill keeps it";
    EXPECT_TRUE(amelie->modified == modified) << "no change of the movie's data";
    main->setColorLabel(1);
    EXPECT_EQ(fills.count, 1) << "the same label again";
    main->setColorLabel(8);
    main->setColorLabel(-1);
    EXPECT_EQ(amelie->colorLabel, 1) << "no such label";
    EXPECT_EQ(fills.count, 1);
}

} // namespace

// A click on a card link as the system's browser control reports it, with
// the address it resolved: the shown movie's links open by their own type,
// the kept file started, the folder opened by its path, a web address in the
// form the browser's command line cannot split; an online link that names a
// program opens nothing, and so do a missing file, a bare scheme, a script
// and an href that is none of the movie's links.
TEST_F(MovieCommandsTest, ACardLinkHandsTheShellOnlyWhatExists)
{
    VideoFolder videos;
    ASSERT_TRUE(videos.written);
    const testsupport::TempDir& dir = videos.dir;
    ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, "x.exe"), iotest::bytesOf("MZ")));
    const String kept = videos.kept();
    const String program = iotest::pathIn(dir, "x.exe");
    const String folder = videos.folder();
    Movie* shown = showFirstMovie();
    ASSERT_TRUE(shown);
    const struct
    {
        String url;
        int32_t type;
    } links[] = {
        {kept, MovieLink::kLocal},
        {videos.lost(), MovieLink::kLocal},
        {folder, MovieLink::kLocal},
        {u"http://example.org/trailer", MovieLink::kOnline},
        {u"http://example.org/Star Wars \"Special\"", MovieLink::kOnline},
        {u"http://", MovieLink::kOnline},
        {u"javascript:alert(1)", MovieLink::kOnline},
        {fileUrlOf(program), MovieLink::kOnline},
    };
    for (const auto& link : links)
        shown->links.append(linkTo(link.url, link.type));
    RecordedShellCalls recorded;
    const struct
    {
        String href;
        std::vector<std::string> calls;
    } rows[] = {
        {fileUrlOf(kept), {"execute " + iotest::show(kept)}},
        {fileUrlOf(videos.lost()), {}},
        {fileUrlOf(folder) + u"/", {"open " + iotest::show(folder)}},
        {String(u"http://example.org/trailer"), {"open http://example.org/trailer"}},
        {String(u"http://example.org/Star Wars \"Special\""),
         {"open http://example.org/Star%20Wars%20%22Special%22"}},
        {String(u"http://"), {}},
        {String(u"javascript:alert(1)"), {}},
        {fileUrlOf(program), {}},
        {program, {}},
        {String(u"http://example.org/elsewhere"), {}},
    };
    for (const auto& row : rows) {
        recorded.calls.clear();
        main->openLink(row.href, String());
        EXPECT_EQ(recorded.calls, row.calls) << iotest::show(row.href);
    }
}

// The card's play element and its episodes' play elements start a local
// file, written as a path or as a "file:" address, only when that file is
// there; a missing file, a folder and an address naming nothing start none.
TEST_F(MovieCommandsTest, ThePlayElementStartsOnlyAnExistingFile)
{
    VideoFolder videos;
    ASSERT_TRUE(videos.written);
    const String kept = videos.kept();
    const String lost = videos.lost();
    const String folder = videos.folder();
    Movie* shown = showFirstMovie();
    ASSERT_TRUE(shown);
    const struct
    {
        String url;
        std::vector<std::string> calls;
    } rows[] = {
        {kept, {"execute " + iotest::show(kept)}},
        {fileUrlOf(kept), {"execute " + iotest::show(kept)}},
        {lost, {}},
        {fileUrlOf(lost), {}},
        {folder, {}},
        {fileUrlOf(folder) + u"/", {}},
        {String(u"file:") + kept + u"%00", {}},
    };
    RecordedShellCalls recorded;
    for (const auto& row : rows) {
        SCOPED_TRACE(iotest::show(row.url));
        MovieLink link = linkTo(row.url, MovieLink::kLocal);
        link.play = true;
        shown->links = MovieLinkList();
        shown->links.append(link);
        recorded.calls.clear();
        main->playLink(String(), String(CardPlay::kPlayId));
        EXPECT_EQ(recorded.calls, row.calls) << "the play link";

        Episode episode;
        episode.season = 3;
        episode.number = 4;
        episode.file = row.url;
        shown->episodes = EpisodeList();
        shown->episodes.append(episode);
        recorded.calls.clear();
        main->playLink(String(), String(u"@play-episode-3.4"));
        EXPECT_EQ(recorded.calls, row.calls) << "the episode";
    }
}
