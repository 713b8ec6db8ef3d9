#pragma once

#include "foundation/text/String.h"

// Text copied into a fixed field of a system record: cut to one unit less
// than the field so the terminator always fits, and never cut between the
// two halves of a surrogate pair.
class FixedText
{
public:
    // The units copied, terminator not counted; a field of fewer than one
    // unit is left alone and gives 0.
    static int copy(const String& text, char16_t* field, int fieldUnits);
};
