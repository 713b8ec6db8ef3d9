#pragma once

#include "foundation/text/String.h"

// Fetches a picture from the web and keeps it as a PNG file in a collection's
// Images folder.
class ImageDownload
{
public:
    static constexpr int kSizeLimitMiB = 10;

    // Stores the picture at url as folder\name.png, replacing a file of that
    // name, and returns its path. Empty, with nothing written, when the name
    // is empty, holds a path separator or "..", the path would be too long,
    // the answer is not a "200" with a body of type "image/jpeg",
    // "image/jpg", "image/png" or "image/bmp" (exactly so), the bytes do not
    // decode, or the file cannot be written.
    static String fetch(const String& url, const String& folder, const String& name);

    // The codec extension for a content type; empty for any other type.
    static String codecForContentType(const String& contentType);
    // Whether name can be the base name of a file in the folder.
    static bool isAcceptableName(const String& name);
};
