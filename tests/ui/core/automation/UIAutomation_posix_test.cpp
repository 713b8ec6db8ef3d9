#include "foundation/data/JsonReader.h"
#include "foundation/platform/ShellCallRecorder.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/automation/UIAutomationChannel.h"
#include "ui/core/automation/UIAutomationDescriber.h"
#include "ui/core/automation/UIAutomationKeys.h"
#include "ui/core/automation/UIAutomationPath.h"
#include "ui/core/automation/UIAutomationRequests.h"
#include "ui/core/automation/UIAutomationSections.h"
#include "ui/core/automation/UIAutomationTree.h"

#include <memory>
#include <string>

namespace {

JsonValue parsed(const std::string& text)
{
    JsonReader reader;
    JsonValue value;
    EXPECT_TRUE(reader.read(text, value)) << text;
    return value;
}

// Entries "One", "Two", "&Three", a separator and "Two" again, 20 px high.
class FakeEntries : public UIAutomationDescriber
{
public:
    String text(const UIWidget*) const override { return String(u"Entries"); }
    int itemCount(const UIWidget*) const override { return 5; }
    UIAutomationItem item(const UIWidget*, int index) const override
    {
        static const char16_t* const kTexts[] = {u"One", u"Two", u"&Three", u"Two", u"Two"};
        UIAutomationItem entry;
        entry.text = String(kTexts[index]);
        entry.rect = Rect(0, index * 20, 100, 20);
        entry.inert = index == 3;
        return entry;
    }
};

struct PathCase
{
    const char* text;
    int steps;    // 0: refused
    int lastKind; // of the last step
    const char* lastValue;
    int lastIndex;
};

TEST(UIAutomationPath, ParsesStepsAndRefusesMalformedPaths)
{
    const PathCase cases[] = {
        {"#main", 1, UIAutomationPath::kId, "main", 0},
        {"UIButton[2]", 1, UIAutomationPath::kClass, "UIButton", 2},
        {"  #main   \"Save as...\"[1] ", 2, UIAutomationPath::kText, "Save as...", 1},
        {"\"say \\\"hi\\\" \\\\\"", 1, UIAutomationPath::kText, "say \"hi\" \\", 0},
        {"#a UIMenu \"\"", 3, UIAutomationPath::kText, "", 0},
        {"", 0, 0, "", 0},
        {"   ", 0, 0, "", 0},
        {"#", 0, 0, "", 0},
        {"\"open", 0, 0, "", 0},
        {"UIButton[", 0, 0, "", 0},
        {"UIButton[]", 0, 0, "", 0},
        {"UIButton[x]", 0, 0, "", 0},
        {"UIButton[99999999]", 0, 0, "", 0},
        {"UIButton[1]x", 0, 0, "", 0},
        {"\"a\"\"b\"", 0, 0, "", 0},
    };
    for (const PathCase& c : cases) {
        UIAutomationPath path;
        bool ok = path.parse(c.text);
        EXPECT_EQ(ok, c.steps > 0) << c.text;
        if (!ok) {
            EXPECT_FALSE(path.error().empty()) << c.text;
            EXPECT_TRUE(path.steps().empty()) << c.text;
            continue;
        }
        ASSERT_EQ(static_cast<int>(path.steps().size()), c.steps) << c.text;
        const UIAutomationPath::Step& last = path.steps().back();
        EXPECT_EQ(last.kind, c.lastKind) << c.text;
        EXPECT_EQ(last.value, String::fromUtf8(c.lastValue)) << c.text;
        EXPECT_EQ(last.index, c.lastIndex) << c.text;
    }
    std::string tooMany;
    for (int i = 0; i <= UIAutomationPath::kMaxSteps; ++i)
        tooMany += "#a ";
    EXPECT_FALSE(UIAutomationPath().parse(tooMany));
}

TEST(UIAutomationPath, TextMatchesIgnoreMnemonicMarksOnly)
{
    struct Case
    {
        const char16_t* candidate;
        const char16_t* wanted;
        bool matches;
    } cases[] = {
        {u"&Open", u"Open", true},  {u"&Open", u"&Open", true}, {u"R&&D", u"R&D", true},
        {u"Open", u"open", false},  {u"", u"", false},          {u"Open file", u"Open", false},
        {u"O&pen&", u"Open", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UIAutomationPath::textMatches(String(c.candidate), String(c.wanted)), c.matches);
}

class UIAutomationFind : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        UIAutomationDescriber::registerFor(String(u"UIFakeEntries"), std::make_unique<FakeEntries>());
        top->setObjectId(String(u"top"));
        panel = child("panel", 0, 0, 300, 300);
        panel->setObjectId(String(u"panel"));
        first = child("first", 10, 10, 50, 20, panel);
        first->setToolTip(String(u"Sort"));
        second = child("second", 10, 40, 50, 20, panel);
        second->setToolTip(String(u"Sort"));
        hidden = child("hidden", 10, 70, 50, 20, panel);
        hidden->setObjectId(String(u"hidden"));
        hidden->hide();
        entries = child("entries", 100, 10, 100, 100, panel);
        entries->setStyleName(String(u"UIFakeEntries"));
        for (UIWidget* widget : {panel, first, second, entries})
            widget->show();
    }

