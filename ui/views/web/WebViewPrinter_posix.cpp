#include "ui/views/web/WebViewPrinter.h"

// Printing goes through the system's print dialog, which only Windows has.
bool WebViewPrinter::print(const Image&)
{
    return false;
}
