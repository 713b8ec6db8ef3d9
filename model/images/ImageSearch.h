#pragma once

#include "foundation/text/String.h"

// The web image search that helps the user find a cover for a title.
class ImageSearch
{
public:
    // The search page's address for the title. Every run of white space
    // becomes one "+", and the characters that would change the query
    // ('%', '+', '#', ',', ':', '&' and the middle dot) are percent-encoded.
    static String url(const String& title);
    // Opens that address in the default browser.
    static void open(const String& title);
};
