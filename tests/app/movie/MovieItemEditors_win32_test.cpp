// The small editors of one item of a movie under Wine, each run modally and
// driven by real input: what they refuse with a balloon, what they store
// (trimmed, appended or in place), and the link editor's two kinds of
// address, each keeping its own text.
#include "app/movie/AddEditEpisodeWindow.h"
#include "app/movie/AddEditMovieCastWindow.h"
#include "app/movie/AddEditMovieCrewWindow.h"
#include "app/movie/AddEditMovieLinkWindow.h"

#include "tests/app/movie/MovieEditorFixture.h"
#include "ui/widgets/buttons/UICheck.h"
#include "ui/widgets/buttons/UIRadio.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/spinbox/UISpinBox.h"

using namespace movietest;

namespace {

const char kRequired[] = "Please fill the required fields.";

class ItemEditors : public MovieEditorTest
{
protected:
    // Runs the item editor's dialog while act drives it; true when act ran.
    static bool run(MovieItemWindow& editor, const std::function<void()>& act,
                    const std::function<void()>& exec)
    {
        return drive(editor.dialog(), act, exec);
    }
    // OK, then either the balloon expected (and Cancel) or a closed dialog:
    // whichever comes first tells.
    static std::string okOutcome(MovieItemWindow& editor)
    {
        click(editor.okButton());
        UIHarness::pumpUntil([&] { return !editor.dialog()->isVisible() || UIBalloonTip::isShowing(); });
        if (!editor.dialog()->isVisible())
            return "accepted";
        const bool shown = UIBalloonTip::isShowing();
        const std::string said = shown ? utf8(UIBalloonTip::currentText()) : "nothing said";
        UIBalloonTip::hideBalloon();
        click(editor.cancelButton());
        return said;
    }
    // Clicks the browse button and picks path in the system's file dialog.
    static bool chooseFile(UIButton* browse, const String& path)
    {
        return chooseFileThrough([&] { click(browse); }, path);
    }
};

} // namespace

TEST_F(ItemEditors, CastNeedsActorAndCharacterTrimmedAndTakesDuplicates)
{
    struct Row
    {
        const char* actor;
        const char* character;
        const char* outcome;
    };
    const Row rows[] = {
        {" ann ", "", kRequired}, {"   ", "the maid", kRequired}, {" ann ", " the maid ", "accepted"}};
    for (const Row& row : rows) {
        Movie* movie = addMovie("Cast");
        CastItem existing;
        existing.actor = String(u"ann");
        existing.character = String(u"the maid");
        movie->cast.append(existing);
        AddEditMovieCastWindow editor(window, movie, nullptr);
        std::string outcome;
        EXPECT_TRUE(run(
            editor,
            [&] {
                type(editor.actorEdit(), row.actor);
                type(editor.characterEdit(), row.character);
                outcome = okOutcome(editor);
            },
            [&] { editor.exec(); }));
        SCOPED_TRACE(std::string(row.actor) + "/" + row.character);
        EXPECT_EQ(outcome, row.outcome);
        const bool accepted = std::string(row.outcome) == "accepted";
        ASSERT_EQ(movie->cast.count(), accepted ? 2 : 1);
        const CastItem& last = movie->cast.last()->value;
        EXPECT_EQ(utf8(last.actor), "ann");
        EXPECT_EQ(utf8(last.character), "the maid");
    }
}

TEST_F(ItemEditors, CrewNeedsOnlyANameAndEditingKeepsTheHiddenText)
{
    Movie* movie = addMovie("Crew");
    CrewItem existing;
    existing.role = CrewItem::kProducer;
    existing.unme = String(u"kept");
    existing.name = String(u"al");
    movie->crew.append(existing);
    struct Row
    {
        bool editing;
        const char* name;
        const char* outcome;
    };
    const Row rows[] = {{false, "   ", kRequired}, {false, " bo ", "accepted"}, {true, " cy ", "accepted"}};
    for (const Row& row : rows) {
        CrewItem* item = row.editing ? &movie->crew.first()->value : nullptr;
        AddEditMovieCrewWindow editor(window, movie, item);
        std::string outcome;
        int shownRole = -1;
        EXPECT_TRUE(run(
            editor,
            [&] {
                shownRole = editor.roleCombo()->currentIndex();
                replaceText(editor.nameEdit(), row.name);
                outcome = okOutcome(editor);
            },
            [&] { editor.exec(); }));
        EXPECT_EQ(outcome, row.outcome) << row.name;
        EXPECT_EQ(shownRole, row.editing ? int(CrewItem::kProducer) : int(CrewItem::kDirector));
    }
    ASSERT_EQ(movie->crew.count(), 2);
    const CrewItem& edited = movie->crew.first()->value;
    EXPECT_EQ(utf8(edited.name), "cy");
    EXPECT_EQ(edited.role, CrewItem::kProducer);
    EXPECT_EQ(utf8(edited.unme), "kept") << "never shown, never lost";
    const CrewItem& added = movie->crew.last()->value;
    EXPECT_EQ(utf8(added.name), "bo");
    EXPECT_EQ(added.role, CrewItem::kDirector) << "the untouched combo's first role";
    EXPECT_TRUE(added.unme.isEmpty());
}

