// The automation channel in a window of the test's own process, driven over
// a real loopback connection: paths, clicks, typing, masks, a modal dialog,
// hostile requests, a lost connection and the shell seam.
#include "foundation/platform/ShellCallRecorder.h"
#include "foundation/platform/SystemInfo.h"
#include "graphics/image/Image.h"
#include "graphics/image/ImageSet.h"
#include "tests/support/AppDriver.h"
#include "tests/support/LaterStep.h"
#include "tests/support/TestText.h"
#include "tests/support/UIHarness.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/automation/UIAutomationChannel.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/widgets/automation/UIWidgetDescribers.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableRow.h"
#include "ui/widgets/range/UISlider.h"
#include "ui/widgets/spinbox/UISpinBox.h"
#include "ui/widgets/tabs/UITabBar.h"
#include "ui/widgets/window/UIDialog.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

using testsupport::AppDriver;
using testsupport::LaterStep;
using testsupport::UIHarness;

namespace {

class AutomationChannel : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UIHarness::start());
        installWidgetDescribers();
        window = UIHarness::openWindow(nullptr, 60, 60, 400, 240);
        window->setObjectId(String(u"probe"));
        button = new UIButton(window);
        button->setText(String(u"Press"));
        button->setObjectId(String(u"press"));
        button->setGeometry(10, 10, 100, 30);
        edit = new UILineEdit(window);
        edit->setObjectId(String(u"edit"));
        edit->setGeometry(10, 60, 200, 24);
        secret = new UILineEdit(window);
        secret->setObjectId(String(u"secret"));
        secret->setPasswordMode(true);
        secret->setGeometry(10, 100, 200, 24);
        for (UIWidget* widget :
             {static_cast<UIWidget*>(button), static_cast<UIWidget*>(edit), static_cast<UIWidget*>(secret)})
            widget->show();
        UIHarness::pump();
        ASSERT_TRUE(driver.attach([] { return UIAutomationChannel::startFromEnvironment(); },
                                  [] { UIHarness::pump(); }))
            << driver.failure();
    }
    void TearDown() override
    {
        UIAutomationChannel::stop();
        UIHarness::closeWindow(window);
    }

    AppDriver driver;
    UIWidget* window = nullptr;
    UIButton* button = nullptr;
    UILineEdit* edit = nullptr;
    UILineEdit* secret = nullptr;
};

TEST_F(AutomationChannel, PathsFindTheWindowsWidgets)
{
    struct Case
    {
        const char* path;
        const char* id; // empty: not found
    } cases[] = {
        {"#probe", "probe"},      {"#probe \"Press\"", "press"},
        {"UILineEdit", "edit"},   {"#probe UILineEdit[1]", "secret"},
        {"UILineEdit[2]", ""},    {"#press #edit", ""},
        {"\"Nothing here\"", ""},
    };
    for (const auto& c : cases) {
        JsonValue found = driver.find(c.path);
        EXPECT_EQ(found["id"].toText(), c.id) << c.path << " " << driver.lastReply().write();
    }
    JsonValue pressed = driver.find("\"Press\"");
    EXPECT_EQ(pressed["class"].toText(), "UIButton");
    Point origin = button->mapToGlobal(Point(0, 0));
    EXPECT_EQ(pressed["rect"].at(0).toInt(), origin.x);
    EXPECT_EQ(pressed["rect"].at(1).toInt(), origin.y);
    EXPECT_TRUE(pressed["enabled"].toBool());
}

TEST_F(AutomationChannel, ASliderTellsItsValueWithinItsRange)
{
    auto* slider = new UISlider(window);
    slider->setObjectId(String(u"slider"));
    slider->setGeometry(220, 10, 150, 24);
    slider->setRange(10, 60);
    slider->show();
    const struct
    {
        int set;
        int shown;
    } cases[] = {{35, 35}, {10, 10}, {75, 60}, {-5, 10}};
    for (const auto& c : cases) {
        slider->setValue(c.set);
        const JsonValue found = driver.find("#slider");
        EXPECT_EQ(found["value"].toInt(), c.shown) << c.set << " " << found.write();
        EXPECT_EQ(found["minimum"].toInt(), 10);
        EXPECT_EQ(found["maximum"].toInt(), 60);
    }
}

TEST_F(AutomationChannel, AClickGivesOneClicked)
{
    SignalCounter clicks;
    button->clicked.connect(&clicks, &SignalCounter::count);
    ASSERT_TRUE(driver.click("#press")) << driver.lastReply().write();
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return clicks.calls >= 1; }));
    UIHarness::pumpFor(200);
    EXPECT_EQ(clicks.calls, 1);
}

