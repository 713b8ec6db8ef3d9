#include "ui/views/web/BrowserVersion.h"

String BrowserVersion::fromStored(const String& stored)
{
    const int first = stored.indexOfChar(u'.', 0, 1);
    const int second = first < 0 ? -1 : stored.indexOfChar(u'.', first + 1, 1);
    return second < 0 ? stored : stored.mid(0, second);
}