TEST_F(ItemEditors, EpisodesNeedTitleSeasonAndNumberAndNoTwinAndKeepOddYears)
{
    struct Row
    {
        int edited; // position of the episode edited; -1 adds
        const char* season;
        const char* number;
        const char* title;
        const char* year;
        const char* url;
        const char* outcome;
        int storedYear;
    };
    // Each movie has (1, 1, "pilot") and (1, 2, "second", 1895); null
    // leaves a control as it opened.
    const Row rows[] = {
        {0, nullptr, nullptr, nullptr, nullptr, nullptr, "accepted", 0},
        {1, nullptr, nullptr, nullptr, nullptr, nullptr, "accepted", 1895},
        {0, nullptr, "2", nullptr, nullptr, nullptr, "Episode already exists.", 0},
        {-1, nullptr, "3", "late", nullptr, nullptr, kRequired, 0},
        {-1, "2", "1", "  ", nullptr, nullptr, kRequired, 0},
        {-1, "1000", "1000", " big ", nullptr, "  www.example.test  ", "accepted", 0},
        {-1, "2", "1", "early", "1888", nullptr, "accepted", 1888},
    };
    for (const Row& row : rows) {
        Movie* movie = addMovie("Series");
        Episode pilot;
        pilot.season = 1;
        pilot.number = 1;
        pilot.title = String(u"pilot");
        movie->episodes.append(pilot);
        Episode second = pilot;
        second.number = 2;
        second.year = 1895;
        second.title = String(u"second");
        movie->episodes.append(second);
        Episode* edited = row.edited < 0 ? nullptr : &movie->episodes.nodeAt(row.edited)->value;
        const Episode before = edited ? *edited : Episode();
        AddEditEpisodeWindow editor(window, movie, edited);
        std::string outcome;
        bool datesNotGiven = false;
        EXPECT_TRUE(run(
            editor,
            [&] {
                datesNotGiven =
                    editor.dayBox()->isSpecialValueShown() && editor.monthCombo()->currentIndex() == 0;
                if (!edited || edited->year == 0)
                    datesNotGiven = datesNotGiven && editor.yearBox()->isSpecialValueShown();
                if (row.season)
                    replaceText(editor.seasonBox()->lineEdit(), row.season);
                if (row.number)
                    replaceText(editor.numberBox()->lineEdit(), row.number);
                if (row.title)
                    replaceText(editor.titleEdit(), row.title);
                if (row.year)
                    replaceText(editor.yearBox()->lineEdit(), row.year);
                if (row.url)
                    replaceText(editor.urlEdit(), row.url);
                outcome = okOutcome(editor);
            },
            [&] { editor.exec(); }));
        SCOPED_TRACE(std::to_string(&row - rows));
        EXPECT_TRUE(datesNotGiven) << "month and day of 0, and year 0, open as n/a";
        EXPECT_EQ(outcome, row.outcome);
        const bool accepted = std::string(row.outcome) == "accepted";
        ASSERT_EQ(movie->episodes.count(), accepted && !edited ? 3 : 2);
        if (edited) {
            EXPECT_EQ(edited->season, before.season);
            EXPECT_EQ(edited->number, before.number) << "a refused edit changes nothing";
            EXPECT_EQ(edited->year, row.storedYear) << "a stored year outside the range is kept";
            EXPECT_EQ(utf8(edited->title), utf8(before.title));
            continue;
        }
        if (!accepted)
            continue;
        const Episode& added = movie->episodes.last()->value;
        EXPECT_EQ(std::to_string(added.season), row.season);
        EXPECT_EQ(std::to_string(added.number), row.number);
        EXPECT_EQ(utf8(added.title), utf8(text(row.title).trim()));
        EXPECT_EQ(added.year, row.storedYear);
        EXPECT_EQ(added.month, 0);
        EXPECT_EQ(added.day, 0);
        if (row.url) {
            EXPECT_EQ(utf8(added.url), "www.example.test");
        }
    }
}

