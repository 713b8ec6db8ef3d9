// The widget gallery: every landed widget in white.style, as a user sees it,
// in its ordinary states and a few others, in one real window under Wine;
// then a modal dialog over that window, dimmed. It asserts what a pixel can
// tell. With REELSTACK_SHOTS naming a folder (a Windows path such as
// Z:\tmp\shots) the windows are saved there as WidgetGallery-*.png: look at
// them whenever a widget changes.
//
// Every widget class has its entries in galleryEntries(); a change to a
// widget shows in the shots.
#include "foundation/signals/SignalReceiver.h"
#include "graphics/image/Image.h"
#include "tests/support/LaterStep.h"
#include "tests/support/UIHarness.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/theme/UITheme.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/views/web/UIWebView.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/buttons/UICheck.h"
#include "ui/widgets/buttons/UIRadio.h"
#include "ui/widgets/decorative/UILine.h"
#include "ui/widgets/group/UIGroup.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/items/UIListView.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableView.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/labels/UILink.h"
#include "ui/widgets/menus/UIMenuBar.h"
#include "ui/widgets/picture/UIPicture.h"
#include "ui/widgets/range/UIProgress.h"
#include "ui/widgets/range/UIScrollBar.h"
#include "ui/widgets/range/UISlider.h"
#include "ui/widgets/scroll/UIScrollArea.h"
#include "ui/widgets/splitter/UISplitter.h"
#include "ui/widgets/tabs/UITabBar.h"
#include "ui/widgets/toolbar/UISizeGrip.h"
#include "ui/widgets/toolbar/UIToolBar.h"
#include "ui/widgets/toolbar/UIToolButton.h"
#include "ui/widgets/tooltip/UIToolTip.h"
#include "ui/widgets/window/UIDialog.h"
#include "ui/widgets/window/UIWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

using testsupport::LaterStep;
using testsupport::UIHarness;

