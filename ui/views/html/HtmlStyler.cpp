#include "ui/views/html/HtmlStyler.h"
#include "ui/views/html/HtmlSpace.h"

#include "foundation/text/CharClass.h"
#include "ui/views/html/HtmlFontCache.h"
#include "ui/views/html/HtmlNode.h"

#include <algorithm>

namespace {

// What a browser does to a page before the page's own style.
const char16_t kDefaultStyle[] =
    u"html, body, div, p, h1, h2, h3, h4, h5, h6, ul, ol, dl, dt, dd, blockquote, pre, center, form, hr,"
    u" address, header, footer, section, article, nav, aside, main, fieldset, caption, figure { display: "
    u"block }"
    u" head, script, style, title, meta, link, base, noscript, template, area, map, param { display: none }"
    u" li { display: list-item }"
    u" table { display: table }"
    u" thead, tbody, tfoot { display: table-row-group }"
    u" tr { display: table-row }"
    u" td, th { display: table-cell; padding: 1px }"
    u" th { font-weight: bold; text-align: center }"
    u" body { margin: 8px }"
    u" p, dl, ul, ol { margin: 1em 0 }"
    u" blockquote { margin: 1em 40px }"
    u" ul, ol { padding-left: 40px }"
    u" ol { list-style-type: decimal }"
    u" ul ul, ol ul { list-style-type: circle; margin: 0 }"
    u" h1 { font-size: 2em; margin: .67em 0; font-weight: bold }"
    u" h2 { font-size: 1.5em; margin: .83em 0; font-weight: bold }"
    u" h3 { font-size: 1.17em; margin: 1em 0; font-weight: bold }"
    u" h4 { margin: 1.33em 0; font-weight: bold }"
    u" h5 { font-size: .83em; margin: 1.67em 0; font-weight: bold }"
    u" h6 { font-size: .67em; margin: 2.33em 0; font-weight: bold }"
    u" b, strong { font-weight: bold }"
    u" i, em, cite, var, dfn, address { font-style: italic }"
    u" u, ins { text-decoration: underline }"
    u" s, strike, del { text-decoration: line-through }"
    u" a:link { color: #0000EE; text-decoration: underline }"
    u" pre, tt, code, kbd, samp { font-family: monospace }"
    u" pre { white-space: pre; margin: 1em 0 }"
    u" center { text-align: center }"
    u" small { font-size: smaller }"
    u" big { font-size: larger }"
    u" hr { border: 1px solid gray; margin: .5em 0 }"
    u" dd { margin-left: 40px }"
    u" caption { text-align: center }";

const CssStyleSheet& defaultSheet()
{
    static const CssStyleSheet sheet = [] {
        CssStyleSheet built;
        built.parse(String(kDefaultStyle));
        return built;
    }();
    return sheet;
}

// Lengths are kept far inside int, so that every later sum stays exact.
constexpr float kMaxLength = 1e6f;

enum Level
{
    kDefault,
    kPresentation,
    kAuthor,
    kInline,
    kAuthorImportant,
    kInlineImportant
};

// The value cut at white space outside parentheses: "1px solid rgb(1, 2, 3)"
// gives three parts.
std::vector<String> splitValue(const String& value)
{
    std::vector<String> parts;
    String part;
    int depth = 0;
    for (int i = 0; i < value.length(); ++i) {
        const char16_t c = value.at(i);
        if (c == u'(')
            ++depth;
        else if (c == u')' && depth > 0)
            --depth;
        if (isHtmlSpace(c) && depth == 0) {
            if (!part.isEmpty())
                parts.push_back(part);
            part.clear();
            continue;
        }
        part.appendChar(c);
    }
    if (!part.isEmpty())
        parts.push_back(part);
    return parts;
}

// A leading decimal number; false when there is none. unit gets the rest.
bool parseNumber(const String& text, float& number, String& unit)
{
    int pos = 0;
    float sign = 1.0f;
    if (pos < text.length() && (text.at(pos) == u'-' || text.at(pos) == u'+'))
        sign = text.at(pos++) == u'-' ? -1.0f : 1.0f;
    double value = 0.0;
    double scale = 0.0;
    int digits = 0;
    for (; pos < text.length(); ++pos) {
        const char16_t c = text.at(pos);
        if (c == u'.' && scale == 0.0) {
            scale = 1.0;
            continue;
        }
        if (c < u'0' || c > u'9')
            break;
        ++digits;
        if (value < 1e7) {
            value = value * 10.0 + (c - u'0');
            scale *= 10.0;
        }
    }
    if (digits == 0)
        return false;
    number = sign * static_cast<float>(scale > 0.0 ? value / scale : value);
    unit = text.midFrom(pos).trim().toLower();
    return true;
}

bool parseHexColor(const String& hex, Color& color)
{
    if (hex.length() != 3 && hex.length() != 6)
        return false;
    int channels[6];
    for (int i = 0; i < hex.length(); ++i) {
        channels[i] = hexDigitValue(hex.at(i));
        if (channels[i] < 0)
            return false;
    }
    if (hex.length() == 3) {
        color = Color(static_cast<uint8_t>(channels[0] * 17), static_cast<uint8_t>(channels[1] * 17),
                      static_cast<uint8_t>(channels[2] * 17));
    } else {
        color = Color(static_cast<uint8_t>(channels[0] * 16 + channels[1]),
                      static_cast<uint8_t>(channels[2] * 16 + channels[3]),
                      static_cast<uint8_t>(channels[4] * 16 + channels[5]));
    }
    return true;
}

uint8_t channel(const String& text)
{
    float number = 0.0f;
    String unit;
    if (!parseNumber(text.trim(), number, unit))
        return 0;
    if (String::equalsCString(unit, u"%"))
        number = number * 255.0f / 100.0f;
    return static_cast<uint8_t>(std::min(255.0f, std::max(0.0f, number)));
}

bool parseFunctionColor(const String& text, Color& color)
{
    const int open = text.indexOfChar(u'(', 0, 1);
    const int close = text.lastIndexOfChar(u')', 1);
    if (open < 0 || close < open)
        return false;
    std::vector<String> parts;
    const String inside = text.mid(open + 1, close - open - 1);
    for (int start = 0; start <= inside.length() && parts.size() < 4;) {
        int comma = inside.indexOfChar(u',', start, 1);
        if (comma < 0)
            comma = inside.length();
        parts.push_back(inside.mid(start, comma - start));
        start = comma + 1;
    }
    if (parts.size() < 3)
        return false;
    color = Color(channel(parts[0]), channel(parts[1]), channel(parts[2]));
    if (parts.size() > 3) {
        float alpha = 1.0f;
        String unit;
        if (parseNumber(parts[3].trim(), alpha, unit))
            color.setAlpha(static_cast<uint8_t>(std::min(1.0f, std::max(0.0f, alpha)) * 255.0f));
    }
    return true;
}

String urlOf(const String& value)
{
    const String lower = value.toLower();
    if (!lower.startsWith(String(u"url("), 1))
        return String();
    const int close = value.lastIndexOfChar(u')', 1);
    if (close < 4)
        return String();
    return value.mid(4, close - 4).trimChars(String(u" \t\"'"));
}

bool isBorderStyle(const String& word)
{
    const char16_t* const styles[] = {u"none",   u"hidden", u"solid", u"dashed", u"dotted",
                                      u"double", u"groove", u"ridge", u"inset",  u"outset"};
    for (const char16_t* style : styles) {
        if (String::equalsCString(word, style))
            return true;
    }
    return false;
}

// "200" from an attribute means pixels.
String attributeLength(const String& value)
{
    const String trimmed = value.trim();
    if (trimmed.isEmpty())
        return trimmed;
    const char16_t last = trimmed.last();
    return (last >= u'0' && last <= u'9') ? trimmed + u"px" : trimmed;
}

void addHint(std::vector<CssDeclaration>& hints, const char16_t* property, const String& value)
{
    if (!value.trim().isEmpty())
        hints.push_back(CssDeclaration{String(property), value.trim(), value.trim().toLower(), false});
}

void presentationHints(const HtmlNode* element, std::vector<CssDeclaration>& hints)
{
    addHint(hints, u"background-color", element->attribute(u"bgcolor"));
    if (!element->hasTag(u"IMG") && !element->hasTag(u"TABLE") && !element->hasTag(u"TD") &&
        !element->hasTag(u"TH")) {
        if (element->hasTag(u"FONT")) {
            addHint(hints, u"color", element->attribute(u"color"));
            addHint(hints, u"font-family", element->attribute(u"face"));
        }
        if (element->hasTag(u"BODY"))
            addHint(hints, u"color", element->attribute(u"text"));
        addHint(hints, u"text-align", element->attribute(u"align"));
        return;
    }
    addHint(hints, u"width", attributeLength(element->attribute(u"width")));
    addHint(hints, u"height", attributeLength(element->attribute(u"height")));
    const String align = element->attribute(u"align").trim().toLower();
    if (element->hasTag(u"IMG")) {
        if (String::equalsCString(align, u"left") || String::equalsCString(align, u"right"))
            addHint(hints, u"float", align);
        return;
    }
    if (element->hasTag(u"TABLE")) {
        if (String::equalsCString(align, u"center"))
            addHint(hints, u"margin", String(u"0 auto"));
        addHint(hints, u"border-spacing", attributeLength(element->attribute(u"cellspacing")));
        const String border = element->attribute(u"border");
        if (!border.isEmpty())
            addHint(hints, u"border", attributeLength(border) + u" outset gray");
        return;
    }
    addHint(hints, u"text-align", align);
    addHint(hints, u"vertical-align", element->attribute(u"valign"));
    if (element->hasAttribute(u"nowrap"))
        addHint(hints, u"white-space", String(u"nowrap"));
    const HtmlNode* table = element->closest(u"TABLE");
    if (!table)
        return;
    addHint(hints, u"padding", attributeLength(table->attribute(u"cellpadding")));
    if (table->attribute(u"border").toInt() > 0)
        addHint(hints, u"border", String(u"1px inset gray"));
}

} // namespace

