// The statistics window over a small collection: the five figures as the
// user reads them, an empty collection, and the Close button.
#include "app/stats/StatisticsWindow.h"
#include "foundation/containers/StringList.h"
#include "model/CollectionModel.h"
#include "model/collection/CollectionFile.h"
#include "model/records/Episode.h"
#include "model/records/Movie.h"
#include "tests/app/ToolWindowTest.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/window/UIDialog.h"

#include <vector>

using testsupport::LaterStep;
using testsupport::UIHarness;

namespace {

Movie* movie(std::initializer_list<const char16_t*> genres, std::initializer_list<const char16_t*> studios,
             int minutes, int episodes)
{
    auto* made = new Movie();
    made->title = String(u"A movie");
    for (const char16_t* genre : genres)
        made->genres.append(String(genre));
    for (const char16_t* studio : studios)
        made->studios.append(String(studio));
    made->runningTime = minutes;
    for (int i = 1; i <= episodes; ++i) {
        Episode episode;
        episode.season = 1;
        episode.number = i;
        made->episodes.append(episode);
    }
    return made;
}

class StatisticsWindowTest : public ToolWindowTest
{
protected:
    void SetUp() override
    {
        ToolWindowTest::SetUp();
        const String data = iotest::toPath(dir.path());
        model = std::make_unique<CollectionModel>(data);
        CollectionFile files(data);
        ASSERT_TRUE(files.create(String(u"Movies"), String(), String()));
        ASSERT_TRUE(model->openCollection(files.filePathFor(String(u"Movies"))));
    }

    // The five values shown, read while the window runs, then Close.
    std::vector<std::string> shownValues(bool& closed)
    {
        std::vector<std::string> values;
        StatisticsWindow window(*model, nullptr);
        LaterStep read(100, [&] {
            UIHarness::activate(window.dialog());
            for (int row = 0; row < StatisticsWindow::kFigureCount; ++row)
                values.push_back(iotest::show(window.value(row)->text()));
            UIHarness::click(window.closeButton(), window.closeButton()->rect().center());
            return true;
        });
        window.exec();
        closed = !window.dialog()->isVisible();
        return values;
    }

    testsupport::TempDir dir;
    std::unique_ptr<CollectionModel> model;
};

} // namespace

TEST_F(StatisticsWindowTest, AnEmptyCollectionShowsZerosAndEmptyValues)
{
    bool closed = false;
    const std::vector<std::string> values = shownValues(closed);
    EXPECT_EQ(values, (std::vector<std::string>{"0 Movies", "0 Hours 0 Minutes (0 Days)", "", "", "0%"}));
    EXPECT_TRUE(closed);
}

TEST_F(StatisticsWindowTest, TheFiguresOfAFilledCollection)
{
    model->appendMovie(movie({u"Action", u"Drama"}, {u"Fox"}, 120, 0));
    model->appendMovie(movie({u"Drama"}, {u"MGM", u"Fox"}, 100, 0));
    // A series counts its running time once per episode.
    model->appendMovie(movie({u"Drama"}, {u"MGM"}, 50, 6));
    bool closed = false;
    const std::vector<std::string> values = shownValues(closed);
    ASSERT_EQ(values.size(), 5u);
    EXPECT_EQ(values[0], "3 Movies");
    EXPECT_EQ(values[1], "8 Hours 40 Minutes (0.3 Days)");
    EXPECT_EQ(values[2], "Drama");
    EXPECT_EQ(values[3], "Fox");
    EXPECT_EQ(values[4], std::to_string(model->averageCompleteness()) + "%");
    EXPECT_NE(values[4], "0%");
    EXPECT_TRUE(closed);
}
