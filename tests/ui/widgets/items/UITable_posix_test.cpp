// The table in its view on the widget fakes with the fixed-width stand-in
// font: a view of 300 x 120, bars 10 thick, a header 20 high, rows 10 high.
#include "foundation/signals/SignalReceiver.h"
#include "graphics/paint/FontMetrics.h"
#include "graphics/paint/Painter.h"
#include "tests/support/RecordingDevice.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableView.h"
#include "ui/widgets/range/UIScrollBar.h"

#include <algorithm>
#include <iterator>
#include <random>

namespace {

class SortWatch : public SignalReceiver
{
public:
    UITable* table = nullptr;
    std::vector<std::string> events;
    void onStarted() { events.push_back("started " + std::to_string(table->row(0)->tag())); }
    void onFinished() { events.push_back("finished"); }
    void onCurrent(int index) { events.push_back("current " + std::to_string(index)); }
};

class UITableTest : public WidgetTest
{
protected:
    UITable* makeTable(int rows)
    {
        view = new UITableView(top);
        for (UIScrollBar* bar : {view->verticalScrollBar(), view->horizontalScrollBar()}) {
            bar->setStyleProperty(String(u"thickness"), String(u"10"));
            bar->setStyleProperty(String(u"thumbMinimumLength"), String(u"20"));
        }
        UITable* t = view->table();
        t->header()->setStyleProperty(String(u"minimumHeight"), String(u"20"));
        t->setStyleProperty(String(u"rowHeight"), String(u"10"));
        t->header()->addSection(String(u"Title"), 100, true)->setSortType(1);
        t->header()->addSection(String(u"Year"), 60, true)->setSortType(2);
        t->header()->addSection(String(u"Note"), 60, true);
        view->setGeometry(0, 0, 300, 120);
        view->show();
        for (int i = 0; i < rows; ++i)
            t->addRow(makeRow(i, "row", double(i)));
        return t;
    }
    static UITableRow* makeRow(int tag, const std::string& title, double year)
    {
        auto* r = new UITableRow();
        r->setTag(tag);
        r->addTextCell(String::fromUtf8(title.data(), int(title.size())));
        r->addTextCell(String())->setSortValue(year);
        r->addTextCell(String(u"n"));
        return r;
    }
    static void clickHeading(UITable* t, int column)
    {
        UIHeader* h = t->header();
        h->layoutSections();
        Point at = h->section(column)->rect().center();
        send(h, UIMouseEvent(kMousePressEvent, 1, 1, at, 0));
        send(h, UIMouseEvent(kMouseReleaseEvent, 0, 1, at, 0));
    }
    static std::vector<int> tags(const UITable* t)
    {
        std::vector<int> result;
        for (const UITableRow* r : t->rows())
            result.push_back(r->tag());
        return result;
    }
    UITableView* view = nullptr;
};

} // namespace

TEST_F(UITableTest, HeadingClicksSortStablyBetweenTheSignalsAndKeepTheCurrentRow)
{
    UITable* t = makeTable(0);
    t->setSortingEnabled(true);
    const char* titles[] = {"b", "A", "a", "c", "B", "", "a"};
    const double years[] = {3, 1, 2, 1, 3, 0, 2};
    for (int i = 0; i < 7; ++i)
        t->addRow(makeRow(i, titles[i], years[i]));
    t->hideRow(3);
    t->setCurrentRow(4, false);
    SortWatch watch;
    watch.table = t;
    t->sortStarted.connect(&watch, &SortWatch::onStarted);
    t->sortFinished.connect(&watch, &SortWatch::onFinished);
    t->currentRowChanged.connectWithArg(&watch, &SortWatch::onCurrent);
    struct Click
    {
        int column;
        int order;
        std::vector<int> tags;
    };
    // Hidden row 3 always first; ties keep the order they had before.
    const Click clicks[] = {
        {0, 1, {3, 5, 1, 2, 6, 0, 4}}, {0, 2, {3, 0, 4, 1, 2, 6, 5}}, {1, 1, {3, 5, 1, 2, 6, 0, 4}},
        {2, 1, {3, 5, 1, 2, 6, 0, 4}}, // a column without a sort type does nothing
        {1, 2, {3, 0, 4, 2, 6, 1, 5}},
    };
    for (const Click& c : clicks) {
        watch.events.clear();
        std::vector<int> before = tags(t);
        const int currentBefore = t->currentRow();
        clickHeading(t, c.column);
        SCOPED_TRACE(testing::Message() << "column " << c.column);
        EXPECT_EQ(c.tags, tags(t));
        EXPECT_EQ(4, t->currentRowItem()->tag());
        EXPECT_EQ(t->currentRowItem(), t->row(t->currentRow()));
        if (c.column == 2) {
            EXPECT_TRUE(watch.events.empty());
            continue;
        }
        EXPECT_EQ(c.order, t->sortOrder());
        EXPECT_EQ(c.order, t->header()->section(c.column)->sortOrder());
        // The current row moved with the sort: its new index is announced.
        std::vector<std::string> expected{"started " + std::to_string(before[0])};
        const int currentAfter = int(std::find(c.tags.begin(), c.tags.end(), 4) - c.tags.begin());
        if (currentAfter != currentBefore)
            expected.push_back("current " + std::to_string(currentAfter));
        expected.push_back("finished");
        EXPECT_EQ(expected, watch.events);
    }
}

