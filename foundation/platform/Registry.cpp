#include "foundation/platform/Registry.h"

bool Registry::splitPath(const String& path, String* key, String* valueName)
{
    int separator = path.lastIndexOfChar(u'\\', 1);
    if (separator < 1 || separator >= path.length() - 1)
        return false;
    *key = path.mid(0, separator);
    *valueName = path.midFrom(separator + 1);
    return true;
}
