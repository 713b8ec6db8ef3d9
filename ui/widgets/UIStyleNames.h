#pragma once

#include "foundation/text/String.h"

#include <vector>

// What a widget class reads from the theme: its style name, the properties of
// its style model and the skin images named after it. Each class builds this
// from the same tables its setStyleProperty and setSkinImage look names up
// in, so a skin can be checked against what the widgets really read.
struct UIStyleNames
{
    String style;
    std::vector<String> properties;
    std::vector<String> skinImages;
};

// One style property: its name and how its text value lands in a style block.
template <typename Style> struct UIStyleField
{
    const char16_t* name;
    void (*apply)(Style& style, const String& value);
};

// Applies the named property from the table; false for a name it lacks.
template <typename Style, size_t N>
bool applyStyleField(const UIStyleField<Style> (&table)[N], Style& style, const String& name,
                     const String& value)
{
    for (const UIStyleField<Style>& field : table) {
        if (name == String(field.name)) {
            field.apply(style, value);
            return true;
        }
    }
    return false;
}

template <typename Style, size_t N> std::vector<String> styleFieldNames(const UIStyleField<Style> (&table)[N])
{
    std::vector<String> names;
    for (const UIStyleField<Style>& field : table)
        names.emplace_back(field.name);
    return names;
}

// A class's skin images are named in one table of names; the class keeps the
// images in an array in the same order.
template <size_t N> int skinImageIndex(const char16_t* const (&table)[N], const String& name)
{
    for (size_t i = 0; i < N; ++i) {
        if (name == String(table[i]))
            return static_cast<int>(i);
    }
    return -1;
}

template <size_t N> std::vector<String> skinImageNames(const char16_t* const (&table)[N])
{
    return std::vector<String>(table, table + N);
}