TEST_F(AutomationChannel, ADoubleClickAloneIsOneDoubleClickWhereOneIsWanted)
{
    SignalCounter clicks;
    SignalCounter doubles;
    button->clicked.connect(&clicks, &SignalCounter::count);
    button->mouseDoubleClicked.connect(&doubles, &SignalCounter::count);
    const struct
    {
        bool wanted;
        int doubles;
    } cases[] = {{true, 1}, {false, 0}};
    for (const auto& c : cases) {
        button->setFlag(UIWidget::kWantsDoubleClicks, c.wanted);
        clicks.calls = 0;
        doubles.calls = 0;
        // Past the double-click time of the case before.
        UIHarness::pumpFor(600);
        ASSERT_TRUE(driver.doubleClick("#press")) << driver.lastReply().write();
        EXPECT_TRUE(UIHarness::pumpUntil([&] { return clicks.calls + doubles.calls >= 2; })) << c.wanted;
        UIHarness::pumpFor(200);
        EXPECT_EQ(doubles.calls, c.doubles) << c.wanted;
        EXPECT_EQ(clicks.calls + doubles.calls, 2) << c.wanted;
    }
}

// A driver that sends its next click before the program has handled the one
// before (two requests read in one turn): the entry clicked in the popup is
// chosen first, and only then does the button's window take the focus
// (which closes a popup still open).
TEST_F(AutomationChannel, AClickIntoAPopupIsHandledBeforeTheNextRequest)
{
    auto* box = new UIComboBox(window);
    box->setObjectId(String(u"box"));
    for (const char16_t* text : {u"Alpha", u"Beta", u"Gamma"})
        box->addItem(String(text));
    box->setGeometry(220, 10, 150, box->sizeHint().height);
    box->show();
    SignalCounter clicks;
    button->clicked.connect(&clicks, &SignalCounter::count);
    for (const char* entry : {"Gamma", "Beta"}) {
        ASSERT_TRUE(UIHarness::pumpUntil([&] { return box->mayReopen(); })) << entry;
        ASSERT_TRUE(driver.click("#box")) << driver.lastReply().write();
        const std::string entryPath = std::string("#box UIList \"") + entry + "\"";
        ASSERT_TRUE(driver.waitForPath(entryPath)) << entry;
        JsonValue first = JsonValue::object();
        first.set("op", "click");
        first.set("path", entryPath);
        const std::string both = first.write() + "\n{\"op\":\"click\",\"path\":\"#press\"}\n";
        EXPECT_NE(driver.requestRaw(both).find("\"ok\":true"), std::string::npos) << entry;
        EXPECT_NE(driver.requestRaw(std::string()).find("\"ok\":true"), std::string::npos) << entry;
        EXPECT_TRUE(UIHarness::pumpUntil([&] { return !box->isPopupVisible(); })) << entry;
        EXPECT_EQ(testsupport::utf8(box->currentText()), entry) << "the click into the popup was lost";
    }
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return clicks.calls >= 2; })) << clicks.calls;
}

TEST_F(AutomationChannel, ColumnHeadingsAreEntriesAndAClickSortsByThem)
{
    auto* table = new UITable(window);
    table->setObjectId(String(u"table"));
    table->setGeometry(220, 10, 170, 120);
    table->setSortingEnabled(true);
    for (const char16_t* heading : {u"Name", u"Hidden", u"Year"})
        table->header()->addSection(String(heading), 60, true)->setSortType(1);
    table->header()->hideSection(1);
    // Fewer than two rows are never sorted.
    for (const char16_t* year : {u"1999", u"2001"}) {
        auto* row = new UITableRow;
        for (const char16_t* cell : {u"x", u"", year})
            row->addTextCell(String(cell));
        table->addRow(row);
    }
    table->show();
    UIHarness::pump();

    struct Case
    {
        const char* path;
        bool found;
    } cases[] = {{"#table UIHeader \"Name\"", true},
                 {"#table UIHeader \"Year\"", true},
                 {"#table UIHeader \"Hidden\"", false}};
    for (const auto& c : cases)
        EXPECT_EQ(driver.exists(c.path), c.found) << c.path;
    ASSERT_TRUE(driver.click("#table UIHeader \"Year\"")) << driver.lastReply().write();
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return table->sortColumn() == 2; })) << table->sortColumn();
    EXPECT_EQ(table->sortOrder(), 1);
    JsonValue header = driver.find("#table UIHeader");
    EXPECT_TRUE(header["items"].at(2)["checked"].toBool()) << header.write();
    EXPECT_FALSE(header["items"].at(0)["checked"].toBool()) << header.write();
}