struct HtmlStyler::Matched
{
    int level;
    int specificity;
    int order;
    const CssDeclaration* declaration;
    // Declarations of one rule keep their written order.
    int sequence;
};

// Border sides are settled after the cascade: a side shows only with a
// style, and takes 3 pixels and the text colour unless given others.
struct HtmlStyler::Borders
{
    bool styled[4] = {false, false, false, false};
    int width[4] = {-1, -1, -1, -1};
    bool colored[4] = {false, false, false, false};
};

HtmlStyler::HtmlStyler(HtmlFontCache& fonts, int zoomPercent)
    : m_fonts(fonts), m_zoom(static_cast<float>(zoomPercent) / 100.0f)
{
}

int HtmlStyler::pixels(float value) const
{
    const float scaled = value * m_zoom;
    return static_cast<int>(std::max(-1e6f, std::min(1e6f, scaled)) + (scaled >= 0 ? 0.5f : -0.5f));
}

bool HtmlStyler::parseColor(const String& text, Color& color)
{
    return parseLowerColor(text.trim().toLower(), color);
}

bool HtmlStyler::parseLowerColor(const String& value, Color& color)
{
    if (value.isEmpty())
        return false;
    if (value.at(0) == u'#')
        return parseHexColor(value.midFrom(1), color);
    if (value.startsWith(String(u"rgb"), 1))
        return parseFunctionColor(value, color);
    if (String::equalsCString(value, u"transparent")) {
        color = Color();
        return true;
    }
    const Color named = Color::fromCssName(value);
    const Color unknown = Color::fromCssName(String());
    if (named == unknown && !String::equalsCString(value, u"magenta") &&
        !String::equalsCString(value, u"fuchsia"))
        return false;
    color = named;
    return true;
}

