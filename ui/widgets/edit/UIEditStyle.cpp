#include "ui/widgets/edit/UIEditStyle.h"

#include "ui/core/theme/UIStyleValues.h"

namespace {

const UIStyleField<UIEditStyle> kFields[] = {
    {u"font", [](UIEditStyle& s, const String& v) { s.font = parseStyleFont(v); }},
    {u"foreground", [](UIEditStyle& s, const String& v) { s.colors.normal.pen = parseStylePen(v); }},
    {u"background", [](UIEditStyle& s, const String& v) { s.colors.normal.brush = parseStyleBrush(v); }},
    {u"selectedForeground",
     [](UIEditStyle& s, const String& v) { s.colors.selected.pen = parseStylePen(v); }},
    {u"selectedBackground",
     [](UIEditStyle& s, const String& v) { s.colors.selected.brush = parseStyleBrush(v); }},
    {u"unfocusedSelectedForeground",
     [](UIEditStyle& s, const String& v) { s.colors.unfocusedSelected.pen = parseStylePen(v); }},
    {u"unfocusedSelectedBackground",
     [](UIEditStyle& s, const String& v) { s.colors.unfocusedSelected.brush = parseStyleBrush(v); }},
    {u"disabledForeground",
     [](UIEditStyle& s, const String& v) { s.colors.disabled.pen = parseStylePen(v); }},
    {u"disabledBackground",
     [](UIEditStyle& s, const String& v) { s.colors.disabled.brush = parseStyleBrush(v); }},
    {u"readonlyForeground",
     [](UIEditStyle& s, const String& v) { s.colors.readOnly.pen = parseStylePen(v); }},
    {u"readonlyBackground",
     [](UIEditStyle& s, const String& v) { s.colors.readOnly.brush = parseStyleBrush(v); }},
    {u"blankFont", [](UIEditStyle& s, const String& v) { s.blankFont = parseStyleFont(v); }},
    {u"blankForeground", [](UIEditStyle& s, const String& v) { s.blankPen = parseStylePen(v); }},
};

} // namespace

UITextStyle UIEditStyle::blankColors()
{
    UITextStyle colors;
    for (UITextStyle::ColorSet* set :
         {&colors.normal, &colors.selected, &colors.unfocusedSelected, &colors.disabled, &colors.readOnly})
        *set = UITextStyle::ColorSet();
    return colors;
}

UITextStyle UIEditStyle::documentColors() const
{
    UITextStyle document = colors;
    document.normal.brush = Brush();
    return document;
}

bool applyEditStyleField(UIEditStyle& style, const String& name, const String& value)
{
    return applyStyleField(kFields, style, name, value);
}

std::vector<String> editStyleFieldNames()
{
    return styleFieldNames(kFields);
}
