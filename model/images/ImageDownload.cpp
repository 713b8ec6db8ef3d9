#include "model/images/ImageDownload.h"

#include "foundation/io/Directory.h"
#include "foundation/io/Path.h"
#include "foundation/net/HttpClient.h"
#include "foundation/text/ByteArray.h"
#include "graphics/image/Image.h"

String ImageDownload::fetch(const String& url, const String& folder, const String& name)
{
    if (folder.isEmpty() || !isAcceptableName(name))
        return String();
    String path = String(folder).appendChar(kPathSeparator).append(name).append(String(u".png"));
    if (path.length() > kMaxPathLength)
        return String();
    String contentType;
    ByteArray body = HttpClient::downloadPage(url, contentType, kSizeLimitMiB);
    String codec = codecForContentType(contentType);
    if (body.isEmpty() || codec.isEmpty())
        return String();
    Image picture = Image::fromData(body.data(), body.size(), codec);
    if (picture.isNull())
        return String();
    if (!Directory::exists(folder) && !Directory::create(folder))
        return String();
    return picture.save(path, true) ? path : String();
}

String ImageDownload::codecForContentType(const String& contentType)
{
    if (String::equalsCString(contentType, u"image/jpeg") || String::equalsCString(contentType, u"image/jpg"))
        return String(u"jpeg");
    if (String::equalsCString(contentType, u"image/png"))
        return String(u"png");
    if (String::equalsCString(contentType, u"image/bmp"))
        return String(u"bmp");
    return String();
}

bool ImageDownload::isAcceptableName(const String& name)
{
    if (name.isEmpty() || name.isBlank() || name.contains(String(u".."), String::kCaseSensitive))
        return false;
    return !name.containsChar(u'\\', String::kCaseSensitive) &&
           !name.containsChar(u'/', String::kCaseSensitive) &&
           !name.containsChar(u':', String::kCaseSensitive);
}