namespace {

// One widget of the gallery under its caption: made in its state by make;
// pointer holds the hover and button flags it is shown with.
struct GalleryEntry
{
    const char* caption;
    Size size;
    std::function<UIWidget*(UIWidget* parent)> make;
    uint32_t pointer = 0;
};

String text(const char* utf8)
{
    return String::fromUtf8(utf8, int(std::strlen(utf8)));
}

template <class Button> UIWidget* button(UIWidget* parent, const char* caption, bool on = false)
{
    auto* b = new Button(parent);
    b->setText(text(caption));
    b->setChecked(on);
    return b;
}

UIWidget* disabled(UIWidget* widget)
{
    widget->setEnabled(false);
    return widget;
}

UIWidget* label(UIWidget* parent, const char* caption)
{
    auto* l = new UILabel(parent);
    l->setText(text(caption));
    return l;
}

UIWidget* tabBar(UIWidget* parent)
{
    auto* tabs = new UITabBar(parent);
    for (const char* name : {"Details", "Cast", "Episodes", "Notes"})
        tabs->addTextTab(text(name));
    tabs->setCurrentIndex(1);
    tabs->setTabEnabled(3, false);
    return tabs;
}

UIWidget* listView(UIWidget* parent)
{
    auto* view = new UIListView(parent);
    const char* titles[] = {"Arrival",   "Brazil",    "Casablanca", "Dune",      "Eraserhead",
                            "Fargo",     "Gattaca",   "Heat",       "Ikiru",     "Jaws",
                            "Kagemusha", "La Strada", "Metropolis", "Nosferatu", "Oldboy",
                            "Psycho",    "Rashomon",  "Solaris",    "Tampopo",   "Umberto D."};
    for (const char* title : titles)
        view->list()->addItem(text(title));
    view->list()->setCurrentIndexAndSelect(2);
    return view;
}

UIWidget* tableView(UIWidget* parent)
{
    auto* view = new UITableView(parent);
    UITable* table = view->table();
    table->header()->addSection(text("Title"), 150, true)->setSortType(1);
    table->header()->addSection(text("Year"), 60, true)->setSortType(2);
    table->header()->addSection(text("Rating"), 60, true);
    const char* rows[][3] = {
        {"Arrival", "2016", "8"},    {"Brazil", "1985", "9"}, {"Casablanca", "1942", "10"},
        {"Dune", "2021", "7"},       {"Heat", "1995", "8"},   {"Ikiru", "1952", "9"},
        {"Metropolis", "1927", "9"}, {"Psycho", "1960", "8"}, {"Solaris", "1972", "7"}};
    for (const auto& cells : rows) {
        auto* row = new UITableRow();
        for (const char* cell : cells)
            row->addTextCell(text(cell));
        table->addRow(row);
    }
    table->selectRow(1);
    return view;
}

UIWidget* scrollArea(UIWidget* parent)
{
    auto* area = new UIScrollArea(parent);
    auto* plot = new UILabel(nullptr);
    plot->setMultiLine(true);
    plot->setText(
        text("A retired safecracker is drawn into one last job.\nThe plan is simple.\nThe crew is "
             "not.\nNothing goes as planned.\nA long night in the city.\nDawn, and a train.\nThe end "
             "of the line."));
    plot->setMinimumSize(180, 160);
    area->setContentWidget(plot);
    plot->show();
    return area;
}

UIWidget* picture(UIWidget* parent)
{
    auto* p = new UIPicture(parent);
    Image image(48, 64, true);
    image.fill(Color(0xFF5B8FE8u));
    p->setImage(image, 0, Rect::kAlignLeft | Rect::kAlignTop);
    return p;
}

UIWidget* webView(UIWidget* parent)
{
    auto* view = new UIWebView(parent, 0);
    view->setHtml(text("<html><body style=\"margin:16px;font-family:Arial;font-size:13px;color:#1F2328\">"
                       "<h1 style=\"font-size:20px;margin:0 0 4px 0\">The Long Voyage</h1>"
                       "<div style=\"color:#5B6470;font-size:12px\">Le long voyage, 1940</div>"
                       "<p>A freighter crosses the Atlantic in wartime; its crew dream of home.</p>"
                       "<a href=\"http://example.org/\" style=\"color:#2F6FDE;text-decoration:none\">"
                       "More on this movie</a></body></html>"));
    return view;
}

// The widgets, a column at a time. Add new widget classes here, each in its
// ordinary state and the states a user meets.
std::vector<GalleryEntry> galleryEntries()
{
    constexpr uint32_t kHovered = UIWidget::kHovered;
    constexpr uint32_t kPressed = UIWidget::kHovered | UIWidget::kMouseDown;
    return {
        {"Label", Size(200, 20), [](UIWidget* p) { return label(p, "The Long Voyage Home"); }},
        {"Label, disabled", Size(200, 20), [](UIWidget* p) { return disabled(label(p, "Not on loan")); }},
        {"Link", Size(200, 20),
         [](UIWidget* p) {
             auto* link = new UILink(p);
             link->setText(text("example.org/movie/1940"));
             return link;
         }},
        {"Button", Size(100, 24), [](UIWidget* p) { return button<UIButton>(p, "Save"); }},
        {"Button, hovered", Size(100, 24), [](UIWidget* p) { return button<UIButton>(p, "Save"); }, kHovered},
        {"Button, pressed", Size(100, 24), [](UIWidget* p) { return button<UIButton>(p, "Save"); }, kPressed},
        {"Button, default", Size(100, 24),
         [](UIWidget* p) {
             auto* b = static_cast<UIButton*>(button<UIButton>(p, "OK"));
             b->setDefault(true);
             return b;
         }},
        {"Button, disabled", Size(100, 24),
         [](UIWidget* p) { return disabled(button<UIButton>(p, "Save")); }},
        {"Check box", Size(200, 20), [](UIWidget* p) { return button<UICheck>(p, "Seen"); }},
        {"Check box, checked", Size(200, 20), [](UIWidget* p) { return button<UICheck>(p, "Seen", true); }},
        {"Check box, partly", Size(200, 20),
         [](UIWidget* p) {
             auto* c = static_cast<UICheck*>(button<UICheck>(p, "Some seen"));
             c->setCheckState(UICheck::kPartial);
             return c;
         }},
        {"Check box, hovered", Size(200, 20), [](UIWidget* p) { return button<UICheck>(p, "Seen"); },
         kHovered},
        {"Check box, disabled", Size(200, 20),
         [](UIWidget* p) { return disabled(button<UICheck>(p, "Seen", true)); }},
        {"Radio", Size(200, 20), [](UIWidget* p) { return button<UIRadio>(p, "DVD"); }},
        {"Radio, on", Size(200, 20), [](UIWidget* p) { return button<UIRadio>(p, "Blu-ray", true); }},
        {"Radio, disabled", Size(200, 20), [](UIWidget* p) { return disabled(button<UIRadio>(p, "VHS")); }},
        {"Group", Size(200, 70),
         [](UIWidget* p) {
             auto* g = new UIGroup(p);
             g->setTitle(text("Loan"));
             return g;
         }},
        {"Progress", Size(200, 16),
         [](UIWidget* p) {
             auto* bar = new UIProgress(p);
             bar->setRange(0, 100);
             bar->setValue(55);
             bar->setTextVisible(true);
             return bar;
         }},
        {"Slider", Size(200, 20),
         [](UIWidget* p) {
             auto* s = new UISlider(p);
             s->setRange(0, 100);
             s->setValue(30);
             return s;
         }},
        {"Slider, disabled", Size(200, 20),
         [](UIWidget* p) {
             auto* s = new UISlider(p);
             s->setRange(0, 100);
             s->setValue(70);
             return disabled(s);
         }},
        {"Scroll bar", Size(200, 10),
         [](UIWidget* p) {
             auto* bar = new UIScrollBar(p);
             bar->setDocumentLength(600);
             bar->setRange(0, 400);
             bar->setValue(100);
             return bar;
         }},
        {"Tab bar", Size(320, 30), tabBar},
        {"Splitter", Size(200, 60),
         [](UIWidget* p) {
             // A splitter paints no background of its own: its owner gives one.
             auto* splitter = new UISplitter(2, false, p);
             splitter->setBackground(Brush(Color(0xFFFFFFFFu), 0));
             return splitter;
         }},
        {"Line", Size(200, 8), [](UIWidget* p) { return new UILine(p); }},
        {"Picture", Size(60, 70), picture},
        {"List, focused", Size(200, 150), listView},
        {"Table", Size(300, 150), tableView},
        {"Scroll area", Size(200, 100), scrollArea},
        {"Web view", Size(300, 160), webView},
        {"Menu bar", Size(300, 24),
         [](UIWidget* p) {
             auto* bar = new UIMenuBar(p);
             for (const char* name : {"File", "Edit", "View", "Help"})
                 bar->addItem(text(name));
             return bar;
         }},
        {"Tool bar", Size(300, 48),
         [](UIWidget* p) {
             auto* bar = new UIToolBar(p);
             bar->setButtonStyle(UIToolButton::kTextBelowIcon);
             bar->addButton(ImageSet(), text("Add"), text("Adds a movie"));
             bar->addButton(ImageSet(), text("Edit"), String());
             bar->addSeparator();
             bar->addButton(ImageSet(), text("Find"), String());
             bar->setButtonEnabled(1, false);
             return bar;
         }},
        {"Size grip", Size(12, 12), [](UIWidget* p) { return new UISizeGrip(p); }},
    };
}

// Colours of white.style, as its palette gives them.
constexpr uint32_t kWindowColor = 0xFFFFFF;
constexpr uint32_t kTextColor = 0x1F2328;
constexpr uint32_t kAccentColor = 0x2F6FDE;
constexpr uint32_t kTipColor = 0x2B2F36;
constexpr uint32_t kOutlineColor = 0x858C97;

// The largest difference of one channel.
int distance(uint32_t a, uint32_t b)
{
    int most = 0;
    for (int shift = 0; shift < 24; shift += 8)
        most = std::max(most, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    return most;
}

// An opaque colour under black at alpha a, as the overlay lays it.
uint32_t dimmed(uint32_t rgb, int alpha)
{
    uint32_t result = 0;
    for (int shift = 0; shift < 24; shift += 8)
        result |= (((rgb >> shift) & 0xFF) * uint32_t(255 - alpha) / 255) << shift;
    return result;
}

// The darkest pixel of a widget's middle rows: its text, where it has any.
uint32_t darkest(const UIWidget* widget)
{
    uint32_t found = 0xFFFFFF;
    for (int y = widget->height() / 2 - 3; y <= widget->height() / 2 + 3; ++y) {
        for (int x = 0; x < widget->width(); ++x) {
            const uint32_t pixel = UIHarness::screenPixel(widget, Point(x, y));
            if (distance(pixel, 0) < distance(found, 0))
                found = pixel;
        }
    }
    return found;
}

class WidgetGallery : public ::testing::Test
{
protected:
    // The other tests of this program run without a theme.
    static void TearDownTestSuite() { UIApplication::instance()->setTheme(new UITheme()); }

    void SetUp() override
    {
        ASSERT_TRUE(UIHarness::start("white.style"));
        window = static_cast<UIWindow*>(UIHarness::openWindow(new UIWindow(nullptr, 0), 10, 20, 1250, 720));
        fill();
        UIHarness::pump();
    }
    void TearDown() override
    {
        UIHarness::closeWindow(window);
        UIHarness::pumpFor(10);
    }

    // Column by column, each widget under its caption.
    void fill()
    {
        constexpr int kMargin = 12, kCaption = 18, kGap = 10;
        const std::vector<GalleryEntry> entries = galleryEntries();
        int x = kMargin, y = kMargin, column = 0;
        for (const GalleryEntry& entry : entries) {
            if (y + kCaption + entry.size.height > window->height() - kMargin) {
                x += column + 2 * kGap;
                y = kMargin;
                column = 0;
            }
            const int width = std::max(entry.size.width, 160);
            place(label(window, entry.caption), Rect(x, y, width, kCaption - 2));
            UIWidget* widget =
                place(entry.make(window), Rect(x, y + kCaption, entry.size.width, entry.size.height));
            widget->setFlag(entry.pointer, entry.pointer != 0);
            widget->update();
            shown.push_back(widget);
            y += kCaption + entry.size.height + kGap;
            column = std::max(column, width);
        }
    }
    // The window's own layout is off, as the harness opens it: widgets that
    // place their children are laid out here.
    UIWidget* place(UIWidget* widget, const Rect& at)
    {
        widget->setGeometry(at.x, at.y, at.width, at.height);
        widget->show();
        if (auto* area = dynamic_cast<UIScrollArea*>(widget)) {
            area->relayout();
        } else if (dynamic_cast<UISplitter*>(widget) || dynamic_cast<UIToolBar*>(widget)) {
            widget->layoutSizeHint();
            widget->placeChildren(widget->rect(), widget);
        }
        return widget;
    }
    template <class W> W* find() const
    {
        for (UIWidget* widget : shown) {
            if (auto* found = dynamic_cast<W*>(widget))
                return found;
        }
        return nullptr;
    }

    UIWindow* window = nullptr;
    std::vector<UIWidget*> shown;
};

} // namespace

TEST_F(WidgetGallery, EveryWidgetInTheWhiteSkin)
{
    // The current tab's outline is whole, on its right side too, where the
    // next tab begins.
    auto* tabs = find<UITabBar>();
    ASSERT_NE(nullptr, tabs);
    tabs->layoutTabs();
    const Rect current = tabs->tabRect(tabs->currentIndex());
    EXPECT_LE(distance(kAccentColor, UIHarness::screenPixel(
                                         tabs, Point(current.x + current.width - 1, current.center().y))),
              24)
        << "the right edge of the current tab";
    EXPECT_LE(distance(kAccentColor, UIHarness::screenPixel(tabs, Point(current.x, current.center().y))), 24)
        << "its left edge";
    // The list's frame goes round its scroll bar too; the web view has the
    // same frame.
    auto* list = find<UIListView>();
    ASSERT_NE(nullptr, list);
    ASSERT_TRUE(list->verticalScrollBar()->isVisible());
    for (UIWidget* framed : {static_cast<UIWidget*>(list), static_cast<UIWidget*>(find<UIWebView>())}) {
        for (const Point& edge :
             {Point(framed->width() - 1, framed->height() / 2), Point(0, framed->height() / 2),
              Point(framed->width() - 5, framed->height() - 1)})
            EXPECT_EQ(kOutlineColor, UIHarness::screenPixel(framed, edge))
                << "the frame at " << edge.x << "," << edge.y;
    }
    UIHarness::saveShot(window, "WidgetGallery-main");

    // A tool tip over the list: rounded, with nothing of its fill outside
    // its corners.
    UIHarness::moveMouse(list, Point(60, 40));
    UIHarness::pump();
    const Point corner = list->mapToGlobal(Point(0, 0));
    const Rect area(corner.x, corner.y, list->width(), list->height());
    UIToolTip::showText(list, text("Casablanca (1942)\nOn loan to Ilsa"), list->mapToGlobal(Point(60, 40)),
                        area, 1, 60000, 0, -1);
    UIWidget* tip = nullptr;
    ASSERT_TRUE(UIHarness::pumpUntil([&] {
        for (UIWidget* child : list->children())
            tip = UIToolTip::isInstance(child) && child->isVisible() ? child : tip;
        return tip != nullptr;
    })) << "the tool tip shows";
    UIHarness::pumpFor(50);
    EXPECT_EQ(kTipColor, UIHarness::screenPixel(tip, Point(tip->width() / 2, 2)));
    for (const Point& corner : {Point(0, 0), Point(tip->width() - 1, 0), Point(0, tip->height() - 1),
                                Point(tip->width() - 1, tip->height() - 1)})
        EXPECT_GT(distance(kTipColor, UIHarness::screenPixel(tip, corner)), 64)
            << "corner " << corner.x << "," << corner.y;
    UIHarness::saveShot(tip, "WidgetGallery-tooltip");
    UIToolTip::hideShared();
}

// A modal dialog over the window, dimmed as every window behind a dialog
// is: what GDI drew there (background, text) is dimmed, not blackened, and
// the dialog's last row of buttons shows whole although the dialog is
// taller than its content.
TEST_F(WidgetGallery, ADialogOverTheDimmedWindow)
{
    window->setDimmed(true);
    window->update();
    UIHarness::pump();

    UIDialog dialog(window, 0);
    dialog.setWindowFlag(UINativeWindow::kTopmost, true);
    dialog.applyMetricMargins();
    dialog.applyMetricSpacing();
    auto* question =
        static_cast<UILabel*>(label(&dialog, "Delete \"The Long Voyage Home\" from the collection?"));
    question->show();
    auto* row = new UIWidget(&dialog);
    row->setStyleName(String(u"UIBox"));
    row->setSpacing(6, 0);
    row->setLayoutAlignment(Rect::kAlignRight | Rect::kAlignVCenter);
    UIButton* buttons[2];
    int index = 0;
    for (const char* caption : {"Delete", "Cancel"}) {
        buttons[index] = static_cast<UIButton*>(button<UIButton>(row, caption));
        buttons[index++]->show();
    }
    buttons[1]->setDefault(true);
    row->show();
    // Taller than its content: the rows share the rest, and the row of
    // buttons keeps its own height within its larger cell.
    const Size hint = dialog.effectiveSizeHint();
    dialog.resize(hint.width + 40, hint.height + 30);

    uint32_t background = 0, textPixel = 0;
    Rect rowInDialog, dialogRect;
    uint32_t buttonBottom[2] = {0, 0};
    // The dialog's children are gone once it has closed: read while it shows.
    Rect buttonRects[2];
    int rowHeight = 0;
    LaterStep step(150, [&] {
        UIHarness::activate(&dialog);
        UIHarness::pumpFor(50);
        background = UIHarness::screenPixel(window, Point(window->width() - 4, window->height() - 4));
        textPixel = darkest(find<UILabel>());
        const Point rowCorner = row->mapTo(&dialog, Point(0, 0));
        rowInDialog = Rect(rowCorner.x, rowCorner.y, row->width(), row->height());
        dialogRect = dialog.rect();
        rowHeight = row->height();
        for (int i = 0; i < 2; ++i) {
            buttonRects[i] = buttons[i]->geometry();
            buttonBottom[i] =
                UIHarness::screenPixel(buttons[i], Point(buttons[i]->width() / 2, buttons[i]->height() - 1));
        }
        UIHarness::saveShot(window, "WidgetGallery-dimmed-with-dialog");
        UIHarness::saveShot(&dialog, "WidgetGallery-dialog");
        dialog.reject();
        return true;
    });
    dialog.show();

    const int alpha = window->dimColor().alpha();
    EXPECT_LE(distance(dimmed(kWindowColor, alpha), background), 3) << std::hex << background;
    EXPECT_LE(distance(dimmed(kTextColor, alpha), textPixel), 24)
        << "the label's text, dimmed: " << std::hex << textPixel;
    EXPECT_GT(distance(textPixel, 0), 0) << "not black";
    EXPECT_TRUE(dialogRect.containsRect(rowInDialog)) << "the last row lies inside the dialog";
    for (const Rect& b : buttonRects) {
        EXPECT_EQ(0, b.y) << "the buttons sit in their row";
        EXPECT_EQ(b.height, rowHeight) << "and fill its height";
    }
    for (uint32_t pixel : buttonBottom)
        EXPECT_LE(distance(kOutlineColor, pixel), 24) << "a button's lower edge shows: " << std::hex << pixel;
    window->setDimmed(false);
}
