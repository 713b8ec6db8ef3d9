#pragma once

#include "foundation/data/JsonValue.h"

#include <functional>
#include <string>

// What layers above the toolkit add to a dump under a name of their own: the
// card's text and elements, the program's timings, images it missed. A
// section is asked for its value at each dump.
class UIAutomationSections
{
public:
    using Source = std::function<JsonValue()>;

    // Replaces a section of the same name.
    static void add(const std::string& name, Source source);
    static void remove(const std::string& name);
    // An object with one member per section.
    static JsonValue dump();
};
