#include "foundation/io/PosixPath.h"

#include "foundation/text/ByteArray.h"

std::string toNativePath(const String& path)
{
    ByteArray utf8 = path.toUtf8();
    std::string result(reinterpret_cast<const char*>(utf8.data()), size_t(utf8.size()));
    for (char& c : result) {
        if (c == '\\')
            c = '/';
    }
    return result;
}

String fromNativePath(const std::string& path)
{
    String result = String::fromUtf8(path.data(), int(path.size()));
    for (int i = 0; i < result.length(); ++i) {
        if (result.at(i) == u'/')
            *result.charAt(i) = u'\\';
    }
    return result;
}
