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
    const struct
    {
        const char16_t* href;
        bool opens;
    } cases[] = {
        {u"http://", false},
        {u"https://", false},
        {u"ftp://", false},
        {u"http://example.org/film", true},
        {u"HTTPS://example.org", true},
        {u"ftp://host/file", true},
        {u"file:///C:/x.exe", false},
        {u"C:\\x.exe", false},
        {u"javascript:x", false},
        {u"calc.exe", false},
        {u"", false},
        {u" http://example.org", false},
    };
    for (const auto& c : cases) {
        const String target = CardPlay::hrefTarget(String(c.href));
        EXPECT_EQ(!target.isEmpty(), c.opens) << iotest::show(String(c.href));
        if (c.opens) {
            EXPECT_EQ(target, String(c.href)) << "a web address goes as it stands";
        }
        // A stored web link is held to the same rule.
        EXPECT_EQ(MovieLink::openAction(String(c.href), MovieLink::kOnline) == MovieLink::kOpenAddress,
                  c.opens);
    }
}

// A card anchor of a local link holds the file's or folder's path, as our
// web view hands it over, or the "file:" address the system's browser
// control makes of it: either opens when the file or folder is there, by
// its path.
TEST(CardPlay, ALocalLinkOpensOnlyAsAnExistingFileOrFolder)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, "Kept Cut.avi"), iotest::bytesOf("video")));
    const String kept = iotest::pathIn(dir, "Kept Cut.avi");
    const String folder = iotest::toPath(dir.path());
    const struct
    {
        String href;
        String target;
    } cases[] = {
        {kept, kept},
        {iotest::pathIn(dir, "Lost Cut.avi"), String()},
        {folder, folder},
        {fileUrlOf(kept), kept},
        {fileUrlOf(folder) + u"/", folder + u"\\"},
        {fileUrlOf(iotest::pathIn(dir, "Lost Cut.avi")), String()},
        {String(u"file:") + kept + u"%00", String()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CardPlay::hrefTarget(c.href), c.target) << iotest::show(c.href);
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
// the address it resolved: the shell opens the kept file and the folder by
// their paths, the web address as it stands; a missing file, a bare scheme
// and a script open nothing.
TEST_F(MovieCommandsTest, ACardLinkHandsTheShellOnlyWhatExists)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, "Kept Cut.avi"), iotest::bytesOf("video")));
    const String kept = iotest::pathIn(dir, "Kept Cut.avi");
    const String folder = iotest::toPath(dir.path());
    std::vector<std::string> calls;
    ShellCallRecorder::install([&calls](const String& call, const String& target) {
        calls.push_back(iotest::show(call) + " " + iotest::show(target));
    });
    const struct
    {
        String href;
        std::vector<std::string> calls;
    } rows[] = {
        {fileUrlOf(kept), {"open " + iotest::show(kept)}},
        {fileUrlOf(iotest::pathIn(dir, "Lost Cut.avi")), {}},
        {fileUrlOf(folder) + u"/", {"open " + iotest::show(folder) + "\\"}},
        {String(u"http://example.org/trailer"), {"open http://example.org/trailer"}},
        {String(u"http://"), {}},
        {String(u"javascript:alert(1)"), {}},
    };
    for (const auto& row : rows) {
        calls.clear();
        main->openLink(row.href, String());
        EXPECT_EQ(calls, row.calls) << iotest::show(row.href);
    }
    ShellCallRecorder::remove();
}
