#include "graphics/paint/FontFamilies.h"

// Natively there is no font list to ask: text is measured by the fixed-width
// stand-in, which has no family of its own.
bool isFontFamilyInstalled(const String&)
{
    return false;
}

StringList availableFontFamilies()
{
    return StringList();
}

void availableFontSizes(Array<int>& sizes, const String&)
{
    sizes.destroy();
}
