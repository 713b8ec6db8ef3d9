#pragma once

// Shared by the configuration, language and application-core tests: the
// checked-in language files, a fixed time zone, and file times set by hand.

#include "foundation/io/File.h"
#include "foundation/time/DateTime.h"
#include "tests/support/IoTestSupport.h"
#include "tests/support/StringTestHelpers.h"
#include "tests/foundation/time/BerlinTime.h"

#include <string>

namespace coretest {

// A file below tests/data/languages as our path, and as the platform's.
inline String languageFixture(const char* name)
{
    return iotest::toPath(testsupport::dataDir()) + String(u"\\languages\\") + iotest::toPath(name);
}

inline std::string nativeLanguageFixture(const char* name)
{
#ifdef _WIN32
    return testsupport::dataDir() + "\\languages\\" + name;
#else
    return testsupport::dataDir() + "/languages/" + name;
#endif
}

// Gives a file a last-modification time in UTC, so that tests can order
// files without waiting for the clock.
inline bool setFileTime(const String& path, int year, int month, int day, int hour)
{
    return File::setTime(path, DateTime(year, month, day, hour, 0, 0, 0), false);
}

} // namespace coretest
