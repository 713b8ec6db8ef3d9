#include "foundation/xml/XmlTextFile.h"

// TEMPORARY until the streams land.
bool readXmlTextFile(const String&, int, String&)
{
    return false;
}

bool saveXmlTextFile(const String&, const String&, int)
{
    return false;
}
