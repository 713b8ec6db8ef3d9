#pragma once

// For the Windows build only.
#include "foundation/text/String.h"

#include <mshtml.h>
#include <ole2.h>

// Our text to and from the system's COM strings, and the whole text written
// into an HTML document in one call.
class ComText
{
public:
    // Null only when memory ran out; the caller frees it.
    static BSTR toBstr(const String& text);
    // Takes the string over and frees it.
    static String take(BSTR text);
    // One write of the whole text, as a one-element array of variants.
    static bool writeDocument(IHTMLDocument2* document, const String& text);
};