bool HtmlStyler::parseLength(const String& value, int fontSize, HtmlLength& length) const
{
    if (String::equalsCString(value, u"auto")) {
        length = HtmlLength();
        return true;
    }
    float number = 0.0f;
    String unit;
    if (!parseNumber(value, number, unit))
        return false;
    if (String::equalsCString(unit, u"%")) {
        length = HtmlLength{HtmlLength::kPercent, number};
        return true;
    }
    float px;
    if (String::equalsCString(unit, u"px") || (unit.isEmpty() && number == 0.0f) || unit.isEmpty())
        px = static_cast<float>(pixels(number));
    else if (String::equalsCString(unit, u"pt"))
        px = static_cast<float>(pixels(number * 96.0f / 72.0f));
    else if (String::equalsCString(unit, u"em"))
        px = number * static_cast<float>(fontSize);
    else if (String::equalsCString(unit, u"ex"))
        px = number * static_cast<float>(fontSize) / 2.0f;
    else
        return false;
    length = HtmlLength::px(std::max(-kMaxLength, std::min(px, kMaxLength)));
    return true;
}

void HtmlStyler::styleTree(HtmlNode* root)
{
    // Style blocks anywhere in the page apply to all of it, in page order.
    std::vector<const HtmlNode*> pending = {root};
    while (!pending.empty()) {
        const HtmlNode* node = pending.back();
        pending.pop_back();
        if (node->hasTag(u"STYLE")) {
            for (const auto& child : node->children()) {
                if (child->isText())
                    m_author.parse(child->text());
            }
            continue;
        }
        for (auto it = node->children().rbegin(); it != node->children().rend(); ++it)
            pending.push_back(it->get());
    }
    HtmlStyle initial;
    initial.fontFamily = String(u"Times New Roman");
    initial.fontSize = pixels(16.0f);
    initial.metrics = m_fonts.metrics(initial);
    styleElement(root, initial);
}

