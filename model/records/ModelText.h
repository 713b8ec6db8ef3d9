#pragma once

#include "foundation/text/String.h"

// Where the records' user-visible words are translated. The application
// installs the translation function of its core at start-up; until one is
// installed (and in tools) the English source texts are shown as they are.
class ModelText
{
public:
    using TranslateFunction = String (*)(const String& text, const String& context);

    // Null goes back to the source texts.
    static void setTranslateFunction(TranslateFunction function);
    static String translate(const char16_t* text, const char16_t* context);
};
