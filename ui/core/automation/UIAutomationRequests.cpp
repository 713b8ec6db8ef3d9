#include "ui/core/automation/UIAutomationRequests.h"

#include "foundation/data/JsonReader.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/automation/UIAutomationDescriber.h"
#include "ui/core/automation/UIAutomationInput.h"
#include "ui/core/automation/UIAutomationKeys.h"
#include "ui/core/automation/UIAutomationPath.h"
#include "ui/core/automation/UIAutomationSections.h"
#include "ui/core/automation/UIAutomationText.h"
#include "ui/core/automation/UIAutomationTree.h"
#include "ui/core/widget/UIWidget.h"

#include <vector>

namespace {

JsonValue ok()
{
    JsonValue reply = JsonValue::object();
    reply.set("ok", true);
    return reply;
}

std::vector<int> rowsOf(const JsonValue& request)
{
    std::vector<int> rows;
    const JsonValue& asked = request["rows"];
    // A dump is bounded: a request may not ask for every row of a huge view.
    for (int i = 0; i < asked.size() && i < 1000; ++i)
        rows.push_back(asked.at(i).toInt());
    return rows;
}

} // namespace

UIAutomationRequests::UIAutomationRequests()
{
    UIApplication::instance()->soundRequested.connectWithArg(this, &UIAutomationRequests::onSound);
}

UIAutomationRequests::~UIAutomationRequests() = default;

JsonValue UIAutomationRequests::error(const std::string& text)
{
    JsonValue reply = JsonValue::object();
    reply.set("ok", false);
    reply.set("error", text);
    return reply;
}

std::string UIAutomationRequests::answer(const std::string& line)
{
    m_handedInput = false;
    JsonReader reader;
    JsonValue request;
    if (!reader.read(line, request))
        return error("bad request: " + reader.error()).write();
    return handle(request).write();
}

JsonValue UIAutomationRequests::handle(const JsonValue& request)
{
    m_handedInput = false;
    if (!request.isObject())
        return error("a request is an object");
    using Handler = JsonValue (UIAutomationRequests::*)(const JsonValue&);
    static const struct
    {
        const char* op;
        Handler handler;
        bool input;
    } kOps[] = {
        {"ping", &UIAutomationRequests::ping, false},  {"windows", &UIAutomationRequests::windows, false},
        {"dump", &UIAutomationRequests::dump, false},  {"find", &UIAutomationRequests::find, false},
        {"click", &UIAutomationRequests::click, true}, {"type", &UIAutomationRequests::type, true},
        {"key", &UIAutomationRequests::key, true},     {"shot", &UIAutomationRequests::shot, false},
        {"close", &UIAutomationRequests::close, true},
    };
    const std::string& op = request["op"].toText();
    JsonValue reply = error("unknown op");
    for (const auto& known : kOps) {
        if (op == known.op) {
            m_handedInput = known.input;
            reply = (this->*known.handler)(request);
            break;
        }
    }
    if (request.contains("seq"))
        reply.set("seq", request["seq"]);
    return reply;
}

void UIAutomationRequests::recordShellCall(const String& call, const String& target)
{
    JsonValue entry = JsonValue::object();
    entry.set("call", utf8Of(call));
    entry.set("target", utf8Of(target));
    m_shellCalls.append(std::move(entry));
}

void UIAutomationRequests::onSound(intptr_t kind)
{
    m_sounds.append(static_cast<int>(kind));
}

bool UIAutomationRequests::locate(const JsonValue& request, UIAutomationMatch& match,
                                  JsonValue& failure) const
{
    UIAutomationPath path;
    if (!path.parse(request["path"].toText())) {
        failure = error("bad path: " + path.error());
        return false;
    }
    match = path.find(UIAutomationPath::topLevelWindows(), request["hidden"].toBool());
    if (!match.found()) {
        failure = error("not found: " + request["path"].toText());
        return false;
    }
    return true;
}

// An icon-only tab without a tool tip has no text a path could name: it is
// reached by its position among the widget's entries instead.
bool UIAutomationRequests::pickEntry(const JsonValue& position, UIAutomationMatch& match)
{
    const UIAutomationDescriber* describer = UIAutomationDescriber::forWidget(match.widget);
    if (match.item >= 0 || !describer || !position.isNumber())
        return false;
    const int index = position.toInt();
    if (index < 0 || index >= describer->itemCount(match.widget) || double(index) != position.toNumber() ||
        describer->item(match.widget, index).inert)
        return false;
    match.item = index;
    return true;
}

Point UIAutomationRequests::centreOf(const UIAutomationMatch& match)
{
    if (match.item < 0)
        return match.widget->rect().center();
    const UIAutomationDescriber* describer = UIAutomationDescriber::forWidget(match.widget);
    return describer->item(match.widget, match.item).rect.center();
}

bool UIAutomationRequests::columnCentre(const UIAutomationMatch& match, int column, Point& at)
{
    if (match.item < 0)
        return false;
    const Rect part =
        UIAutomationDescriber::forWidget(match.widget)->itemColumn(match.widget, match.item, column);
    if (part.isEmpty())
        return false;
    at = part.center();
    return true;
}