void HtmlStyler::collect(const HtmlNode* element, std::vector<Matched>& matched,
                         std::vector<CssDeclaration>& own) const
{
    presentationHints(element, own);
    const size_t hintCount = own.size();
    const std::vector<CssDeclaration> inlineStyle =
        CssStyleSheet::parseDeclarations(element->attribute(u"style"));
    own.insert(own.end(), inlineStyle.begin(), inlineStyle.end());
    for (size_t i = 0; i < own.size(); ++i) {
        const bool hint = i < hintCount;
        const int level = hint ? kPresentation : (own[i].important ? kInlineImportant : kInline);
        matched.push_back(Matched{level, 0, static_cast<int>(i), &own[i], 0});
    }
    for (const CssRule& rule : defaultSheet().rules()) {
        if (!CssStyleSheet::matches(rule, element))
            continue;
        for (const CssDeclaration& declaration : rule.declarations)
            matched.push_back(Matched{kDefault, rule.specificity, rule.order, &declaration, 0});
    }
    for (const CssRule& rule : m_author.rules()) {
        if (!CssStyleSheet::matches(rule, element))
            continue;
        for (const CssDeclaration& declaration : rule.declarations) {
            const int level = declaration.important ? kAuthorImportant : kAuthor;
            matched.push_back(Matched{level, rule.specificity, rule.order, &declaration, 0});
        }
    }
    for (size_t i = 0; i < matched.size(); ++i)
        matched[i].sequence = static_cast<int>(i);
    std::sort(matched.begin(), matched.end(), [](const Matched& a, const Matched& b) {
        if (a.level != b.level)
            return a.level < b.level;
        if (a.specificity != b.specificity)
            return a.specificity < b.specificity;
        if (a.order != b.order)
            return a.order < b.order;
        return a.sequence < b.sequence;
    });
}

