// The header on the widget fakes with the fixed-width stand-in font: 300
// wide, 20 high, sections at least 40 wide unless a test says otherwise.
#include "foundation/signals/SignalReceiver.h"
#include "graphics/paint/FontMetrics.h"
#include "tests/support/WidgetFakes.h"
#include "ui/widgets/items/UIHeader.h"

namespace {

class IntLog : public SignalReceiver
{
public:
    void onValue(int value) { values.push_back(value); }
    std::vector<int> values;
};

class UIHeaderTest : public WidgetTest
{
protected:
    UIHeader* header(const std::vector<int>& widths)
    {
        auto* h = new UIHeader(top);
        h->setStyleProperty(String(u"minimumHeight"), String(u"20"));
        h->setStyleProperty(String(u"itemPadding"), String(u"6,0,4,0"));
        h->setGeometry(0, 0, 300, 20);
        h->show();
        for (int w : widths)
            h->addSection(String(u"t"), w, true);
        h->sectionResized.connectWithArg(&resized, &IntLog::onValue);
        h->sectionClicked.connectWithArg(&clicked, &IntLog::onValue);
        return h;
    }
    static std::vector<int> widths(const UIHeader* h)
    {
        std::vector<int> result;
        for (int i = 0; i < h->count(); ++i)
            result.push_back(h->section(i)->width());
        return result;
    }
    void mouseAt(UIHeader* h, int type, int x, uint32_t buttons)
    {
        send(h, UIMouseEvent(type, buttons, type == kMouseMoveEvent ? 0 : 1, Point(x, 5), 0));
    }
    IntLog resized;
    IntLog clicked;
};

} // namespace

TEST_F(UIHeaderTest, LastSectionStretchesOverWhatRemainsAndWidthsKeepTheirMinimum)
{
    UIHeader* h = header({50, 60, 40});
    EXPECT_EQ(Size(150, 20), h->sizeHint());
    h->setStretchLastSection(true);
    struct Step
    {
        void (*act)(UIHeader*);
        std::vector<int> widths;
    };
    const Step steps[] = {
        {[](UIHeader*) {}, {50, 60, 190}},
        {[](UIHeader* x) { x->hideSection(1); }, {50, 60, 250}},
        {[](UIHeader* x) { x->setSectionWidth(2, 10); }, {50, 60, 250}},
        {[](UIHeader* x) { x->setSectionWidth(0, 100); }, {100, 60, 200}},
        {[](UIHeader* x) { x->setSectionWidth(0, 5); }, {40, 60, 260}},
        {[](UIHeader* x) { x->showSection(1); }, {40, 60, 200}},
        {[](UIHeader* x) { x->resize(150, 20); }, {40, 60, 50}},
        {[](UIHeader* x) { x->resize(90, 20); }, {40, 60, 50}}, // nothing would be left: it keeps its width
        {[](UIHeader* x) { x->resize(400, 20); }, {40, 60, 300}},
    };
    for (size_t i = 0; i < sizeof steps / sizeof steps[0]; ++i) {
        steps[i].act(h);
        EXPECT_EQ(steps[i].widths, widths(h)) << "step " << i;
    }
    EXPECT_EQ(Size(30, 20), header({})->sizeHint());
}

TEST_F(UIHeaderTest, EdgeZonesBelongToResizingAndDraggingStopsAtTheMinimum)
{
    UIHeader* h = header({50, 60});
    const int at[][2] = {{2, 0}, {43, 0}, {44, -1}, {54, -1}, {55, 1}, {103, 1}, {104, -1}, {200, -1}};
    for (const auto& row : at)
        EXPECT_EQ(row[1], h->sectionAtX(row[0])) << row[0];

    struct Drag
    {
        int type, x;
        uint32_t buttons;
        int resizeSection, cursor, width;
    };
    const Drag drags[] = {
        {kMouseMoveEvent, 49, 0, 0, 18, 50},  {kMouseMoveEvent, 20, 0, -1, 1, 50},
        {kMouseMoveEvent, 112, 0, 1, 18, 50}, {kMouseMoveEvent, 48, 0, 0, 18, 50},
        {kMousePressEvent, 48, 1, 0, 18, 50}, {kMouseMoveEvent, 80, 1, 0, 18, 82},
        {kMouseMoveEvent, 10, 1, 0, 20, 40},  {kMouseReleaseEvent, 10, 0, -1, 1, 40},
    };
    for (const Drag& d : drags) {
        mouseAt(h, d.type, d.x, d.buttons);
        SCOPED_TRACE(testing::Message() << "event " << d.type << " at " << d.x);
        EXPECT_EQ(d.resizeSection, h->resizeSection());
        EXPECT_EQ(d.cursor, h->cursor().shape());
        EXPECT_EQ(d.width, h->section(0)->width());
    }
    EXPECT_EQ((std::vector<int>{0, 0}), resized.values);
    EXPECT_TRUE(clicked.values.empty()) << "a drag is no click";
}

TEST_F(UIHeaderTest, ClickIsReportedOnlyWhenPressAndReleaseMeetOneSectionOutsideItsEdges)
{
    const int clicks[][3] = {{20, 25, 0}, {60, 70, 1}, {20, 70, -1}, {47, 47, -1}, {70, 310, -1}};
    for (const auto& c : clicks) {
        UIHeader* h = header({50, 60});
        clicked.values.clear();
        mouseAt(h, kMousePressEvent, c[0], 1);
        mouseAt(h, kMouseReleaseEvent, c[1], 0);
        EXPECT_EQ(c[2] < 0 ? std::vector<int>{} : std::vector<int>{c[2]}, clicked.values)
            << c[0] << "->" << c[1];
        EXPECT_EQ(-1, h->pressedSection());
        delete h;
    }
}

TEST_F(UIHeaderTest, AutoSizeByMinimumsOrByTitles)
{
    const int unit = FontMetrics(FontDesc(), nullptr).charWidth(u'x');
    UIHeader* h = header({50, 50, 50, 50});
    h->setSectionText(0, String(u"abcdefghijklmnop"));
    h->section(0)->setSortType(1);
    h->section(0)->setSortOrder(2);
    h->setSectionText(1, String(u"abcdefghijklmnopqrst"));
    h->setSectionText(2, String());
    h->setSectionText(3, String(u"the last one keeps its width"));
    h->autoSizeSections(1);
    // inset (11 with the indicator, else the left padding 6) + 1 + title + right padding 4
    EXPECT_EQ(
        (std::vector<int>{std::max(40, 11 + 1 + 16 * unit + 4), std::max(40, 6 + 1 + 20 * unit + 4), 40, 50}),
        widths(h));
    h->setSortIndicatorsShown(false);
    h->autoSizeSections(2);
    EXPECT_EQ(std::max(40, 6 + 1 + 16 * unit + 4), h->section(0)->width());

    h->setMinimumSectionWidth(70);
    h->autoSizeSections(0);
    EXPECT_EQ(70, h->section(0)->width());
    EXPECT_EQ(70, h->section(2)->width());
    EXPECT_EQ(50, h->section(3)->width()) << "the last section of the list is left alone";
    h->setMinimumWidth(90);
    EXPECT_EQ((std::vector<int>{90, 90, 90, 90}), widths(h));
}
