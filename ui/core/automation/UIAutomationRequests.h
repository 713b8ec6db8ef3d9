#pragma once

#include "foundation/data/JsonValue.h"
#include "foundation/geometry/Point.h"
#include "foundation/signals/SignalReceiver.h"
#include "foundation/text/String.h"

#include <cstdint>
#include <string>

class UIWidget;
struct UIAutomationMatch;

// Answers the channel's requests, one JSON object a line, each with "op":
//   {"op":"ping"}
//   {"op":"windows"}                       every window: title, rect, modal
//   {"op":"dump","path":P,"rows":[0,3],"hidden":false}
//        trees of the windows (or of P), the registered sections, and the
//        sounds and shell calls since the last dump
//   {"op":"find","path":P}                 {"found":true,"widget":{...}}
//   {"op":"click","path":P,"button":"right","double":true,"column":0}
//        "column": at the centre of that column of P's entry (a row's cell)
//   {"op":"click","path":P,"item":n}      the n-th entry of P (from 0), for
//                                         entries that show no text
//   {"op":"type","text":"abc","path":P}    P (optional) is clicked first
//   {"op":"key","key":"Enter","mods":["ctrl"],"path":P}
//   {"op":"shot","name":"step-1"}          PNGs into REELSTACK_SHOTS
//   {"op":"close","path":P}                closes P's window
// A "seq" member comes back as it was. Replies carry "ok"; failures
// {"ok":false,"error":"..."}.
class UIAutomationRequests : public SignalReceiver
{
public:
    UIAutomationRequests();
    ~UIAutomationRequests() override;

    // One request line (without its line end) in, one reply line out.
    std::string answer(const std::string& line);
    JsonValue handle(const JsonValue& request);
    // Whether the request answered last was one that hands the loop input
    // (a click, typing, a key, a close), whatever its reply: what the input
    // does happens only once the loop has handled it.
    bool handedInput() const { return m_handedInput; }

    void recordShellCall(const String& call, const String& target);
    void onSound(intptr_t kind);

    static JsonValue error(const std::string& text);

private:
    JsonValue ping(const JsonValue& request);
    JsonValue windows(const JsonValue& request);
    JsonValue dump(const JsonValue& request);
    JsonValue find(const JsonValue& request);
    JsonValue click(const JsonValue& request);
    JsonValue type(const JsonValue& request);
    JsonValue key(const JsonValue& request);
    JsonValue shot(const JsonValue& request);
    JsonValue close(const JsonValue& request);
    // Finds the request's path; false with the reply set on failure.
    bool locate(const JsonValue& request, UIAutomationMatch& match, JsonValue& failure) const;
    // Makes the match the widget's entry at that position; false for no
    // such entry (or a match that is an entry already).
    static bool pickEntry(const JsonValue& position, UIAutomationMatch& match);
    // Where a click on the match lands, in the widget's coordinates.
    static Point centreOf(const UIAutomationMatch& match);
    // The centre of a column of the matched entry; false for a widget
    // matched whole or a column the entry does not show.
    static bool columnCentre(const UIAutomationMatch& match, int column, Point& at);
    // The window keys go to: the path's, else the running modal window, else
    // the main window.
    static UIWidget* keyWindow(const UIAutomationMatch& match);

    bool m_handedInput = false;
    JsonValue m_sounds = JsonValue::array();
    JsonValue m_shellCalls = JsonValue::array();
};