void HtmlStyler::styleElement(HtmlNode* element, const HtmlStyle& parent)
{
    HtmlStyle style = parent.inherited();
    std::vector<Matched> matched;
    std::vector<CssDeclaration> own;
    own.reserve(16);
    collect(element, matched, own);
    Borders borders;
    // The font size first: every "em" of the element depends on it.
    for (const Matched& entry : matched) {
        const String& property = entry.declaration->property;
        if (String::equalsCString(property, u"font-size"))
            applyFontSize(style, parent, entry.declaration->lowerValue);
        else if (String::equalsCString(property, u"font"))
            applyFontShorthand(style, parent, entry.declaration->value);
    }
    for (const Matched& entry : matched)
        apply(style, borders, *entry.declaration);
    for (int side = 0; side < 4; ++side) {
        const int width = borders.width[side] < 0 ? pixels(3.0f) : borders.width[side];
        style.borderWidth[side] = borders.styled[side] ? width : 0;
        if (!borders.colored[side])
            style.borderColor[side] = style.color;
    }
    if (style.floating != HtmlStyle::kFloatNone &&
        (style.display == HtmlStyle::kInline || style.display == HtmlStyle::kInlineBlock))
        style.display = HtmlStyle::kBlock;
    if (element->hasTag(u"IMG") && style.display != HtmlStyle::kNone)
        style.display = style.floating != HtmlStyle::kFloatNone ? HtmlStyle::kBlock : HtmlStyle::kInline;
    style.metrics = m_fonts.metrics(style);
    element->style() = style;
    for (const auto& child : element->children()) {
        if (child->isElement())
            styleElement(child.get(), element->style());
    }
}

void HtmlStyler::applyFontSize(HtmlStyle& style, const HtmlStyle& parent, const String& text) const
{
    struct Keyword
    {
        const char16_t* name;
        float px;
    };
    const Keyword keywords[] = {{u"xx-small", 9}, {u"x-small", 10}, {u"small", 13},   {u"medium", 16},
                                {u"large", 18},   {u"x-large", 24}, {u"xx-large", 32}};
    const String value = text.trim().toLower();
    for (const Keyword& keyword : keywords) {
        if (String::equalsCString(value, keyword.name)) {
            style.fontSize = pixels(keyword.px);
            return;
        }
    }
    if (String::equalsCString(value, u"smaller") || String::equalsCString(value, u"larger")) {
        const float factor = String::equalsCString(value, u"smaller") ? 0.83f : 1.2f;
        style.fontSize = std::max(1, static_cast<int>(static_cast<float>(parent.fontSize) * factor));
        return;
    }
    HtmlLength length;
    if (!parseLength(value, parent.fontSize, length) || length.isAuto())
        return;
    const int size =
        length.resolve(parent.fontSize * 100, 0) / (length.unit == HtmlLength::kPercent ? 100 : 1);
    if (size > 0)
        style.fontSize = std::min(size, 2048);
}

void HtmlStyler::applyFontShorthand(HtmlStyle& style, const HtmlStyle& parent, const String& value) const
{
    const std::vector<String> parts = splitValue(value);
    for (size_t i = 0; i < parts.size(); ++i) {
        const String word = parts[i].toLower();
        if (String::equalsCString(word, u"bold") || String::equalsCString(word, u"bolder"))
            style.bold = true;
        else if (String::equalsCString(word, u"italic") || String::equalsCString(word, u"oblique"))
            style.italic = true;
        else if (String::equalsCString(word, u"normal"))
            continue;
        else if (!word.isEmpty() && ((word.at(0) >= u'0' && word.at(0) <= u'9') || word.at(0) == u'.')) {
            const int slash = word.indexOfChar(u'/', 0, 1);
            applyFontSize(style, parent, slash < 0 ? word : word.mid(0, slash));
            String family;
            for (size_t rest = i + 1; rest < parts.size(); ++rest)
                family += (family.isEmpty() ? String() : String(u" ")) + parts[rest];
            if (!family.isEmpty())
                style.fontFamily = family;
            return;
        }
    }
}

