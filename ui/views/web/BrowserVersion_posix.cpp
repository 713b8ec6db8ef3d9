#include "ui/views/web/BrowserVersion.h"

// Only Windows keeps a browser version of its own.
String BrowserVersion::installed()
{
    return String();
}
