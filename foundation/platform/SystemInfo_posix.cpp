// Natively only the folders the portable code looks up exist: the
// application-data, temporary and documents folders, taken from the
// environment so that tests can choose them.
#include "foundation/platform/SystemInfo.h"

#include <cstdlib>

namespace {

String fromEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    String text;
    if (!value)
        return text;
    for (const char* c = value; *c; ++c)
        text.appendChar(static_cast<char16_t>(static_cast<unsigned char>(*c)));
    return text;
}

} // namespace

String SystemInfo::specialFolder(int index)
{
    String home = fromEnvironment("HOME");
    switch (index) {
    case kApplicationData:
        return home.isEmpty() ? String() : home + String(u"/.config");
    case kTemporary: {
        String temporary = fromEnvironment("TMPDIR");
        return temporary.isEmpty() ? String(u"/tmp/") : temporary;
    }
    case kDocuments:
        return home;
    default:
        return String();
    }
}
