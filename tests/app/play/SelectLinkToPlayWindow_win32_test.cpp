// The window that chooses among a movie's playable links, run modally on the
// test display: what each way of closing it hands back, and a row that keeps
// its link when the table is sorted.
#include "app/play/SelectLinkToPlayWindow.h"
#include "model/records/MovieLink.h"
#include "tests/support/IoTestSupport.h"
#include "tests/support/LaterStep.h"
#include "tests/support/UIHarness.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableCell.h"
#include "ui/widgets/items/UITableRow.h"
#include "ui/widgets/window/UIDialog.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

using testsupport::LaterStep;
using testsupport::UIHarness;

namespace {

void press(UIButton* button)
{
    UIHarness::click(button, button->rect().center());
}

class SelectLinkToPlay : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UIHarness::start());
        const char16_t* descriptions[] = {u"Trailer", u"Stream", u"Archive"};
        const char16_t* urls[] = {u"http://b.example/", u"https://c.example/", u"ftp://a.example/"};
        for (int i = 0; i < 3; ++i) {
            links[i].description = String(descriptions[i]);
            links[i].url = String(urls[i]);
            links[i].play = true;
            list.append(&links[i]);
        }
    }

    // Runs the window over the links with the step inside its modal loop;
    // the index it returned.
    int run(const List<const MovieLink*>& given, const std::function<void(SelectLinkToPlayWindow&)>& step)
    {
        SelectLinkToPlayWindow window(given);
        LaterStep later(100, [&] {
            UIHarness::activate(window.dialog());
            UIHarness::pumpFor(30);
            step(window);
            return true;
        });
        int chosen = window.exec();
        EXPECT_FALSE(window.dialog()->isVisible());
        return chosen;
    }

    static std::string cellText(UITable* table, int row, int column)
    {
        UITableCell* cell = table->cell(row, column);
        return cell ? iotest::show(cell->text()) : std::string();
    }

    MovieLink links[3];
    List<const MovieLink*> list;
};

TEST_F(SelectLinkToPlay, ListsTheLinksAndPlayAfterASortByUrlGivesThePositionInTheCallersList)
{
    int rows = -1;
    std::string firstUrl;
    std::string topAfterSort;
    bool sorted = false;
    int chosen = run(list, [&](SelectLinkToPlayWindow& window) {
        UITable* table = window.table();
        rows = table->rowCount();
        firstUrl = cellText(table, 0, 1);
        UIHeader* header = table->header();
        int urlX = -1;
        for (int x = 0; x < header->width() && urlX < 0; ++x) {
            if (header->sectionAtX(x) == 1)
                urlX = x + 5;
        }
        UIHarness::click(header, Point(urlX, header->height() / 2));
        UIHarness::pumpFor(50);
        sorted = table->sortColumn() == 1;
        topAfterSort = cellText(table, 0, 1);
        UIHarness::click(table, table->rowRect(0).center());
        UIHarness::pumpFor(30);
        press(window.playButton());
    });
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(firstUrl, "http://b.example/") << "in the caller's order";
    EXPECT_TRUE(sorted);
    // Ascending or descending, the top row is not the first link any more.
    ASSERT_NE(topAfterSort, firstUrl);
    int expected = topAfterSort == "ftp://a.example/" ? 2 : 1;
    EXPECT_EQ(topAfterSort, iotest::show(links[expected].url));
    EXPECT_EQ(chosen, expected);
}

TEST_F(SelectLinkToPlay, EscapeAndTheCloseBoxGiveNoLinkThoughARowIsSelected)
{
    bool selected = false;
    EXPECT_EQ(run(list,
                  [&](SelectLinkToPlayWindow& window) {
                      selected = window.table()->currentRow() == 0 && window.chosenIndex() == 0;
                      UIHarness::typeKeys({VK_ESCAPE});
                  }),
              -1);
    EXPECT_TRUE(selected);
    EXPECT_EQ(run(list,
                  [&](SelectLinkToPlayWindow& window) {
                      window.table()->selectRow(2);
                      UIHarness::pumpFor(20);
                      PostMessageW(HWND(window.dialog()->nativeHandle()), WM_CLOSE, 0, 0);
                  }),
              -1);
    EXPECT_EQ(run(list, [&](SelectLinkToPlayWindow& window) { press(window.cancelButton()); }), -1);
}

TEST_F(SelectLinkToPlay, EnterAndSpaceChooseTheCurrentRow)
{
    EXPECT_EQ(run(list,
                  [&](SelectLinkToPlayWindow& window) {
                      UIHarness::click(window.table(), window.table()->rowRect(1).center());
                      UIHarness::pumpUntil([&] { return window.chosenIndex() == 1; }, 1000);
                      UIHarness::typeKeys({VK_RETURN});
                  }),
              1);
    // The last row lies below the small window's fold: reached by keys.
    EXPECT_EQ(run(list,
                  [&](SelectLinkToPlayWindow& window) {
                      UIHarness::typeAt(window.table(), {VK_DOWN, VK_DOWN});
                      UIHarness::pumpUntil([&] { return window.chosenIndex() == 2; }, 1000);
                      UIHarness::typeKeys({VK_SPACE});
                  }),
              2);
}

TEST_F(SelectLinkToPlay, AnEmptyListShowsNoRowAndPlayGivesNoLink)
{
    int rows = -1;
    bool stillOpenAfterEnter = false;
    EXPECT_EQ(run(List<const MovieLink*>(),
                  [&](SelectLinkToPlayWindow& window) {
                      rows = window.table()->rowCount();
                      UIHarness::typeKeys({VK_RETURN});
                      UIHarness::pumpFor(50);
                      stillOpenAfterEnter = window.dialog()->isVisible();
                      press(window.playButton());
                  }),
              -1);
    EXPECT_EQ(rows, 0);
    EXPECT_TRUE(stillOpenAfterEnter) << "Enter with no row does nothing";
}

} // namespace