    UIAutomationMatch find(const char* text, bool includeHidden = false)
    {
        UIAutomationPath path;
        EXPECT_TRUE(path.parse(text)) << text;
        return path.find(UIAutomationPath::topLevelWindows(), includeHidden);
    }

    UIWidget* named(const std::string& name) const
    {
        const std::pair<const char*, UIWidget*> widgets[] = {
            {"top", top}, {"panel", panel}, {"first", first}, {"second", second}, {"entries", entries}};
        for (const auto& known : widgets) {
            if (name == known.first)
                return known.second;
        }
        return nullptr;
    }

    RecordingWidget* panel = nullptr;
    RecordingWidget* first = nullptr;
    RecordingWidget* second = nullptr;
    RecordingWidget* hidden = nullptr;
    RecordingWidget* entries = nullptr;
};

TEST_F(UIAutomationFind, StepsSearchDescendantsAndEntriesInTreeOrder)
{
    struct Case
    {
        const char* path;
        const char* widget; // null: nothing found
        int item;
    } cases[] = {
        {"#top", "top", -1},
        {"#panel", "panel", -1},
        {"#top #panel", "panel", -1},
        {"#panel #panel", nullptr, -1},
        {"\"Sort\"", "first", -1},
        {"\"Sort\"[1]", "second", -1},
        {"\"Sort\"[2]", nullptr, -1},
        {"UIFakeEntries", "entries", -1},
        {"\"Entries\"", "entries", -1},
        {"\"Two\"", "entries", 1},
        {"\"Two\"[1]", "entries", 4},
        {"\"Three\"", "entries", 2},
        {"UIFakeEntries \"One\"", "entries", 0},
        {"\"One\" \"Two\"", nullptr, -1},
        {"#hidden", nullptr, -1},
        {"UIMissing", nullptr, -1},
    };
    for (const auto& c : cases) {
        UIAutomationMatch match = find(c.path);
        UIWidget* expected = c.widget ? named(c.widget) : nullptr;
        EXPECT_EQ(match.widget, expected) << c.path;
        if (expected) {
            EXPECT_EQ(match.item, c.item) << c.path;
        }
    }
    EXPECT_EQ(find("#hidden", true).widget, hidden);
    // A hidden parent hides its subtree.
    panel->hide();
    EXPECT_FALSE(find("\"Sort\"").found());
    EXPECT_EQ(find("\"Sort\"[1]", true).widget, second);
    // Not a window it owns: the program's password prompt shows before its
    // main window does.
    RecordingWidget* dialog = child("dialog", 0, 0, 100, 50);
    dialog->setFlag(UIWidget::kWindow, true);
    dialog->setObjectId(String(u"dialog"));
    RecordingWidget* field = child("field", 5, 5, 20, 10, dialog);
    field->setObjectId(String(u"field"));
    field->show();
    dialog->show();
    top->hide();
    dialog->show();
    field->show();
    EXPECT_EQ(find("#dialog #field").widget, field);
    EXPECT_FALSE(find("#panel").found());
    JsonValue windows = UIAutomationTree().windows(UIAutomationPath::topLevelWindows());
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(windows.elements()[0]["id"].toText(), "dialog");
}