struct ColumnRecorder : SignalReceiver
{
    explicit ColumnRecorder(UITable* table) : table(table)
    {
        table->mouseClicked.connectWithArg(this, &ColumnRecorder::onClicked);
    }
    void onClicked(UIEvent* event)
    {
        columns.push_back(table->columnAtX(static_cast<UIMouseEvent*>(event)->x()));
    }

    UITable* table;
    std::vector<int> columns;
};

// A check list as the folder scan shows it: the first column only a box.
TEST_F(AutomationChannel, RowsGoByTheirFirstTextAndAClickLandsInTheColumnAsked)
{
    auto* table = new UITable(window);
    table->setObjectId(String(u"ticks"));
    table->setGeometry(220, 10, 170, 120);
    for (int width : {20, 80, 60})
        table->header()->addSection(String(), width, true);
    for (const char16_t* title : {u"Alien", u"Brazil"}) {
        auto* row = new UITableRow;
        row->addImageCell(Image());
        row->addTextCell(String(title));
        row->addTextCell(String(u"C:\\movies"));
        table->addRow(row);
    }
    table->show();
    UIHarness::pump();
    ColumnRecorder recorder(table);
    const std::vector<int>& columns = recorder.columns;

    struct Case
    {
        const char* path;
        int column;
        const char* error; // empty: clicked
    } cases[] = {
        {"#ticks \"Brazil\"", 0, ""},
        {"#ticks \"Alien\"", 2, ""},
        {"#ticks \"Alien\"", 1, ""},
        {"#ticks \"Alien\"", 3, "no such column"},
        {"#ticks \"Alien\"", -1, "no such column"},
        {"#ticks", 0, "no such column"},
        {"#ticks \"Casablanca\"", 0, "not found"},
    };
    // Straight to the channel: the driver's own click waits a while for a
    // path not there yet, and one case names a row that never comes.
    auto clickColumn = [&](const char* path, int column) {
        JsonValue asked = JsonValue::object();
        asked.set("op", "click");
        asked.set("path", path);
        asked.set("column", column);
        return driver.request(asked)["ok"].toBool();
    };
    int clicked = 0;
    for (const auto& c : cases) {
        const bool ok = clickColumn(c.path, c.column);
        EXPECT_EQ(ok, std::string(c.error).empty()) << c.path << " " << c.column;
        EXPECT_NE(driver.lastReply().write().find(c.error), std::string::npos) << driver.lastReply().write();
        clicked += ok ? 1 : 0;
        EXPECT_TRUE(UIHarness::pumpUntil([&] { return int(columns.size()) == clicked; })) << c.path;
        // Apart, so that no two make a double click.
        if (ok)
            UIHarness::pumpFor(GetDoubleClickTime() + 50);
    }
    EXPECT_EQ(columns, (std::vector<int>{0, 2, 1}));
    EXPECT_EQ(table->currentRow(), 0) << "the row clicked last is current";
}

struct TabLog : SignalReceiver
{
    void clicked(int index) { tabs.push_back(index); }
    std::vector<int> tabs;
};

TEST_F(AutomationChannel, EntriesWithoutTextAreClickedByTheirPosition)
{
    auto* bar = new UITabBar(window);
    bar->setObjectId(String(u"bar"));
    bar->setExclusive(false);
    for (int i = 0; i < 3; ++i)
        bar->addTab(ImageSet(), String());
    bar->setTabVisible(2, false);
    bar->setAllTabsSelectable(false);
    bar->setGeometry(220, 150, 120, 30);
    bar->show();
    UIHarness::pump();
    TabLog log;
    bar->tabClicked.connectWithArg(&log, &TabLog::clicked);
    struct Case
    {
        const char* item;
        bool ok;
    } cases[] = {{"1", true},   {"0", true},    {"2", false},    {"3", false},
                 {"-1", false}, {"0.5", false}, {"\"1\"", false}};
    for (const auto& c : cases) {
        JsonValue reply =
            driver.request(std::string("{\"op\":\"click\",\"path\":\"#bar\",\"item\":") + c.item + "}");
        EXPECT_EQ(reply["ok"].toBool(), c.ok) << c.item << " " << reply.write();
        // Past the double-click time: the next click is one of its own.
        UIHarness::pumpFor(c.ok ? 700 : 50);
    }
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return log.tabs.size() >= 2; }));
    EXPECT_EQ(log.tabs, (std::vector<int>{1, 0}))
        << "an entry hidden, past the end or not a whole number: none";
    EXPECT_FALSE(
        driver.request(std::string("{\"op\":\"click\",\"path\":\"#press\",\"item\":0}"))["ok"].toBool())
        << "a widget without entries";
}

