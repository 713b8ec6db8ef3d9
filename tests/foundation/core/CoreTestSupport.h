#pragma once

// Shared by the configuration, language and application-core tests: the
// checked-in language files, a fixed time zone, and file times set by hand.

#include "foundation/io/File.h"
#include "foundation/text/String.h"
#include "foundation/time/DateTime.h"
#include "tests/foundation/io/IoTestSupport.h"
#include "tests/support/TestSupport.h"

#include <cstdlib>
#include <ctime>
#include <string>

namespace coretest {

// A file below tests/data/languages as our path.
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

// Central European Time for one scope. The Windows tests always run in that
// zone; natively the scope chooses it.
class BerlinTime
{
public:
    BerlinTime()
    {
#ifndef _WIN32
        const char* previous = std::getenv("TZ");
        m_hadZone = previous != nullptr;
        m_previousZone = previous ? previous : "";
        setenv("TZ", "Europe/Berlin", 1);
        tzset();
#endif
    }

    ~BerlinTime()
    {
#ifndef _WIN32
        if (m_hadZone)
            setenv("TZ", m_previousZone.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
#endif
    }

    BerlinTime(const BerlinTime&) = delete;
    BerlinTime& operator=(const BerlinTime&) = delete;

private:
    bool m_hadZone = false;
    std::string m_previousZone;
};

// Gives a file a last-modification time in UTC, so that tests can order
// files without waiting for the clock.
inline bool setFileTime(const String& path, int year, int month, int day, int hour)
{
    return File::setTime(path, DateTime(year, month, day, hour, 0, 0, 0), false);
}

} // namespace coretest