// Two boxes of one class, the second holding the field: a step is looked
// for below every match of the step before, unless that step named its index.
TEST_F(UIAutomationFind, LaterStepsAreLookedForBelowEveryMatchOfTheStepBefore)
{
    RecordingWidget* boxes[2] = {child("box1", 10, 130, 50, 20, panel),
                                 child("box2", 70, 130, 50, 20, panel)};
    RecordingWidget* field = child("field", 2, 2, 20, 10, boxes[1]);
    field->setObjectId(String(u"field"));
    for (RecordingWidget* box : boxes) {
        box->setStyleName(String(u"UIFakeBox"));
        box->show();
    }
    field->show();
    const struct
    {
        const char* path;
        UIWidget* widget; // null: nothing found
    } cases[] = {
        {"UIFakeBox #field", field},    {"#top UIFakeBox #field", field}, {"UIFakeBox[0] #field", nullptr},
        {"UIFakeBox[1] #field", field}, {"UIFakeBox #missing", nullptr},  {"UIFakeBox", boxes[0]},
    };
    for (const auto& c : cases)
        EXPECT_EQ(find(c.path).widget, c.widget) << c.path;
    boxes[1]->hide();
    EXPECT_FALSE(find("UIFakeBox #field").found()) << "a hidden box hides its field";
    EXPECT_EQ(find("UIFakeBox #field", true).widget, field);
}

TEST_F(UIAutomationFind, RequestsAnswerWithErrorsAndKeepTheirSequence)
{
    UIAutomationRequests requests;
    struct Case
    {
        const char* request;
        bool ok;
        const char* error; // start of the error text
    } cases[] = {
        {"{\"op\":\"ping\",\"seq\":7}", true, ""},
        {"[]", false, "a request is an object"},
        {"{}", false, "unknown op"},
        {"{\"op\":\"fly\"}", false, "unknown op"},
        {"not json", false, "bad request"},
        {"{\"op\":\"find\"}", false, "bad path"},
        {"{\"op\":\"click\",\"path\":\"#nowhere\"}", false, "not found"},
        {"{\"op\":\"click\",\"path\":\"#panel\"}", false, "no input here"},
        {"{\"op\":\"click\",\"path\":\"#panel\",\"column\":0}", false, "no such column"},
        {"{\"op\":\"click\",\"path\":\"\\\"One\\\"\",\"column\":0}", false, "no such column"},
        {"{\"op\":\"click\",\"path\":\"#panel\",\"item\":0}", false, "no such entry"},
        {"{\"op\":\"key\",\"key\":\"Hyper\"}", false, "unknown key"},
        {"{\"op\":\"key\",\"key\":\"A\",\"mods\":[\"meta\"]}", false, "unknown modifier"},
        {"{\"op\":\"dump\",\"path\":\"\\\"Nothing\\\"\"}", false, "not found"},
        {"{\"op\":\"close\",\"path\":7}", false, "bad path"},
    };
    for (const auto& c : cases) {
        JsonValue reply = parsed(requests.answer(c.request));
        EXPECT_EQ(reply["ok"].toBool(), c.ok) << c.request;
        EXPECT_EQ(reply["error"].toText().rfind(c.error, 0), 0u) << c.request << " " << reply.write();
    }
    EXPECT_EQ(parsed(requests.answer("{\"op\":\"ping\",\"seq\":\"x1\"}"))["seq"].toText(), "x1");
}

TEST_F(UIAutomationFind, FindAndDumpDescribeWidgetsEntriesAndRows)
{
    UIAutomationRequests requests;
    JsonValue found = parsed(requests.answer("{\"op\":\"find\",\"path\":\"\\\"Three\\\"\"}"));
    EXPECT_TRUE(found["found"].toBool());
    EXPECT_EQ(found["item"].toInt(), 2);
    const JsonValue& widget = found["widget"];
    EXPECT_EQ(widget["class"].toText(), "UIFakeEntries");
    EXPECT_EQ(widget["text"].toText(), "Entries");
    Point origin = entries->mapToGlobal(Point(0, 0));
    EXPECT_EQ(widget["rect"].at(0).toInt(), origin.x);
    EXPECT_EQ(widget["rect"].at(1).toInt(), origin.y);
    EXPECT_EQ(widget["rect"].at(2).toInt(), 100);
    ASSERT_EQ(widget["items"].size(), 5);
    EXPECT_EQ(widget["items"].at(2)["text"].toText(), "&Three");
    EXPECT_EQ(widget["items"].at(2)["rect"].at(1).toInt(), origin.y + 40);
    EXPECT_TRUE(widget["items"].at(3)["inert"].toBool());

    JsonValue missing = parsed(requests.answer("{\"op\":\"find\",\"path\":\"#hidden\"}"));
    EXPECT_TRUE(missing["ok"].toBool());
    EXPECT_FALSE(missing["found"].toBool());

    JsonValue dump = parsed(requests.answer("{\"op\":\"dump\"}"));
    ASSERT_TRUE(dump["ok"].toBool());
    const JsonValue* topNode = nullptr;
    for (const JsonValue& window : dump["windows"].elements()) {
        if (window["id"].toText() == "top")
            topNode = &window;
    }
    ASSERT_NE(topNode, nullptr);
    const JsonValue& panelNode = (*topNode)["children"].at(0);
    EXPECT_EQ(panelNode["id"].toText(), "panel");
    // The hidden child is left out unless asked for.
    EXPECT_EQ(panelNode["children"].size(), 3);
    JsonValue withHidden = parsed(requests.answer("{\"op\":\"dump\",\"path\":\"#panel\",\"hidden\":true}"));
    EXPECT_EQ(withHidden["widget"]["children"].size(), 4);
}