TEST_F(UITableTest, CurrentRowFollowsItsRowThroughInsertsTakesHidingAndSwaps)
{
    UITable* t = makeTable(5);
    SortWatch watch;
    watch.table = t;
    t->currentRowChanged.connectWithArg(&watch, &SortWatch::onCurrent);
    struct Step
    {
        void (*act)(UITable*);
        int currentTag;
        std::vector<std::string> events;
    };
    const Step steps[] = {
        {[](UITable* x) { x->setCurrentRow(2, false); }, 2, {"current 2"}},
        {[](UITable* x) { x->insertRow(0, makeRow(9, "", 0)); }, 2, {}},
        {[](UITable* x) { delete x->takeRow(1); }, 2, {}},
        {[](UITable* x) { x->moveCurrentRowUp(); }, 2, {"current 1"}},
        {[](UITable* x) { x->hideRow(4); }, 2, {}},
        {[](UITable* x) { x->setCurrentRow(4, false); },
         -1,
         {"current -1"}}, // a hidden row cannot be current
        {[](UITable* x) { x->setCurrentRow(1, false); }, 2, {"current 1"}},
        {[](UITable* x) { delete x->takeRow(1); }, -1, {"current -1"}},
        {[](UITable* x) { x->setCurrentRow(0, false); }, 9, {"current 0"}},
        {[](UITable* x) { x->removeRowAt(2); }, -1, {"current -1"}},
    };
    for (size_t i = 0; i < sizeof steps / sizeof steps[0]; ++i) {
        watch.events.clear();
        steps[i].act(t);
        EXPECT_EQ(steps[i].currentTag, t->currentRowItem() ? t->currentRowItem()->tag() : -1) << i;
        EXPECT_EQ(steps[i].events, watch.events) << i;
        if (t->currentRowItem()) {
            EXPECT_EQ(t->currentRowItem(), t->row(t->currentRow())) << i;
        }
    }
}

TEST_F(UITableTest, GeometryPagingAndContentSizeByRowArithmetic)
{
    UITable* t = makeTable(0);
    EXPECT_EQ(Size(70, 70), t->minimumSizeHint());
    for (int i = 0; i < 50; ++i)
        t->addRow(makeRow(i, "row", i));
    t->hideRow(10);
    EXPECT_EQ(Size(220, 49 * 10 + 20), t->minimumSizeHint());
    t->header()->setStretchLastSection(true);
    EXPECT_EQ(Size(100 + 60 + 40, 49 * 10 + 20), t->minimumSizeHint())
        << "the stretched section counts its minimum";
    // 120 high less the header: a page of 100 pixels. Row 10 is hidden, so
    // the row at the bottom after one page is rank 19, index 20.
    EXPECT_EQ(100, view->verticalScrollBar()->pageStep());
    struct Row
    {
        int key, current, value;
    };
    const Row rows[] = {{34, 20, 100}, {33, 0, 0}, {35, 49, 390}, {33, 30, 290}, {36, 0, 0}};
    t->selectRow(0);
    for (const Row& r : rows) {
        send(t, UIKeyEvent(kKeyPressEvent, r.key, 0, String()));
        EXPECT_EQ(r.current, t->currentRow()) << r.key;
        EXPECT_EQ(r.value, view->verticalScrollBar()->value()) << r.key;
        EXPECT_EQ(1, t->selectedCount());
    }
    EXPECT_EQ(Rect(0, 20 + 11 * 10, 300 - 10, 10), t->rowRect(12)) << "rank 11: one hidden row above";
    int index = -1;
    t->rowAt(Point(5, 20 + 11 * 10 + 3), &index);
    EXPECT_EQ(12, index);
    EXPECT_EQ(nullptr, t->rowAt(Point(5, 5), &index)) << "the header is no row";
}

