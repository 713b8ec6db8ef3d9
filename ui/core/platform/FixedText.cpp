#include "ui/core/platform/FixedText.h"

namespace {

bool isHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

} // namespace

int FixedText::copy(const String& text, char16_t* field, int fieldUnits)
{
    if (!field || fieldUnits < 1)
        return 0;
    int units = text.length() < fieldUnits - 1 ? text.length() : fieldUnits - 1;
    // A pair whose low half no longer fits is dropped whole.
    if (units > 0 && units < text.length() && isHighSurrogate(text.at(units - 1)))
        --units;
    for (int i = 0; i < units; ++i)
        field[i] = text.at(i);
    for (int i = units; i < fieldUnits; ++i)
        field[i] = 0;
    return units;
}