TEST_F(UIAutomationFind, DumpsCarrySectionsSoundsAndShellCallsOnce)
{
    UIAutomationRequests requests;
    UIAutomationSections::add("timings", [] {
        JsonValue value;
        value.set("shown", 12);
        return value;
    });
    UIApplication::instance()->soundRequested.emitValue(intptr_t(3));
    requests.recordShellCall(String(u"open"), String(u"http://example.test/"));
    JsonValue dump = parsed(requests.answer("{\"op\":\"dump\",\"path\":\"#panel\"}"));
    EXPECT_EQ(dump["sections"]["timings"]["shown"].toInt(), 12);
    ASSERT_EQ(dump["sounds"].size(), 1);
    EXPECT_EQ(dump["sounds"].at(0).toInt(), 3);
    ASSERT_EQ(dump["shell"].size(), 1);
    EXPECT_EQ(dump["shell"].at(0)["target"].toText(), "http://example.test/");
    JsonValue next = parsed(requests.answer("{\"op\":\"dump\",\"path\":\"#panel\"}"));
    EXPECT_EQ(next["sounds"].size(), 0);
    EXPECT_EQ(next["shell"].size(), 0);
    UIAutomationSections::remove("timings");
    EXPECT_FALSE(
        parsed(requests.answer("{\"op\":\"dump\",\"path\":\"#panel\"}"))["sections"].contains("timings"));
}

TEST_F(UIAutomationFind, ChannelSplitsLinesAndRefusesOverlongOnes)
{
    UIAutomationChannel channel;
    EXPECT_FALSE(channel.isConnected());
    std::string ping = "{\"op\":\"ping\"}";
    // Split across reads, with a CR before the line end.
    EXPECT_EQ(channel.receive(ping.data(), 5), "");
    std::string rest = ping.substr(5) + "\r\n";
    EXPECT_EQ(channel.receive(rest.data(), rest.size()), "{\"ok\":true}\n");
    // Two requests in one read give two replies in order.
    std::string two = "{\"op\":\"ping\",\"seq\":1}\n{\"op\":\"ping\",\"seq\":2}\n";
    EXPECT_EQ(channel.receive(two.data(), two.size()), "{\"ok\":true,\"seq\":1}\n{\"ok\":true,\"seq\":2}\n");
    // An overlong line is refused once; its rest is thrown away up to its
    // end and the next request is answered again.
    std::string big(UIAutomationChannel::kMaxRequest + 1, 'x');
    std::string refused = channel.receive(big.data(), big.size());
    EXPECT_EQ(parsed(refused.substr(0, refused.size() - 1))["error"].toText(), "request too long");
    std::string tail = std::string(100000, 'y') + "\n" + ping + "\n";
    EXPECT_EQ(channel.receive(tail.data(), tail.size()), "{\"ok\":true}\n");
    // Exactly the limit is still a request (a bad one).
    std::string limit(UIAutomationChannel::kMaxRequest, ' ');
    limit += "\n";
    EXPECT_EQ(parsed(channel.receive(limit.data(), limit.size()))["error"].toText().rfind("bad request", 0),
              0u);
    // Binary garbage is a bad request, not a failure.
    const char garbage[] = {'\0', '\xff', '{', '\n'};
    EXPECT_NE(channel.receive(garbage, sizeof(garbage)).find("bad request"), std::string::npos);
}

