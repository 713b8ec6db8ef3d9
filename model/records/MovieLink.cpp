#include "model/records/MovieLink.h"

#include "foundation/io/Path.h"

StringList MovieLink::urlSchemes()
{
    StringList schemes;
    schemes.append(String(u"http://"));
    schemes.append(String(u"https://"));
    schemes.append(String(u"ftp://"));
    return schemes;
}

String MovieLink::descriptionFromPath(const String& path)
{
    String description = pathBaseName(path);
    if (description.isEmpty())
        description = pathDirectoryName(path);
    return description.replaceChar(u'_', u' ', String::kCaseSensitive);
}
