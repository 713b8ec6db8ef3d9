#pragma once

// Views of String and StringList that GoogleTest prints readably on failure.
#include <initializer_list>
#include <string>
#include <vector>

#include "foundation/containers/StringList.h"
#include "foundation/text/String.h"

inline std::u16string u16(const String& text)
{
    return text.isEmpty() ? std::u16string() : std::u16string(text.data(), text.length());
}

inline std::vector<std::u16string> items(const StringList& list)
{
    std::vector<std::u16string> result;
    for (const String& item : list)
        result.push_back(u16(item));
    return result;
}

inline StringList listOf(std::initializer_list<const char16_t*> texts)
{
    StringList list;
    for (const char16_t* text : texts)
        list.append(String(text));
    return list;
}

using Items = std::vector<std::u16string>;