UIWidget* UIAutomationRequests::keyWindow(const UIAutomationMatch& match)
{
    if (match.found())
        return match.widget->window();
    UIWidget* fallback = UIApplication::instance()->mainWindow();
    for (UIWidget* window : UIApplication::instance()->windows()) {
        if (window->isModalRunning() && window->isVisible())
            fallback = window;
    }
    return fallback;
}

JsonValue UIAutomationRequests::ping(const JsonValue&)
{
    return ok();
}

JsonValue UIAutomationRequests::windows(const JsonValue&)
{
    JsonValue reply = ok();
    reply.set("windows", UIAutomationTree::windowList(UIApplication::instance()->windows()));
    return reply;
}

JsonValue UIAutomationRequests::dump(const JsonValue& request)
{
    UIAutomationTree tree(rowsOf(request), request["hidden"].toBool());
    JsonValue reply = ok();
    if (request.contains("path")) {
        UIAutomationMatch match;
        JsonValue failure;
        if (!locate(request, match, failure))
            return failure;
        reply.set("widget", tree.widget(match.widget));
    } else {
        reply.set("windows", tree.windows(UIAutomationPath::topLevelWindows()));
    }
    reply.set("sections", UIAutomationSections::dump());
    reply.set("sounds", std::move(m_sounds));
    reply.set("shell", std::move(m_shellCalls));
    m_sounds = JsonValue::array();
    m_shellCalls = JsonValue::array();
    return reply;
}

JsonValue UIAutomationRequests::find(const JsonValue& request)
{
    UIAutomationPath path;
    if (!path.parse(request["path"].toText()))
        return error("bad path: " + path.error());
    UIAutomationMatch match = path.find(UIAutomationPath::topLevelWindows(), request["hidden"].toBool());
    JsonValue reply = ok();
    reply.set("found", match.found());
    if (match.found()) {
        reply.set("widget", UIAutomationTree().widget(match.widget));
        if (match.item >= 0)
            reply.set("item", match.item);
    }
    return reply;
}

JsonValue UIAutomationRequests::click(const JsonValue& request)
{
    UIAutomationMatch match;
    JsonValue failure;
    if (!locate(request, match, failure))
        return failure;
    if (request.contains("item") && !pickEntry(request["item"], match))
        return error("no such entry");
    if (match.item >= 0)
        UIAutomationDescriber::forWidget(match.widget)->reveal(match.widget, match.item);
    int button = request["button"].toText() == "right" ? UIAutomationInput::kRightButton
                                                       : UIAutomationInput::kLeftButton;
    Point at = centreOf(match);
    if (request.contains("column") && !columnCentre(match, request["column"].toInt(), at))
        return error("no such column");
    if (!UIAutomationInput::click(match.widget, at, button, request["double"].toBool()))
        return error("no input here");
    JsonValue reply = ok();
    Point global = match.widget->mapToGlobal(at);
    reply.set("at", UIAutomationTree::rectOf(global.x, global.y, 1, 1));
    return reply;
}

JsonValue UIAutomationRequests::type(const JsonValue& request)
{
    UIAutomationMatch match;
    JsonValue failure;
    if (request.contains("path")) {
        if (!locate(request, match, failure))
            return failure;
        UIAutomationInput::bringToFront(match.widget->window());
        UIAutomationInput::click(match.widget, centreOf(match), UIAutomationInput::kLeftButton, false);
    } else {
        UIAutomationInput::bringToFront(keyWindow(match));
    }
    if (!UIAutomationInput::typeText(stringOf(request["text"].toText())))
        return error("no input here");
    return ok();
}

JsonValue UIAutomationRequests::key(const JsonValue& request)
{
    int virtualKey = UIAutomationKeys::virtualKey(request["key"].toText());
    if (virtualKey == 0)
        return error("unknown key");
    uint32_t modifiers = 0;
    const JsonValue& mods = request["mods"];
    for (int i = 0; i < mods.size(); ++i) {
        uint32_t bit = UIAutomationKeys::modifier(mods.at(i).toText());
        if (bit == 0)
            return error("unknown modifier");
        modifiers |= bit;
    }
    UIAutomationMatch match;
    JsonValue failure;
    if (request.contains("path") && !locate(request, match, failure))
        return failure;
    UIAutomationInput::bringToFront(keyWindow(match));
    if (!UIAutomationInput::pressKey(virtualKey, modifiers))
        return error("no input here");
    return ok();
}

JsonValue UIAutomationRequests::shot(const JsonValue& request)
{
    List<UIWidget*> visible;
    for (UIWidget* window : UIApplication::instance()->windows()) {
        if (window->isVisible())
            visible.append(window);
    }
    JsonValue files = JsonValue::array();
    for (const String& file : UIAutomationInput::shot(visible, request["name"].toText()))
        files.append(utf8Of(file));
    JsonValue reply = ok();
    reply.set("files", std::move(files));
    return reply;
}

JsonValue UIAutomationRequests::close(const JsonValue& request)
{
    UIAutomationMatch match;
    JsonValue failure;
    if (!locate(request, match, failure))
        return failure;
    match.widget->window()->close();
    return ok();
}
