#pragma once

#include <cstdlib>
#include <ctime>
#include <string>

// Central European Time for one scope, so that conversions between local time
// and UTC mean something. The Windows tests always run in that zone; natively
// the scope chooses it and restores the previous zone afterwards.
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

private:
    bool m_hadZone = false;
    std::string m_previousZone;
};
