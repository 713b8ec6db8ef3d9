#include "model/scan/MediaExtensions.h"

namespace {

const char16_t* const kVideoExtensions[] = {u"avi",  u"divx", u"mov", u"qt",   u"wmv", u"mp4", u"mpg",
                                            u"mpeg", u"flv",  u"mkv", u"m2ts", u"3gp", u"m1v"};
const char16_t* const kAudioExtensions[] = {u"mp3", u"wav", u"flac", u"ogg"};

template <int N> bool isOneOf(const String& extension, const char16_t* const (&known)[N])
{
    String lower = extension.toLower();
    for (const char16_t* candidate : known) {
        if (String::equalsCString(lower, candidate))
            return true;
    }
    return false;
}

} // namespace

StringList videoFileExtensions()
{
    StringList list;
    for (const char16_t* extension : kVideoExtensions)
        list.append(String(extension));
    return list;
}

bool isVideoExtension(const String& extension)
{
    return !extension.isEmpty() && isOneOf(extension, kVideoExtensions);
}

bool isAudioExtension(const String& extension)
{
    return !extension.isEmpty() && isOneOf(extension, kAudioExtensions);
}