TEST_F(AutomationChannel, ADoubleClickAloneIsOneDoubleClick)
{
    auto* table = new UITable(window);
    table->setObjectId(String(u"doubles"));
    table->setFlag(UIWidget::kWantsDoubleClicks, true);
    table->setGeometry(220, 10, 170, 120);
    table->show();
    UIHarness::pump();
    SignalCounter doubles;
    table->mouseDoubleClicked.connect(&doubles, &SignalCounter::count);
    ASSERT_TRUE(driver.doubleClick("#doubles")) << driver.lastReply().write();
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return doubles.calls >= 1; })) << "with no click before it";
    UIHarness::pumpFor(int(GetDoubleClickTime()) + 100);
    ASSERT_TRUE(driver.click("#doubles")) << driver.lastReply().write();
    UIHarness::pumpFor(200);
    EXPECT_EQ(doubles.calls, 1) << "a click after the double-click time is one of its own";
}

TEST_F(AutomationChannel, TypingReachesTheFieldAndPasswordsGiveTheirMask)
{
    ASSERT_TRUE(driver.typeText("Hello", "#edit")) << driver.lastReply().write();
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return edit->text() == String(u"Hello"); }));
    EXPECT_EQ(driver.find("#edit")["text"].toText(), "Hello");

    ASSERT_TRUE(driver.typeText("hunter2", "#secret"));
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return secret->text() == String(u"hunter2"); }));
    JsonValue shown = driver.find("#secret");
    EXPECT_TRUE(shown["password"].toBool());
    const std::string& mask = shown["text"].toText();
    EXPECT_EQ(String::fromUtf8(mask.data(), int(mask.size())), secret->displayText());
    EXPECT_EQ(secret->displayText().length(), 7);
    EXPECT_EQ(shown["text"].toText().find("hunter2"), std::string::npos);
    EXPECT_EQ(driver.dump().write().find("hunter2"), std::string::npos);

    ASSERT_TRUE(driver.pressKey("Backspace"));
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return secret->text() == String(u"hunter"); }));
}

TEST_F(AutomationChannel, ReplacedTextTakesTheWholeFieldEvenWhereTheFieldRefusesAnInsertion)
{
    auto* spin = new UISpinBox(window);
    spin->setObjectId(String(u"spin"));
    spin->setRange(0, 99);
    spin->setSpecialValueText(String(u"n/a"));
    spin->setGeometry(220, 150, 80, 24);
    spin->show();
    edit->setText(String(u"Hello"));
    UIHarness::pump();
    struct Case
    {
        const char* path;
        const char* text;
    } cases[] = {{"#edit", "Bye"}, {"#spin UILineEdit", "12"}, {"#spin UILineEdit", "7"}, {"#edit", "Again"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(driver.replaceText(c.text, c.path)) << c.path << " " << driver.lastReply().write();
        EXPECT_TRUE(UIHarness::pumpUntil([&] { return driver.find(c.path)["text"].toText() == c.text; }))
            << c.path << " " << driver.find(c.path)["text"].toText();
    }
    EXPECT_EQ(spin->intValue(), 7);
}

// The driver works from a thread of its own here, as another process would,
// while the windows' thread is inside the dialog's modal run.
TEST_F(AutomationChannel, AModalDialogOpenedFromATimerIsClosedThroughIt)
{
    driver.setPump(nullptr);
    std::atomic<bool> closed{false};
    std::atomic<bool> driverDone{false};
    bool dialogReturned = false;
    std::thread remote([&] {
        if (driver.waitForPath("#dialog \"Done\"", 20000))
            closed = driver.click("#dialog \"Done\"");
        driverDone = true;
    });
    LaterStep opener(30, [&] {
        UIDialog dialog(window, 0);
        dialog.setObjectId(String(u"dialog"));
        dialog.setLayoutEnabled(false);
        dialog.resize(220, 120);
        auto* done = new UIButton(&dialog);
        done->setText(String(u"Done"));
        done->setGeometry(20, 40, 100, 30);
        done->show();
        done->clicked.connect(static_cast<UIDialog*>(&dialog), &UIDialog::accept);
        dialog.show();
        dialogReturned = dialog.result() == 1;
        return true;
    });
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return driverDone.load() && !opener.isPending(); }, 30000));
    remote.join();
    EXPECT_TRUE(closed.load()) << driver.lastReply().write();
    EXPECT_TRUE(dialogReturned);
    driver.setPump([] { UIHarness::pump(); });
    EXPECT_TRUE(driver.request(std::string("{\"op\":\"ping\"}"))["ok"].toBool());
}