TEST_F(UITableTest, ColumnContentWidthMeasuresTextsAndImagesWithPadding)
{
    const int unit = FontMetrics(FontDesc(), nullptr).charWidth(u'x');
    UITable* t = makeTable(0);
    EXPECT_EQ(0, t->columnContentWidth(0, false));
    const char* titles[] = {"abc", "abcdefgh", "a", "abcdef"};
    for (int i = 0; i < 4; ++i)
        t->addRow(makeRow(i, titles[i], i));
    t->row(0)->cell(0)->setPadding(UIMargins(20, 0, 30, 0));
    t->row(2)->addImageCell(Image(37, 5, true));
    t->header()->addSection(String(u"Cover"), 40, true);
    t->hideRow(1);
    EXPECT_EQ(std::max(50 + 3 * unit, 8 + 6 * unit), t->columnContentWidth(0, false))
        << "hidden rows do not count";
    EXPECT_EQ(8 + 37, t->columnContentWidth(3, false));
    t->autoSizeColumns(false);
    EXPECT_EQ(std::max(40, std::max(50 + 3 * unit, 8 + 6 * unit)), t->columnWidth(0));
    EXPECT_EQ(40, t->columnWidth(3)) << "the last column keeps its width";
}

TEST_F(UITableTest, PlainCellsStaySmall)
{
    // A cell with nothing of its own holds its texts, keys, rectangle and a
    // null pointer to the rest; a heap block adds at most 16 bytes.
    EXPECT_LE(sizeof(UITableCell) + 16, 160u);
    UITableCell cell(String(u"x"));
    EXPECT_EQ(nullptr, cell.ownFont());
    EXPECT_EQ(UIMargins(4, 4, 4, 4), cell.padding());
    cell.setFontStyle(1);
    ASSERT_NE(nullptr, cell.ownFont());
    EXPECT_EQ(1u, cell.font().style());
}

TEST_F(UITableTest, APressHidesTheTablesToolTip)
{
    UITable* t = makeTable(3);
    FakeToolTipHost toolTip;
    UIToolTipHost::Request request;
    request.owner = t;
    toolTip.showText(request);
    send(t, UIMouseEvent(kMousePressEvent, 1, 1, Point(5, 25), 0));
    EXPECT_FALSE(toolTip.isShowing());
}

TEST_F(UITableTest, SelectionQueriesMatchTheMarksThroughRandomChanges)
{
    UITable* t = makeTable(40);
    t->setSelectionMode(UITable::kMultiSelection);
    std::mt19937 random(11);
    for (int step = 0; step < 800; ++step) {
        int n = t->rowCount();
        int at = n > 0 ? int(random() % unsigned(n)) : 0;
        switch (n == 0 ? 0 : random() % 9) {
        case 0: {
            UITableRow* r = makeRow(step, "new", 0);
            r->setSelected(random() % 2 == 0);
            t->insertRow(at, r);
            break;
        }
        case 1:
            t->row(at)->setSelected(!t->row(at)->isSelected());
            break;
        case 2:
            t->row(at)->setVisible(!t->row(at)->isVisible());
            break;
        case 3: {
            // A selected row taken away and put back keeps its mark.
            UITableRow* taken = t->takeRow(at);
            t->insertRow(int(random() % unsigned(n)), taken);
            break;
        }
        case 4:
            t->removeRowAt(at);
            break;
        case 5:
            t->selectRowAt(at, random() % 2 ? UITable::kSelect : 0);
            break;
        case 6:
            if (random() % 8 == 0)
                t->clearSelection(false, false);
            break;
        case 7:
            if (random() % 8 == 0)
                t->selectAll();
            break;
        default:
            t->setSelectionMode(random() % 3 ? UITable::kMultiSelection : UITable::kSingleSelection);
            break;
        }
        std::vector<UITableRow*> walked;
        std::copy_if(t->rows().begin(), t->rows().end(), std::back_inserter(walked),
                     [](UITableRow* r) { return r->isSelected(); });
        ASSERT_EQ(int(walked.size()), t->selectedCount()) << step;
        ASSERT_EQ(walked.empty() ? -1 : walked.front()->index(), t->firstSelectedRow()) << step;
        std::vector<UITableRow*> listed;
        for (UITableRow* r : t->selectedRows())
            listed.push_back(r);
        ASSERT_EQ(walked, listed) << step;
    }
}

