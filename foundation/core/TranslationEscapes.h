#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/text/String.h"

// The few escapes a translatable text may hold, resolved when the text is
// shown: "\r" and "\t" vanish, "\n" and "|" become line feeds and "%app"
// becomes the product name. They are replaced one after the other in this
// order.
class TranslationEscapes
{
public:
    static String apply(const String& text);

    // The two sides of the table, in the order they are applied. The product
    // name is the application core's at the time of the call, or empty
    // without one.
    static StringList escapes();
    static StringList replacements();
};
