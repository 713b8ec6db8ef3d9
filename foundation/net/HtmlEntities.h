#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/text/String.h"

// A copy of text in which the HTML 4 Latin-1 characters (U+00A0 to U+00FF)
// and the five markup characters, written as numeric ("&#233;") or named
// ("&eacute;") references, are replaced by the characters themselves. Each
// reference is replaced everywhere in a fixed order, "&amp;" last, so that an
// escaped reference such as "&amp;lt;" comes out as "&lt;", not as "<".
String decodeHtmlEntities(const String& text);

// The references decodeHtmlEntities replaces, each numeric and named form
// followed by its character, in the order it replaces them ("&amp;" last).
void htmlEntityPairs(StringList& references, StringList& characters);
