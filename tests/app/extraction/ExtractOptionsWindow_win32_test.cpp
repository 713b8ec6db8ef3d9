// The extract options dialog under Wine, driven by real clicks: rows toggle,
// the all box follows them and sets them, OK needs a checked row, and the
// close box keeps the edition chosen but not the rows; the movie editor's
// extraction bar shows the edition chosen.
#include "app/extraction/ExtractOptionsWindow.h"

#include "app/movie/AddEditMovieWindow.h"
#include "tests/app/extraction/ExtractionFixture.h"
#include "tests/support/WidgetFakes.h"
#include "ui/widgets/buttons/UICheck.h"
#include "ui/widgets/combo/UIComboBox.h"

using namespace extractiontest;

namespace {

class ExtractOptions : public ExtractionTest
{
protected:
    void run(ExtractOptionsWindow& options, const std::function<void()>& act)
    {
        EXPECT_TRUE(drive(options.dialog(), act, [&] { options.exec(); }));
    }
    static std::vector<bool> checkedRows(ExtractOptionsWindow& options)
    {
        std::vector<bool> checked;
        for (const UITableRow* row : options.table()->rows())
            checked.push_back(ExtractOptionsWindow::isRowChecked(row));
        return checked;
    }
    static int checkedCount(ExtractOptionsWindow& options)
    {
        int count = 0;
        for (bool on : checkedRows(options))
            count += on ? 1 : 0;
        return count;
    }
};

} // namespace

TEST_F(ExtractOptions, ClicksToggleRowsAndTheAllBoxFollowsAndSetsThem)
{
    model->setExtractOptions(0x0003);
    ExtractOptionsWindow options(*model, window, 0x0001);
    SignalCounter sounds;
    UIApplication::instance()->soundRequested.connect(&sounds, &SignalCounter::count);
    std::vector<int> allStates;
    std::vector<int> counts;
    std::vector<int> allBoxPlace;
    bool openAfterEmptyOk = false;
    int soundsAfterEmptyOk = 0;
    run(options, [&] {
        UIHarness::saveShot(options.dialog(), "ExtractOptions");
        UICheck* all = options.allBox();
        const Rect over = options.table()->header()->section(0)->rect();
        allBoxPlace = {all->x() - over.x, all->y() - over.y, all->width() - over.width,
                       all->height() - over.height};
        allStates.push_back(all->checkState()); // one of 16: partly
        clickRow(options.table(), 0, 1);
        allStates.push_back(all->checkState()); // none
        counts.push_back(checkedCount(options));
        click(options.okButton());
        soundsAfterEmptyOk = sounds.calls;
        openAfterEmptyOk = options.dialog()->isVisible();
        click(all);
        allStates.push_back(all->checkState()); // set by the user: all
        counts.push_back(checkedCount(options));
        clickRow(options.table(), 5, 0);
        allStates.push_back(all->checkState()); // partly again
        click(all);
        allStates.push_back(all->checkState());
        counts.push_back(checkedCount(options));
        click(all);
        allStates.push_back(all->checkState());
        counts.push_back(checkedCount(options));
        clickRow(options.table(), 2, 1);
        clickRow(options.table(), 3, 1);
        click(options.okButton());
    });
    EXPECT_EQ(allBoxPlace, (std::vector<int>{0, 0, 0, 0})) << "the all box covers the first column's header";
    EXPECT_EQ(allStates.front(), UICheck::kPartial);
    EXPECT_EQ(allStates[1], UICheck::kUnchecked);
    EXPECT_EQ(allStates[2], UICheck::kChecked);
    EXPECT_EQ(allStates[3], UICheck::kPartial);
    // From partly the user's click goes on to one end; the rows follow it.
    EXPECT_NE(allStates[4], UICheck::kPartial);
    EXPECT_EQ(counts[2], allStates[4] == UICheck::kChecked ? 16 : 0);
    EXPECT_NE(allStates[5], allStates[4]);
    EXPECT_EQ(counts[3], allStates[5] == UICheck::kChecked ? 16 : 0);
    EXPECT_EQ(counts[0], 0);
    EXPECT_EQ(counts[1], 16);
    EXPECT_EQ(soundsAfterEmptyOk, 1) << "OK with no row beeps";
    EXPECT_TRUE(openAfterEmptyOk);
    const uint32_t expected = counts[3] == 16 ? (0xFFFFu & ~0x0004u & ~0x0008u) : 0x000Cu;
    EXPECT_EQ(options.resultMask(), expected);
    EXPECT_EQ(model->extractOptions(), expected);
}

TEST_F(ExtractOptions, TheCloseBoxChangesTheEditionNotTheMaskAndTheBarFollows)
{
    model->setExtractOptions(0x00FF);
    AddEditMovieWindow editor(*model, window, nullptr, 0, NewMovieRecord());
    std::string textBefore, textAfter, tipAfter;
    int comboBefore = -1;
    testsupport::LaterStep answer(
        40,
        [&] {
            UIDialog* dialog = openDialogTitled("Extract Options");
            if (!dialog)
                return false;
            UIHarness::activate(dialog);
            auto* combo = findChild<UIComboBox>(dialog);
            comboBefore = combo->currentIndex();
            UITable* table = findChild<UITable>(dialog);
            clickRow(table, 10, 1);
            combo->setCurrentIndex(2);
            UIHarness::pump();
            closeBox(dialog);
            return true;
        },
        250);
    EXPECT_TRUE(drive(
        editor.dialog(),
        [&] {
            UITabBar* bar = editor.extractionBar();
            textBefore = utf8(bar->tabText(1));
            clickTab(bar, 0);
            UIHarness::pumpUntil([&] { return !answer.isPending(); }, 10000);
            UIHarness::pump();
            textAfter = utf8(bar->tabText(1));
            tipAfter = utf8(bar->tabToolTip(1));
            click(editor.cancelButton());
        },
        [&] { editor.exec(); }));
    const MovieExtractor* chosen = model->extractors().nodeAt(2)->value;
    EXPECT_EQ(comboBefore, 0);
    EXPECT_EQ(model->extractorIndex(), 2);
    EXPECT_EQ(model->extractOptions(), 0x00FFu) << "the close box keeps the old mask";
    EXPECT_EQ(textAfter, utf8(chosen->siteName()));
    EXPECT_EQ(tipAfter, utf8(chosen->displayName()));
    EXPECT_NE(tipAfter, utf8(model->extractors().first()->value->displayName()));
}
