#include "ui/views/web/browser/MshtmlProbe.h"

// Only Windows has the system's HTML document.
bool MshtmlProbe::works()
{
    return false;
}

bool MshtmlProbe::probeNow(int)
{
    return false;
}