void HtmlStyler::apply(HtmlStyle& style, Borders& borders, const CssDeclaration& declaration) const
{
    const String& property = declaration.property;
    const String& value = declaration.value;
    const String& lower = declaration.lowerValue;
    Color color;
    if (String::equalsCString(property, u"color")) {
        if (parseLowerColor(lower, color))
            style.color = color;
    } else if (String::equalsCString(property, u"background-color")) {
        if (parseLowerColor(lower, color))
            style.backgroundColor = color;
    } else if (String::equalsCString(property, u"background")) {
        for (const String& part : splitValue(value)) {
            if (parseLowerColor(part.toLower(), color))
                style.backgroundColor = color;
            else if (!urlOf(part).isEmpty())
                style.backgroundImage = urlOf(part);
        }
    } else if (String::equalsCString(property, u"background-image")) {
        style.backgroundImage = urlOf(value);
    } else if (String::equalsCString(property, u"font-family")) {
        style.fontFamily = value;
    } else if (String::equalsCString(property, u"font-weight")) {
        float weight = 0.0f;
        String unit;
        style.bold = String::equalsCString(lower, u"bold") || String::equalsCString(lower, u"bolder") ||
                     (parseNumber(lower, weight, unit) && weight >= 600);
    } else if (String::equalsCString(property, u"font-style")) {
        style.italic = String::equalsCString(lower, u"italic") || String::equalsCString(lower, u"oblique");
    } else if (String::equalsCString(property, u"text-decoration") ||
               String::equalsCString(property, u"text-decoration-line")) {
        style.underline = lower.contains(String(u"underline"), 1);
        style.lineThrough = lower.contains(String(u"line-through"), 1);
    } else if (String::equalsCString(property, u"text-align")) {
        if (String::equalsCString(lower, u"center") || String::equalsCString(lower, u"middle"))
            style.textAlign = HtmlStyle::kAlignCenter;
        else if (String::equalsCString(lower, u"right"))
            style.textAlign = HtmlStyle::kAlignRight;
        else if (String::equalsCString(lower, u"left") || String::equalsCString(lower, u"justify"))
            style.textAlign = HtmlStyle::kAlignLeft;
    } else if (String::equalsCString(property, u"vertical-align")) {
        if (String::equalsCString(lower, u"top") || String::equalsCString(lower, u"baseline") ||
            String::equalsCString(lower, u"text-top"))
            style.verticalAlign = HtmlStyle::kAlignTop;
        else if (String::equalsCString(lower, u"middle"))
            style.verticalAlign = HtmlStyle::kAlignMiddle;
        else if (String::equalsCString(lower, u"bottom") || String::equalsCString(lower, u"text-bottom"))
            style.verticalAlign = HtmlStyle::kAlignBottom;
    } else if (String::equalsCString(property, u"line-height")) {
        float number = 0.0f;
        String unit;
        HtmlLength length;
        float height = -1.0f;
        if (parseNumber(lower, number, unit) && unit.isEmpty())
            height = number * static_cast<float>(style.fontSize);
        else if (parseLength(lower, style.fontSize, length) && !length.isAuto())
            height = length.unit == HtmlLength::kPercent
                         ? length.value * static_cast<float>(style.fontSize) / 100.0f
                         : length.value;
        // "normal", a negative height and nonsense all mean the font's own.
        style.lineHeight = height < 0.0f ? -1 : static_cast<int>(std::min(height, 4096.0f) + 0.5f);
    } else if (String::equalsCString(property, u"display")) {
        const struct
        {
            const char16_t* name;
            HtmlStyle::Display display;
        } displays[] = {{u"inline", HtmlStyle::kInline},
                        {u"inline-block", HtmlStyle::kInlineBlock},
                        {u"block", HtmlStyle::kBlock},
                        {u"none", HtmlStyle::kNone},
                        {u"list-item", HtmlStyle::kListItem},
                        {u"table", HtmlStyle::kTable},
                        {u"inline-table", HtmlStyle::kTable},
                        {u"table-row-group", HtmlStyle::kTableRowGroup},
                        {u"table-header-group", HtmlStyle::kTableRowGroup},
                        {u"table-footer-group", HtmlStyle::kTableRowGroup},
                        {u"table-row", HtmlStyle::kTableRow},
                        {u"table-cell", HtmlStyle::kTableCell}};
        for (const auto& entry : displays) {
            if (String::equalsCString(lower, entry.name))
                style.display = entry.display;
        }
    } else if (String::equalsCString(property, u"white-space")) {
        if (String::equalsCString(lower, u"normal"))
            style.whiteSpace = HtmlStyle::kNormal;
        else if (String::equalsCString(lower, u"pre"))
            style.whiteSpace = HtmlStyle::kPre;
        else if (String::equalsCString(lower, u"pre-wrap") || String::equalsCString(lower, u"pre-line"))
            style.whiteSpace = HtmlStyle::kPreWrap;
        else if (String::equalsCString(lower, u"nowrap"))
            style.whiteSpace = HtmlStyle::kNoWrap;
    } else if (String::equalsCString(property, u"cursor")) {
        style.pointerCursor = String::equalsCString(lower, u"pointer");
    } else if (String::equalsCString(property, u"float")) {
        style.floating = String::equalsCString(lower, u"left")    ? HtmlStyle::kFloatLeft
                         : String::equalsCString(lower, u"right") ? HtmlStyle::kFloatRight
                                                                  : HtmlStyle::kFloatNone;
    } else if (String::equalsCString(property, u"clear")) {
        style.clear = String::equalsCString(lower, u"left")    ? HtmlStyle::kClearLeft
                      : String::equalsCString(lower, u"right") ? HtmlStyle::kClearRight
                      : String::equalsCString(lower, u"both")  ? HtmlStyle::kClearBoth
                                                               : HtmlStyle::kClearNone;
    } else if (String::equalsCString(property, u"list-style-type") ||
               String::equalsCString(property, u"list-style")) {
        const struct
        {
            const char16_t* name;
            HtmlStyle::ListStyle list;
        } lists[] = {{u"disc", HtmlStyle::kListDisc},
                     {u"circle", HtmlStyle::kListCircle},
                     {u"square", HtmlStyle::kListSquare},
                     {u"decimal", HtmlStyle::kListDecimal},
                     {u"none", HtmlStyle::kListNone}};
        for (const String& part : splitValue(lower)) {
            for (const auto& entry : lists) {
                if (String::equalsCString(part, entry.name))
                    style.listStyle = entry.list;
            }
        }
    } else if (String::equalsCString(property, u"border-collapse")) {
        style.borderCollapse = String::equalsCString(lower, u"collapse");
    } else if (String::equalsCString(property, u"border-spacing")) {
        HtmlLength length;
        const std::vector<String> parts = splitValue(lower);
        if (!parts.empty() && parseLength(parts[0], style.fontSize, length) && length.unit == HtmlLength::kPx)
            style.borderSpacing = std::max(0, std::min(static_cast<int>(length.value), 1000));
    } else {
        applyBox(style, borders, property, lower);
    }
}