TEST_F(AutomationChannel, HostileRequestsGetErrorsAndTheChannelStays)
{
    std::string deep(100000, '[');
    const std::string cases[] = {
        "garbage\n",
        "{\"op\":1}\n",
        std::string("\0\xff{\n", 4),
        deep + "\n",
        std::string(UIAutomationChannel::kMaxRequest + 10, 'x') + "\n",
        "{\"op\":\"click\",\"path\":\"UIButton[999999]\"}\n",
        "{\"op\":\"key\",\"key\":\"NoSuchKey\"}\n",
    };
    for (const std::string& hostile : cases) {
        std::string reply = driver.requestRaw(hostile);
        EXPECT_NE(reply.find("\"ok\":false"), std::string::npos) << hostile.substr(0, 40) << " -> " << reply;
    }
    EXPECT_TRUE(driver.request(std::string("{\"op\":\"ping\"}"))["ok"].toBool());
}

TEST_F(AutomationChannel, ShellCallsAreRecordedNotRunAndALostConnectionEndsOnlyTheChannel)
{
    ASSERT_TRUE(ShellCallRecorder::isInstalled());
    SystemInfo::shellOpen(String(u"http://www.reelstack.example/help"));
    EXPECT_TRUE(SystemInfo::shellExecute(String(u"Z:\\no\\such\\player.exe"), String(u"-x")));
    JsonValue dump = driver.dump();
    ASSERT_EQ(dump["shell"].size(), 2) << dump["shell"].write();
    EXPECT_EQ(dump["shell"].at(0)["call"].toText(), "open");
    EXPECT_EQ(dump["shell"].at(0)["target"].toText(), "http://www.reelstack.example/help");
    EXPECT_EQ(dump["shell"].at(1)["target"].toText(), "Z:\\no\\such\\player.exe -x");
    EXPECT_EQ(driver.dump()["shell"].size(), 0);

    driver.disconnect();
    EXPECT_TRUE(UIHarness::pumpUntil([] { return !UIAutomationChannel::instance()->isConnected(); }));
    EXPECT_FALSE(ShellCallRecorder::isInstalled());
    // The window goes on working.
    SignalCounter clicks;
    button->clicked.connect(&clicks, &SignalCounter::count);
    UIHarness::click(button, Point(20, 10));
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return clicks.calls == 1; }));
}

TEST_F(AutomationChannel, TheProgramsOwnHelperIsRecordedAndStillRun)
{
    // Run: a helper that is not there fails to start.
    EXPECT_FALSE(SystemInfo::startOwnProgram(String(u"Z:\\no\\such\\Helper.exe"), String(u"-try \"1\"")));
    const JsonValue dump = driver.dump();
    ASSERT_EQ(dump["shell"].size(), 1) << dump["shell"].write();
    EXPECT_EQ(dump["shell"].at(0)["call"].toText(), "execute");
    EXPECT_EQ(dump["shell"].at(0)["target"].toText(), "Z:\\no\\such\\Helper.exe -try \"1\"");
}

TEST(AutomationChannelUnset, NothingIsMade)
{
    ASSERT_TRUE(UIHarness::start());
    _putenv("REELSTACK_AUTOMATION=");
    EXPECT_FALSE(UIAutomationChannel::startFromEnvironment());
    EXPECT_EQ(UIAutomationChannel::instance(), nullptr);
    EXPECT_FALSE(ShellCallRecorder::isInstalled());
    // Nor does a port where nothing listens, or one that is no port.
    for (const char* setting : {"REELSTACK_AUTOMATION=1", "REELSTACK_AUTOMATION=http://x/"}) {
        _putenv(setting);
        EXPECT_FALSE(UIAutomationChannel::startFromEnvironment()) << setting;
        EXPECT_EQ(UIAutomationChannel::instance(), nullptr) << setting;
    }
    _putenv("REELSTACK_AUTOMATION=");
}

} // namespace
