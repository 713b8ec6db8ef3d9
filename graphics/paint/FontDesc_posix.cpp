#include "graphics/paint/FontDesc.h"

// The native build draws nothing on a screen; it behaves like a 96 dpi
// display without Segoe UI so that tests see fixed numbers.
int FontDesc::screenDpi()
{
    return 96;
}

FontDesc FontDesc::platformDefault()
{
    return chooseDefault(0, false, 0);
}