bool HtmlStyler::applyBox(HtmlStyle& style, Borders& borders, const String& property,
                          const String& value) const
{
    HtmlLength length;
    if (String::equalsCString(property, u"width") || String::equalsCString(property, u"height")) {
        if (!parseLength(value, style.fontSize, length))
            return false;
        if (length.value < 0)
            return false;
        (String::equalsCString(property, u"width") ? style.width : style.height) = length;
        return true;
    }
    if (String::equalsCString(property, u"margin") || String::equalsCString(property, u"padding")) {
        const std::vector<String> parts = splitValue(value);
        if (parts.empty() || parts.size() > 4)
            return false;
        HtmlLength values[4];
        for (size_t i = 0; i < parts.size(); ++i) {
            if (!parseLength(parts[i], style.fontSize, values[i]))
                return false;
        }
        const int count = static_cast<int>(parts.size());
        const int pick[4][4] = {{0, 0, 0, 0}, {0, 1, 0, 1}, {0, 1, 2, 1}, {0, 1, 2, 3}};
        for (int side = 0; side < 4; ++side) {
            const HtmlLength& chosen = values[pick[count - 1][side]];
            if (String::equalsCString(property, u"margin"))
                style.margin[side] = chosen;
            else if (chosen.unit == HtmlLength::kPx)
                style.padding[side] = std::max(0, std::min(static_cast<int>(chosen.value), 10000));
        }
        return true;
    }
    const char16_t* const marginNames[] = {u"margin-top", u"margin-right", u"margin-bottom", u"margin-left"};
    const char16_t* const paddingNames[] = {u"padding-top", u"padding-right", u"padding-bottom",
                                            u"padding-left"};
    for (int side = 0; side < 4; ++side) {
        if (String::equalsCString(property, marginNames[side])) {
            if (parseLength(value, style.fontSize, length))
                style.margin[side] = length;
            return true;
        }
        if (String::equalsCString(property, paddingNames[side])) {
            if (parseLength(value, style.fontSize, length) && length.unit == HtmlLength::kPx)
                style.padding[side] = std::max(0, std::min(static_cast<int>(length.value), 10000));
            return true;
        }
    }
    return applyBorder(style, borders, property, value);
}

