#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/String.h"

#include <string>
#include <vector>

class UIWidget;

// A widget, or one entry of it when item is 0 or more.
struct UIAutomationMatch
{
    UIWidget* widget = nullptr;
    int item = -1;
    bool found() const { return widget != nullptr; }
};

// Finds a widget or entry by a path of steps separated by white space, each
// searching the descendants (and their entries) of what the step before
// found, the first from the top-level windows:
//   #id         a widget whose object id is id
//   Class       a widget of that style name (UIButton, UIMenu ...)
//   "text"      a widget whose text, window title or tool tip is the text,
//               or an entry with that text ('&' marks ignored; a backslash
//               escapes the next character inside)
// Each may end in [n]: the n-th match (from 0) in tree order; else the first.
//   #main UIToolBar "Sort"     UIMenu "Exit"     UIList [0] "Night Harbour"
class UIAutomationPath
{
public:
    enum Kind
    {
        kId,
        kClass,
        kText
    };
    struct Step
    {
        Kind kind = kClass;
        String value;
        int index = 0;
        // Whether the step named its index: one that did not tries each of
        // its matches in turn until the rest of the path is found below one.
        bool indexed = false;
    };

    static constexpr int kMaxSteps = 32;
    static constexpr int kMaxIndex = 1000000;

    // False, with error() telling why, on a malformed or empty path.
    bool parse(const std::string& text);
    const std::string& error() const { return m_error; }
    const std::vector<Step>& steps() const { return m_steps; }

    // Searches from the given roots; hidden widgets are passed over unless
    // asked for. The first match of the whole path in tree order: a step is
    // looked for below every match of the one before, so "UIList \"Two\""
    // finds the entry in whichever list holds it.
    UIAutomationMatch find(const List<UIWidget*>& roots, bool includeHidden) const;

    // Equal, or equal once the mnemonic marks are taken out of the
    // candidate ("&Open" is "Open", "R&&D" is "R&D").
    static bool textMatches(const String& candidate, const String& wanted);
    // The roots a path starts from: every window without a parent.
    static List<UIWidget*> topLevelWindows();

private:
    bool fail(const char* what);
    bool parseStep(const std::string& text, size_t& pos);
    bool parseIndex(const std::string& text, size_t& pos, Step& step);
    static bool widgetMatches(const UIWidget* widget, const Step& step);
    static void collect(UIWidget* widget, const Step& step, bool includeHidden, bool includeSelf,
                        std::vector<UIAutomationMatch>& out);
    UIAutomationMatch findFrom(const std::vector<UIAutomationMatch>& starts, size_t stepIndex,
                               bool includeHidden) const;

    std::vector<Step> m_steps;
    std::string m_error;
};
