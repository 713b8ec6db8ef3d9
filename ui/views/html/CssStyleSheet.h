#pragma once

#include "foundation/text/String.h"

#include <vector>

class HtmlNode;

struct CssDeclaration
{
    // Lower case.
    String property;
    // Trimmed, and in lower case for keywords, numbers and colours.
    String value;
    String lowerValue;
    bool important = false;
};

// One compound selector: a type, an id and classes, all optional. linkOnly
// stands for ":link", which only anchors with a target match.
struct CssCompound
{
    // Upper case; empty for any element.
    String tag;
    String id;
    std::vector<String> classes;
    bool linkOnly = false;
    // Joined to the compound before it by ">" rather than by a space.
    bool child = false;
};

struct CssRule
{
    std::vector<CssCompound> selector;
    // Ids count 10000, classes 100, types 1.
    int specificity = 0;
    int order = 0;
    std::vector<CssDeclaration> declarations;
};

// The rules of style blocks: type, class, id, descendant and child
// selectors. A selector with anything else in it (attributes, siblings,
// pseudo-classes of state) matches nothing, and an at-rule is skipped whole,
// so an unsupported construct costs only itself.
class CssStyleSheet
{
public:
    static constexpr int kMaxRules = 8192;
    static constexpr int kMaxCompounds = 32;
    static constexpr int kMaxDeclarations = 256;

    // Adds the rules of the text after those already held.
    void parse(const String& text);
    const std::vector<CssRule>& rules() const { return m_rules; }

    // The declarations of a block's body or of a style attribute.
    static std::vector<CssDeclaration> parseDeclarations(const String& text);
    static bool matches(const CssRule& rule, const HtmlNode* element);

private:
    void addRules(const String& prelude, const String& body);

    std::vector<CssRule> m_rules;
};
