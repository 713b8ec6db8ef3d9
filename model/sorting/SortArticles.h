#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/text/String.h"

// The leading articles that title sorting may pass over, in English, Italian,
// Portuguese, Spanish, French, German and Dutch. One list serves the whole
// program: it is empty until the first sort that ignores articles fills it,
// and it stays filled until exit.
class SortArticles
{
public:
    static const StringList& list();
    // Fills the list on the first call; later calls change nothing.
    static void fill();

    // Where a title's sort key starts: after the first article of the list
    // (each ending in a blank) that begins the title, compared ignoring case,
    // unless nothing would remain of the title; 0 otherwise.
    static int keyStart(const String& title);

private:
    static StringList& storage();
};
