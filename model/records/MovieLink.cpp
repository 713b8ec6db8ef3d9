#include "model/records/MovieLink.h"

#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "foundation/io/Path.h"
#include "foundation/net/Url.h"
#include "model/shell/ShellLauncher.h"

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

String MovieLink::localPath(const String& url)
{
    return url.startsWith(String(u"file:"), String::kIgnoreCase) ? fileUrlPath(url) : url;
}

MovieLink::OpenAction MovieLink::openAction(const String& url, int32_t type)
{
    if (url.isEmpty())
        return kOpenNothing;
    if (type != kOnline) {
        const String path = localPath(url);
        if (path.isEmpty())
            return kOpenNothing;
        if (File::exists(path))
            return kStartFile;
        return Directory::exists(path) ? kOpenFolder : kOpenNothing;
    }
    for (const String& scheme : urlSchemes()) {
        if (url.length() > scheme.length() && url.startsWith(scheme, String::kIgnoreCase))
            return kOpenAddress;
    }
    return kOpenNothing;
}

void MovieLink::open(const String& url, int32_t type)
{
    switch (openAction(url, type)) {
    case kStartFile:
        ShellLauncher::start(localPath(url));
        break;
    case kOpenFolder:
        ShellLauncher::open(localPath(url));
        break;
    case kOpenAddress:
        ShellLauncher::openAddress(url);
        break;
    case kOpenNothing:
        break;
    }
}
