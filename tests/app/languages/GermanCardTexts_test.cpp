// The movie card, the list's cells and the records' display texts in
// German: every text they ask the translator for, with every section of the
// card shown, both colour kinds, yes and no, every crew role and every
// running-time format, has a German item. The texts come from the code as it
// asks for them, not from a list kept beside it.
#include "app/views/MovieCells.h"
#include "foundation/core/AppCore.h"
#include "foundation/core/Translator.h"
#include "foundation/data/PakArchive.h"
#include "model/card/CardRenderer.h"
#include "model/config/ViewSettings.h"
#include "model/records/CrewItem.h"
#include "model/records/ModelText.h"
#include "model/records/Movie.h"
#include "model/records/RecordFormat.h"
#include "tests/support/IoTestSupport.h"
#include "ui/widgets/items/UITableCell.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

using iotest::show;

namespace {

std::set<std::string> g_contexts;

String translatedByCore(const String& text, const String& context)
{
    g_contexts.insert(show(context));
    String out;
    AppCore::instance()->translate(out, text.data(), context.isEmpty() ? nullptr : context.data());
    return out;
}

// A movie that fills every section of the card.
Movie everySection()
{
    Movie movie;
    movie.title = String(u"Heat");
    movie.originalTitle = String(u"Heat (1995)");
    movie.year = 1995;
    movie.runningTime = 170;
    movie.myRating = 8.0f;
    movie.plot = String(u"A heist.");
    for (int32_t role = CrewItem::kDirector; role <= CrewItem::kCreator; ++role)
        movie.crew.append(CrewItem{role, String(), String(u"M. Mann")});
    movie.cast.append(CastItem{String(u"Al"), String(u"Vincent")});
    movie.links.append(
        MovieLink{MovieLink::kOnline, String(u"Trailer"), String(u"http://example.org/h"), true});
    movie.episodes.append(Episode{1, 2, 2009, 0, 0, String(), String(), String(u"D:\\e.mkv"), String()});
    return movie;
}

class GermanCardTexts : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const std::string assets = testsupport::dataDir() + "/../../assets/";
        core.setAppDirectory(iotest::pathIn(dir, "program"));
        ASSERT_TRUE(
            PakArchive().packFolder(iotest::toPath(assets + "data"), iotest::pathIn(dir, "data.pak")));
        ASSERT_TRUE(core.openPak(iotest::pathIn(dir, "data.pak")));
        auto* german = new Translator;
        ASSERT_TRUE(german->load(iotest::toPath(assets + "languages/German.xml")));
        german->setMissRecorder([this](const String& text, const String& context) {
            misses.insert("[" + show(context) + "] " + show(text));
        });
        core.installTranslator(german);
        g_contexts.clear();
        ModelText::setTranslateFunction(translatedByCore);
        timeFormat = RecordFormat::timeFormat();
    }
    void TearDown() override
    {
        ModelText::setTranslateFunction(nullptr);
        RecordFormat::setTimeFormat(timeFormat);
    }

    std::string missList() const
    {
        std::string list;
        for (const std::string& miss : misses)
            list += miss + "\n";
        return list;
    }

    testsupport::TempDir dir;
    AppCore core{String(u"Reelstack German card"), String(u"1.0")};
    std::set<std::string> misses;
    int32_t timeFormat = 0;
};

} // namespace

TEST_F(GermanCardTexts, TheCardAndTheListLeaveNothingInEnglish)
{
    CardRenderer renderer;
    ViewSettings view;
    MovieCells cells;
    Movie movie = everySection();
    const int32_t formats[] = {RecordFormat::kTimeAutomatic, RecordFormat::kTimeMinutes,
                               RecordFormat::kTimeHoursAndMinutes};
    for (int32_t format : formats) {
        RecordFormat::setTimeFormat(format);
        for (int kind = 0; kind < 2; ++kind) {
            movie.colour = kind + 1;
            movie.seen = kind == 0;
            movie.wishlist = kind == 1;
            EXPECT_FALSE(renderer.render(&movie, view).isEmpty()) << "the shipped templates are there";
            for (int column = 0; column < MovieCells::kColumnCount; ++column)
                std::unique_ptr<UITableCell>(cells.makeCell(movie, column));
        }
    }
    // The crew editors list the roles by the records' own names.
    int32_t roles = 0;
    while (!CrewItem::roleName(roles).isEmpty())
        ++roles;
    EXPECT_EQ(roles, CrewItem::kCreator + 1);
    EXPECT_EQ(g_contexts, (std::set<std::string>{"MainWindow", "MainWindow/Card", "Movie"}));
    EXPECT_TRUE(misses.empty()) << missList();
}
