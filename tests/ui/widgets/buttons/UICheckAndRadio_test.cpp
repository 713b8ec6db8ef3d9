#include "graphics/paint/FontMetrics.h"
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/widgets/buttons/UICheck.h"
#include "ui/widgets/buttons/UIRadio.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// The names of the watched signals, in the order they are emitted.
struct Relay : SignalReceiver
{
    void fire() { log->push_back(name); }
    std::vector<std::string>* log;
    std::string name;
};

struct SignalLog
{
    void watch(Signal& signal, const std::string& name)
    {
        Relay* relay = relays.emplace_back(std::make_unique<Relay>()).get();
        relay->log = &log;
        relay->name = name;
        signal.connect(relay, &Relay::fire);
    }
    std::vector<std::string> log;
    std::vector<std::unique_ptr<Relay>> relays;
};

using Log = std::vector<std::string>;

} // namespace

using CheckTest = WidgetTest;

TEST_F(CheckTest, SizeHintsReserveTextRoomOnlyWhereTheyShould)
{
    const FontMetrics metrics(FontDesc(), nullptr);
    const int tw = metrics.textWidth(u"ab", 2, false);
    const int line = metrics.height();
    UICheck check(top);
    UIRadio radio(top);
    for (UIAbstractButton* button :
         {static_cast<UIAbstractButton*>(&check), static_cast<UIAbstractButton*>(&radio)}) {
        button->setStyleProperty(String(u"indicatorSize"), String(u"16,40"));
        button->setStyleProperty(String(u"indicatorSpacing"), String(u"6"));
    }
    struct Case
    {
        const char* name;
        UIAbstractButton* button;
        const char* text;
        Size expected;
    };
    const Case cases[] = {
        {"check box without text: the indicator", &check, "", Size(16, std::max(40, line))},
        {"check box with text", &check, "ab", Size(16 + 6 + tw + 2, std::max(40, line))},
        {"radio without text keeps the spacing", &radio, "", Size(16 + 6 + 2, std::max(40, line))},
        {"radio with text", &radio, "ab", Size(16 + 6 + tw + 2, std::max(40, line))},
    };
    for (const Case& c : cases) {
        c.button->setText(testsupport::text(c.text));
        EXPECT_EQ(c.expected, c.button->sizeHint()) << c.name;
    }
}

TEST_F(CheckTest, StateChangesAndUserTogglesEmitInOrder)
{
    struct Case
    {
        const char* name;
        int from;
        std::function<void(UICheck*)> act;
        int state;
        Log expected;
    };
    const Log userToggle = {"toggled", "toggled", "clicked"};
    const Case cases[] = {
        {"partial on a checked box",
         UICheck::kChecked,
         [](UICheck* c) { c->setCheckState(1); },
         1,
         {"toggled"}},
        {"check a partial box", UICheck::kPartial, [](UICheck* c) { c->check(); }, 2, {"toggled"}},
        {"uncheck a partial box", UICheck::kPartial, [](UICheck* c) { c->uncheck(); }, 0, {"toggled"}},
        {"same state again", UICheck::kChecked, [](UICheck* c) { c->setCheckState(2); }, 2, {}},
        {"left click", UICheck::kUnchecked, [](UICheck* c) { mouse(c, kClickEvent, 1, 1); }, 2, userToggle},
        {"Space", UICheck::kUnchecked,
         [](UICheck* c) { send(c, UIKeyEvent(kKeyPressEvent, 32, 0, String())); }, 2, userToggle},
        {"right click",
         UICheck::kUnchecked,
         [](UICheck* c) { send(c, UIMouseEvent(kClickEvent, 2, 2, Point(1, 1), 0)); },
         0,
         {"clicked"}},
    };
    for (const Case& c : cases) {
        UICheck check(top);
        check.setCheckState(c.from);
        SignalLog log;
        log.watch(check.toggled, "toggled");
        log.watch(check.clicked, "clicked");
        c.act(&check);
        EXPECT_EQ(c.state, check.checkState()) << c.name;
        EXPECT_EQ(c.expected, log.log) << c.name;
    }
}

TEST_F(CheckTest, RadiosExcludeByGroupNumberOrBySiblingsOfOneStyleName)
{
    UIWidget* otherWindow = new UIWidget(nullptr);
    otherWindow->setStyleName(String(u"UIWindow"));
    UIRadio a(top), b(top), c(top), grouped(top), stranger(top);
    UIRadio& far = *new UIRadio(otherWindow);
    grouped.setGroup(5);
    far.setGroup(5);
    stranger.setStyleName(String(u"UIRadioOther"));
    SignalLog log;
    const std::pair<UIRadio*, const char*> named[] = {{&a, "a"},       {&b, "b"},   {&c, "c"},
                                                      {&grouped, "g"}, {&far, "f"}, {&stranger, "s"}};
    for (const auto& [radio, name] : named) {
        log.watch(radio->toggled, std::string(name) + ":toggled");
        log.watch(radio->groupChanged, std::string(name) + ":group");
    }
    struct Step
    {
        const char* name;
        std::function<void()> act;
        Log expected;
        std::string checked;
    };
    const Step steps[] = {
        {"check a", [&] { a.check(); }, {"a:toggled", "a:group"}, "a"},
        {"stranger is not a sibling of a", [&] { stranger.check(); }, {"s:toggled", "s:group"}, "as"},
        {"b takes over from a", [&] { b.check(); }, {"a:toggled", "b:toggled", "b:group", "a:group"}, "bs"},
        {"group 5 leaves the siblings alone", [&] { grouped.check(); }, {"g:toggled", "g:group"}, "bgs"},
        {"group 5 across windows",
         [&] { far.check(); },
         {"g:toggled", "f:toggled", "f:group", "g:group"},
         "bfs"},
        {"clicking the checked radio keeps it", [&] { mouse(&b, kClickEvent, 1, 1); }, {}, "bfs"},
        {"unchecking leaves none checked", [&] { b.uncheck(); }, {"b:toggled"}, "fs"},
        {"a click checks", [&] { mouse(&c, kClickEvent, 1, 1); }, {"c:toggled", "c:group"}, "cfs"},
    };
    for (const Step& step : steps) {
        log.log.clear();
        step.act();
        EXPECT_EQ(step.expected, log.log) << step.name;
        std::string checked;
        for (const auto& [radio, name] : named)
            checked += radio->isChecked() ? name : "";
        EXPECT_EQ(step.checked, checked) << step.name;
    }
    delete otherWindow;
}