// What a click does happens once the loop has handled it: the lines after a
// request that hands the loop input wait for the channel's next turn, while
// reading requests answer together. Whether the input succeeded does not
// matter (natively every click fails).
TEST_F(UIAutomationFind, LinesAfterInputWaitForTheNextTurn)
{
    const struct
    {
        const char* request;
        bool holds;
    } kCases[] = {
        {"{\"op\":\"click\",\"path\":\"#first\"}", true},
        {"{\"op\":\"click\",\"path\":\"#nowhere\"}", true},
        {"{\"op\":\"type\",\"text\":\"abc\"}", true},
        {"{\"op\":\"key\",\"key\":\"Enter\"}", true},
        {"{\"op\":\"close\",\"path\":\"#nowhere\"}", true},
        {"{\"op\":\"find\",\"path\":\"#first\"}", false},
        {"{\"op\":\"dump\"}", false},
        {"{\"op\":\"windows\"}", false},
        {"{\"op\":\"shot\",\"name\":\"x\"}", false},
        {"{\"op\":\"unknown\"}", false},
        {"not json", false},
    };
    const std::string ping = "{\"op\":\"ping\",\"seq\":2}\n";
    for (const auto& c : kCases) {
        UIAutomationChannel channel;
        const std::string both = std::string(c.request) + "\n" + ping;
        const std::string first = channel.receive(both.data(), both.size());
        EXPECT_EQ(first.find("\"seq\":2") == std::string::npos, c.holds) << c.request << " -> " << first;
        EXPECT_EQ(channel.isHoldingLines(), c.holds) << c.request;
        const std::string next = channel.answerWaiting();
        EXPECT_EQ(next, c.holds ? "{\"ok\":true,\"seq\":2}\n" : "") << c.request;
        EXPECT_FALSE(channel.isHoldingLines()) << c.request;
    }

    // Bytes that come while lines are held join them; each turn goes as far
    // as the next input.
    UIAutomationChannel channel;
    const std::string start = "{\"op\":\"key\",\"key\":\"a\",\"seq\":1}\n{\"op\":\"ping\",\"seq\":2}\n";
    EXPECT_EQ(parsed(channel.receive(start.data(), start.size()))["seq"].toInt(), 1);
    const std::string more =
        "{\"op\":\"key\",\"key\":\"b\",\"seq\":3}\n{\"op\":\"ping\",\"seq\":4}\n{\"op\":";
    EXPECT_EQ(channel.receive(more.data(), more.size()), "");
    const std::string second = channel.answerWaiting();
    EXPECT_NE(second.find("\"seq\":2"), std::string::npos) << second;
    EXPECT_NE(second.find("\"seq\":3"), std::string::npos) << second;
    EXPECT_EQ(second.find("\"seq\":4"), std::string::npos) << second;
    EXPECT_EQ(channel.answerWaiting(), "{\"ok\":true,\"seq\":4}\n") << "the split request still waits";
    const std::string end = "\"ping\",\"seq\":5}\n";
    EXPECT_EQ(channel.receive(end.data(), end.size()), "{\"ok\":true,\"seq\":5}\n");
}

TEST(UIAutomationChannel, PortsAreDecimalsFromOneTo65535)
{
    struct Case
    {
        const char* text;
        int port;
    } cases[] = {{"1", 1},  {"65535", 65535}, {"8080", 8080}, {"0", 0},   {"65536", 0}, {"", 0},
                 {"-1", 0}, {"80a", 0},       {" 80", 0},     {"+80", 0}, {"999999", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(UIAutomationChannel::parsePort(c.text), c.port) << c.text;
    // Unset, nothing is made.
    unsetenv("REELSTACK_AUTOMATION");
    EXPECT_FALSE(UIAutomationChannel::startFromEnvironment());
    EXPECT_EQ(UIAutomationChannel::instance(), nullptr);
    EXPECT_FALSE(ShellCallRecorder::isInstalled());
}

TEST(UIAutomationKeys, NamesAndModifiers)
{
    struct Case
    {
        const char* name;
        int key;
    } cases[] = {{"Enter", 0x0D}, {"Escape", 0x1B}, {"a", 'A'}, {"Z", 'Z'},     {"7", '7'},
                 {"F1", 0x70},    {"F12", 0x7B},    {"F13", 0}, {"F0", 0},      {"F01", 0},
                 {"enter", 0},    {"", 0},          {"!", 0},   {"Down", 0x28}, {"PageUp", 0x21}};
    for (const auto& c : cases)
        EXPECT_EQ(UIAutomationKeys::virtualKey(c.name), c.key) << c.name;
    EXPECT_EQ(UIAutomationKeys::modifier("ctrl"), UIAutomationKeys::kControl);
    EXPECT_EQ(UIAutomationKeys::modifier("shift"), UIAutomationKeys::kShift);
    EXPECT_EQ(UIAutomationKeys::modifier("alt"), UIAutomationKeys::kAlt);
    EXPECT_EQ(UIAutomationKeys::modifier("Ctrl"), 0u);
}

} // namespace