namespace {

// Each text the table drew, with the font and pen the device held for it.
std::vector<std::string> drawnTexts(UITable* t)
{
    CurrentRecorder recorder;
    FakeTarget target;
    {
        Painter painter(&target);
        t->draw(painter);
    }
    std::vector<std::string> texts;
    std::string font = "?";
    std::string pen = "?";
    for (const std::string& line : recorder.device.log) {
        size_t at = line.find(" font ");
        if (line.rfind("state", 0) == 0 && at != std::string::npos)
            font = line.substr(at + 6, line.rfind(' ') - at - 6);
        at = line.find(" pen ");
        if (line.rfind("state", 0) == 0 && at != std::string::npos)
            pen = line.substr(at + 5, 8);
        if (line.rfind("text '", 0) == 0)
            texts.push_back(line.substr(6, line.find('\'', 6) - 6) + " " + font + " " + pen);
    }
    return texts;
}

} // namespace

TEST_F(UITableTest, CellsDrawInTheirOwnFontOrTheTablesAndInThePenOfTheirState)
{
    UITable* t = makeTable(0);
    t->setStyleProperty(String(u"defaultRowForeground"), String(u"1,1,1"));
    t->setStyleProperty(String(u"alternateRowForeground"), String(u"2,2,2"));
    t->setStyleProperty(String(u"selectedRowForeground"), String(u"3,3,3"));
    t->setStyleProperty(String(u"disabledForeground"), String(u"4,4,4"));
    t->setStyleProperty(String(u"blankForeground"), String(u"5,5,5"));
    t->setStyleProperty(String(u"shadowBlankForeground"), String(u"6,6,6"));
    t->setBlankText(String(u"none"));
    t->setBlankTextShown(true);
    const std::string blank = ascii(t->style().blankFont.family());
    EXPECT_EQ((std::vector<std::string>{"none " + blank + " FF060606", "none " + blank + " FF050505"}),
              drawnTexts(t))
        << "the shadow first";

    for (int i = 0; i < 3; ++i) {
        auto* r = new UITableRow();
        r->addTextCell(String::fromUtf8(std::string(1, char('a' + i)).c_str()));
        r->addTextCell(String(u"b"))->setPen(Pen(Color(7, 7, 7), 1.0f, Pen::kSolid));
        t->addRow(r);
    }
    t->row(0)->cell(0)->setFont(FontDesc(String(u"Own"), 9, 0));
    t->selectRowAt(2, UITable::kSelect);
    // The own font of the first cell must not reach the cells after it, nor
    // the next paint; a cell's own pen gives way to the selection's. The
    // first row counts as an alternate one.
    const std::string plain = " " + ascii(t->style().font.family());
    const std::vector<std::string> enabled = {"a Own FF020202",          "b" + plain + " FF070707",
                                              "b" + plain + " FF010101", "b" + plain + " FF070707",
                                              "c" + plain + " FF030303", "b" + plain + " FF030303"};
    EXPECT_EQ(enabled, drawnTexts(t));
    EXPECT_EQ(enabled, drawnTexts(t)) << "a second paint starts from the table's font";
    t->setEnabled(false);
    for (const std::string& text : drawnTexts(t))
        EXPECT_NE(std::string::npos, text.find("FF040404")) << text;
}

TEST_F(UITableTest, RowHeightScalesTheTableFontAndOnlyTheCellsOwnFonts)
{
    UITable* t = makeTable(3);
    t->row(1)->cell(2)->setFont(FontDesc(String(u"Own"), 9, 0));
    struct Case
    {
        int height, rowHeight, pixels;
    };
    const Case cases[] = {{25, 25, 20}, {11, 11, 8}, {15, 15, 12}};
    for (const Case& c : cases) {
        t->setRowHeight(c.height, true);
        EXPECT_EQ(c.rowHeight, t->rowHeight()) << c.height;
        EXPECT_EQ(c.rowHeight, t->rowRect(2).height) << c.height;
        EXPECT_EQ(t->headerHeight() + 2 * c.rowHeight, t->rowRect(2).y) << c.height;
        EXPECT_EQ(c.pixels, t->style().font.pixelSize()) << c.height;
        ASSERT_NE(nullptr, t->row(1)->cell(2)->ownFont());
        EXPECT_EQ(c.pixels, t->row(1)->cell(2)->ownFont()->pixelSize()) << c.height;
        EXPECT_EQ(String(u"Own"), t->row(1)->cell(2)->ownFont()->family());
        EXPECT_EQ(nullptr, t->row(0)->cell(2)->ownFont()) << "a plain cell gains no font of its own";
    }
    t->setRowHeight(1, false);
    EXPECT_EQ(3, t->rowHeight()) << "rows are at least 3 pixels high";
    EXPECT_EQ(12, t->style().font.pixelSize()) << "asked not to, the fonts keep their size";
}