TEST_F(ItemEditors, LinksRefuseABareSchemeAndKeepEachTypesOwnText)
{
    const String file = text(dir.file("the_big_film.mkv"));
    ASSERT_TRUE(testsupport::writeFileBytes(utf8(file), {1, 2, 3}));
    struct Row
    {
        const char* url;         // typed over the preset; null keeps it
        const char* description; // typed before the file is chosen
        bool chooseLocal;        // Local, a file chosen, then back unless stayLocal
        bool stayLocal;
        const char* outcome;
        int storedType;
        const char* storedUrl; // "file" for the chosen file's path
        const char* storedDescription;
    };
    const Row rows[] = {
        {nullptr, "site", false, false, kRequired, 0, "", ""},
        {"HTTP://x", "site", false, false, "accepted", 0, "HTTP://x", "site"},
        {"http://typed.test", "", true, false, "accepted", 0, "http://typed.test", "the_big_film"},
        {nullptr, "mine", true, true, "accepted", 1, "file", "mine"},
        {"http:// ", "", true, true, "accepted", 1, "file", "the_big_film"},
    };
    for (const Row& row : rows) {
        Movie* movie = addMovie("Links");
        AddEditMovieLinkWindow editor(window, movie, nullptr);
        std::string outcome;
        std::string presetUrl;
        std::string localField;
        std::string onlineAgain;
        bool localState = false;
        EXPECT_TRUE(run(
            editor,
            [&] {
                presetUrl = utf8(editor.urlEdit()->text());
                if (row.url)
                    replaceText(editor.urlEdit(), row.url);
                type(editor.descriptionEdit(), row.description);
                if (row.chooseLocal) {
                    const std::string typed = utf8(editor.urlEdit()->text());
                    click(editor.localRadio());
                    localField = utf8(editor.urlEdit()->text());
                    localState = editor.urlEdit()->isReadOnly() && editor.browseButton()->isEnabled();
                    EXPECT_TRUE(chooseFile(editor.browseButton(), file));
                    if (!row.stayLocal) {
                        click(editor.onlineRadio());
                        onlineAgain = utf8(editor.urlEdit()->text());
                        EXPECT_EQ(onlineAgain, typed) << "the typed address comes back";
                        EXPECT_FALSE(editor.urlEdit()->isReadOnly());
                    }
                }
                outcome = okOutcome(editor);
            },
            [&] { editor.exec(); }));
        SCOPED_TRACE(std::to_string(&row - rows));
        EXPECT_EQ(presetUrl, "http://");
        EXPECT_EQ(outcome, row.outcome);
        if (row.chooseLocal) {
            EXPECT_EQ(localField, "") << "nothing chosen yet";
            EXPECT_TRUE(localState) << "a path is only chosen, never typed";
        }
        const bool accepted = std::string(row.outcome) == "accepted";
        ASSERT_EQ(movie->links.count(), accepted ? 1 : 0);
        if (!accepted)
            continue;
        const MovieLink& link = movie->links.first()->value;
        EXPECT_EQ(link.type, row.storedType);
        EXPECT_EQ(utf8(link.url), std::string(row.storedUrl) == "file" ? utf8(file) : row.storedUrl);
        EXPECT_EQ(utf8(link.description), row.storedDescription);
    }
}

TEST_F(ItemEditors, AnEditedLocalLinkOpensLocalAndItsPathComesBackAfterOnline)
{
    Movie* movie = addMovie("Local");
    MovieLink local;
    local.type = MovieLink::kLocal;
    local.url = String(u"Z:\\films\\night.mkv");
    local.description = String(u"night");
    local.play = true;
    movie->links.append(local);
    MovieLink* link = &movie->links.first()->value;
    AddEditMovieLinkWindow editor(window, movie, link);
    bool opened = false;
    std::string online;
    std::string localAgain;
    EXPECT_TRUE(run(
        editor,
        [&] {
            opened = editor.localRadio()->isChecked() && !editor.onlineRadio()->isChecked() &&
                     editor.urlEdit()->isReadOnly() && editor.browseButton()->isEnabled() &&
                     editor.playableCheck()->isChecked() &&
                     utf8(editor.urlEdit()->text()) == "Z:\\films\\night.mkv";
            click(editor.onlineRadio());
            online = utf8(editor.urlEdit()->text());
            click(editor.localRadio());
            localAgain = utf8(editor.urlEdit()->text());
            click(editor.cancelButton());
        },
        [&] { editor.exec(); }));
    EXPECT_TRUE(opened);
    EXPECT_EQ(online, "");
    EXPECT_EQ(localAgain, "Z:\\films\\night.mkv");
    EXPECT_EQ(link->type, MovieLink::kLocal) << "Cancel changes nothing";
    EXPECT_EQ(utf8(link->url), "Z:\\films\\night.mkv");
}
