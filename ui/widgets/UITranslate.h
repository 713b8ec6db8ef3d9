#pragma once

#include "foundation/text/String.h"

// A widget's own text in the current language; the source text as it is
// while no application core runs (tools and native tests).
String uiTranslate(const char16_t* text, const char16_t* context);
