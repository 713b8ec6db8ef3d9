#include "ui/core/automation/UIAutomationPath.h"

#include "ui/core/application/UIApplication.h"
#include "ui/core/automation/UIAutomationDescriber.h"
#include "ui/core/automation/UIAutomationText.h"
#include "ui/core/widget/UIWidget.h"

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

String withoutMnemonics(const String& text)
{
    String plain;
    for (int i = 0; i < text.length(); ++i) {
        char16_t c = text.at(i);
        if (c == u'&') {
            if (i + 1 < text.length() && text.at(i + 1) == u'&')
                ++i;
            else
                continue;
        }
        plain.appendChar(c);
    }
    return plain;
}

} // namespace

bool UIAutomationPath::fail(const char* what)
{
    m_error = what;
    m_steps.clear();
    return false;
}

bool UIAutomationPath::parse(const std::string& text)
{
    m_steps.clear();
    m_error.clear();
    size_t pos = 0;
    for (;;) {
        while (pos < text.size() && isSpace(text[pos]))
            ++pos;
        if (pos >= text.size())
            break;
        if (static_cast<int>(m_steps.size()) >= kMaxSteps)
            return fail("too many steps");
        if (!parseStep(text, pos))
            return false;
    }
    if (m_steps.empty())
        return fail("empty path");
    return true;
}

bool UIAutomationPath::parseStep(const std::string& text, size_t& pos)
{
    Step step;
    std::string value;
    if (text[pos] == '"') {
        step.kind = kText;
        ++pos;
        bool closed = false;
        while (pos < text.size()) {
            char c = text[pos++];
            if (c == '"') {
                closed = true;
                break;
            }
            if (c == '\\') {
                if (pos >= text.size())
                    break;
                c = text[pos++];
            }
            value += c;
        }
        if (!closed)
            return fail("unterminated text step");
    } else {
        if (text[pos] == '#') {
            step.kind = kId;
            ++pos;
        }
        while (pos < text.size() && !isSpace(text[pos]) && text[pos] != '[' && text[pos] != '"')
            value += text[pos++];
        if (value.empty())
            return fail(step.kind == kId ? "empty id" : "step expected");
    }
    step.value = stringOf(value);
    if (pos < text.size() && text[pos] == '[' && !parseIndex(text, pos, step))
        return false;
    if (pos < text.size() && !isSpace(text[pos]))
        return fail("white space expected between steps");
    m_steps.push_back(step);
    return true;
}

bool UIAutomationPath::parseIndex(const std::string& text, size_t& pos, Step& step)
{
    ++pos;
    int index = 0;
    size_t digits = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        index = index * 10 + (text[pos++] - '0');
        if (index > kMaxIndex)
            return fail("index too large");
        ++digits;
    }
    if (digits == 0 || pos >= text.size() || text[pos] != ']')
        return fail("bad index");
    ++pos;
    step.index = index;
    step.indexed = true;
    return true;
}

bool UIAutomationPath::textMatches(const String& candidate, const String& wanted)
{
    if (candidate.isEmpty())
        return false;
    return candidate == wanted || withoutMnemonics(candidate) == wanted;
}

bool UIAutomationPath::widgetMatches(const UIWidget* widget, const Step& step)
{
    switch (step.kind) {
    case kId:
        return widget->objectId() == step.value;
    case kClass:
        return widget->styleName() == step.value;
    case kText: {
        const UIAutomationDescriber* describer = UIAutomationDescriber::forWidget(widget);
        if (describer && textMatches(describer->text(widget), step.value))
            return true;
        if (widget->isWindow() && textMatches(widget->windowTitle(), step.value))
            return true;
        return textMatches(widget->toolTipText(), step.value);
    }
    }
    return false;
}

void UIAutomationPath::collect(UIWidget* widget, const Step& step, bool includeHidden, bool includeSelf,
                               std::vector<UIAutomationMatch>& out)
{
    if (static_cast<int>(out.size()) > step.index)
        return;
    if (!includeHidden && !widget->isVisible()) {
        // A dialog a hidden window owns is on screen all the same (the
        // program's password prompt comes before its main window shows).
        for (UIWidget* child : widget->children()) {
            if (child->isWindow())
                collect(child, step, includeHidden, true, out);
        }
        return;
    }
    if (includeSelf && widgetMatches(widget, step))
        out.push_back({widget, -1});
    // Entries belong to their widget: a step after it searches them too.
    const UIAutomationDescriber* describer = UIAutomationDescriber::forWidget(widget);
    if (step.kind == kText && describer) {
        int count = describer->itemCount(widget);
        for (int i = 0; i < count && static_cast<int>(out.size()) <= step.index; ++i) {
            UIAutomationItem item = describer->item(widget, i);
            if (!item.inert && textMatches(item.text, step.value))
                out.push_back({widget, i});
        }
    }
    for (UIWidget* child : widget->children())
        collect(child, step, includeHidden, true, out);
}

UIAutomationMatch UIAutomationPath::find(const List<UIWidget*>& roots, bool includeHidden) const
{
    std::vector<UIAutomationMatch> starts;
    for (UIWidget* root : roots)
        starts.push_back({root, -1});
    return findFrom(starts, 0, includeHidden);
}

UIAutomationMatch UIAutomationPath::findFrom(const std::vector<UIAutomationMatch>& starts, size_t stepIndex,
                                             bool includeHidden) const
{
    if (stepIndex == m_steps.size())
        return starts.empty() ? UIAutomationMatch() : starts.front();
    Step step = m_steps[stepIndex];
    // Unindexed, every match is a candidate: collect stops past the index.
    if (!step.indexed)
        step.index = kMaxIndex;
    std::vector<UIAutomationMatch> found;
    for (const UIAutomationMatch& from : starts) {
        // An entry has nothing below it.
        if (from.item >= 0)
            continue;
        collect(from.widget, step, includeHidden, stepIndex == 0, found);
        if (step.indexed && static_cast<int>(found.size()) > step.index)
            break;
    }
    if (step.indexed) {
        if (static_cast<int>(found.size()) <= step.index)
            return UIAutomationMatch();
        return findFrom({found[static_cast<size_t>(step.index)]}, stepIndex + 1, includeHidden);
    }
    for (const UIAutomationMatch& candidate : found) {
        UIAutomationMatch match = findFrom({candidate}, stepIndex + 1, includeHidden);
        if (match.found())
            return match;
    }
    return UIAutomationMatch();
}

List<UIWidget*> UIAutomationPath::topLevelWindows()
{
    List<UIWidget*> roots;
    for (UIWidget* window : UIApplication::instance()->windows()) {
        if (!window->parentWidget())
            roots.append(window);
    }
    return roots;
}