bool HtmlStyler::applyBorder(HtmlStyle& style, Borders& borders, const String& property,
                             const String& value) const
{
    if (!property.startsWith(String(u"border"), 1))
        return false;
    const char16_t* const sideNames[] = {u"top", u"right", u"bottom", u"left"};
    bool sides[4] = {true, true, true, true};
    String part = property.midFrom(6);
    for (int side = 0; side < 4; ++side) {
        if (part.startsWith(String(u"-") + sideNames[side], 1)) {
            for (int other = 0; other < 4; ++other)
                sides[other] = other == side;
            part = part.midFrom(1 + String(sideNames[side]).length());
            break;
        }
    }
    const bool all = part.isEmpty();
    for (const String& word : splitValue(value)) {
        const String lower = word.toLower();
        Color color;
        HtmlLength length;
        int width = -1;
        if (String::equalsCString(lower, u"thin"))
            width = pixels(1.0f);
        else if (String::equalsCString(lower, u"medium"))
            width = pixels(3.0f);
        else if (String::equalsCString(lower, u"thick"))
            width = pixels(5.0f);
        else if (parseLength(lower, style.fontSize, length) && length.unit == HtmlLength::kPx)
            width = std::max(0, std::min(static_cast<int>(length.value), 1000));
        for (int side = 0; side < 4; ++side) {
            if (!sides[side])
                continue;
            if (width >= 0 && (all || String::equalsCString(part, u"-width"))) {
                borders.width[side] = width;
            } else if (isBorderStyle(lower) && (all || String::equalsCString(part, u"-style"))) {
                borders.styled[side] =
                    !String::equalsCString(lower, u"none") && !String::equalsCString(lower, u"hidden");
            } else if ((all || String::equalsCString(part, u"-color")) && width < 0 &&
                       parseLowerColor(lower, color)) {
                style.borderColor[side] = color;
                borders.colored[side] = true;
            }
        }
    }
    return true;
}
