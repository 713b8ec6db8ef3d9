#pragma once

#include "foundation/text/String.h"

// Makes movie data safe to put into the card's HTML and CSS: whatever a title,
// a plot or a file name holds, it shows as text and never becomes markup,
// style or script.
class CardEscape
{
public:
    // '&', '<', '>', '"' and '\'' as character references; fit for element
    // text and quoted attribute values alike. Other control characters than
    // tab, line feed and carriage return are dropped.
    static String html(const String& text);
    // A "file:///" address for a Windows path, '\' turned into '/', and every
    // byte of the UTF-8 form outside letters, digits and "-_.~/:" written as
    // "%hh"; safe inside a quoted attribute and inside CSS url('...').
    static String fileUrl(const String& path);
    // A CSS font-family list: each comma-separated family keeps only letters,
    // digits, blanks, '-', '_' and '.', is trimmed and put in single quotes;
    // empty families are left out. Empty when none remains.
    static String fontFamilyList(const String& families);
};
