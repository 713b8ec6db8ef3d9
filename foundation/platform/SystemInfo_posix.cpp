// Natively only the folders the portable code looks up exist: the
// application-data, temporary and documents folders, taken from the
// environment so that tests can choose them.
#include "foundation/platform/SystemInfo.h"

#include "foundation/platform/ShellCallRecorder.h"

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

// The native build starts no programs: a recorder hears the call, else it
// fails.
bool SystemInfo::shellExecute(const String& program, const String& parameters)
{
    return ShellCallRecorder::take("execute",
                                   parameters.isEmpty() ? program : program + String(u" ") + parameters);
}

bool SystemInfo::startOwnProgram(const String& program, const String& parameters)
{
    // No program starts natively: the answer is the recorder's alone.
    return ShellCallRecorder::takeOwnProgram("execute",
                                             parameters.isEmpty() ? program : program + String(u" ") + parameters);
}
