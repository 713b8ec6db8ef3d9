#include "foundation/time/Time.h"

#include "foundation/platform/SystemClock.h"
#include "foundation/text/String.h"
#include "foundation/time/Locale.h"

#include <climits>

namespace {

const int64_t kMillisecondsPerMinute = 60000;
const int64_t kMillisecondsPerSecond = 1000;

} // namespace

Time::Time(int hour, int minute, int second, int millisecond)
    : m_hour(hour), m_minute(minute), m_second(second), m_millisecond(millisecond)
{
}

Time& Time::assign(const Time& other)
{
    setTime(other.m_hour, other.m_minute, other.m_second, other.m_millisecond);
    return *this;
}

void Time::clear()
{
    setTime(0, 0, 0, 0);
}

void Time::setTime(int hour, int minute, int second, int millisecond)
{
    m_hour = hour;
    m_minute = minute;
    m_second = second;
    m_millisecond = millisecond;
}

void Time::getTime(int* hour, int* minute, int* second, int* millisecond) const
{
    if (hour != nullptr)
        *hour = m_hour;
    if (minute != nullptr)
        *minute = m_minute;
    if (second != nullptr)
        *second = m_second;
    if (millisecond != nullptr)
        *millisecond = m_millisecond;
}

bool Time::isNull() const
{
    return m_hour <= 0 && m_minute <= 0 && m_second < 1 && m_millisecond < 1;
}

bool Time::isValid() const
{
    return isValid(m_hour, m_minute, m_second, m_millisecond);
}

bool Time::isValid(int hour, int minute, int second, int millisecond)
{
    return hour >= 0 && minute >= 0 && minute < 60 && second >= 0 && second < 60 && millisecond >= 0 &&
           millisecond < 1000;
}

int64_t Time::toMilliseconds() const
{
    return ((static_cast<int64_t>(m_hour) * 60 + m_minute) * 60 + m_second) * kMillisecondsPerSecond +
           m_millisecond;
}

Time Time::fromMilliseconds(int64_t milliseconds)
{
    Time result;
    splitMilliseconds(milliseconds, &result.m_hour, &result.m_minute, &result.m_second,
                      &result.m_millisecond);
    return result;
}

int64_t Time::msecsTo(const Time& other) const
{
    return other.toMilliseconds() - toMilliseconds();
}

Time& Time::addMilliseconds(int64_t milliseconds)
{
    int64_t total = 0;
    if (__builtin_add_overflow(toMilliseconds(), milliseconds, &total))
        return *this;
    *this = fromMilliseconds(total);
    return *this;
}

Time& Time::addSeconds(int64_t seconds)
{
    int64_t milliseconds = 0;
    if (__builtin_mul_overflow(seconds, kMillisecondsPerSecond, &milliseconds))
        return *this;
    return addMilliseconds(milliseconds);
}

Time& Time::addMinutes(int64_t minutes)
{
    int64_t milliseconds = 0;
    if (__builtin_mul_overflow(minutes, kMillisecondsPerMinute, &milliseconds))
        return *this;
    return addMilliseconds(milliseconds);
}

Time& Time::addHours(int64_t hours)
{
    int64_t milliseconds = 0;
    if (__builtin_mul_overflow(hours, kMillisecondsPerHour, &milliseconds))
        return *this;
    return addMilliseconds(milliseconds);
}

int Time::compare(const Time& other) const
{
    const int mine[4] = {m_hour, m_minute, m_second, m_millisecond};
    const int theirs[4] = {other.m_hour, other.m_minute, other.m_second, other.m_millisecond};
    for (int i = 0; i < 4; ++i) {
        if (mine[i] != theirs[i])
            return mine[i] < theirs[i] ? -1 : 1;
    }
    return 0;
}

int64_t Time::tickCountMs()
{
    int64_t frequency = SystemClock::performanceFrequency();
    if (frequency <= 0)
        return 0;
    return static_cast<int64_t>(static_cast<double>(SystemClock::performanceCounter()) * 1000.0 /
                                static_cast<double>(frequency));
}

Time Time::now(int local)
{
    DateTime now = local != 0 ? SystemClock::localNow() : SystemClock::utcNow();
    return now.time();
}

String Time::toString(const String& pattern) const
{
    return Locale::instance().formatTime(*this, pattern);
}

String Time::timeFormat()
{
    return Locale::instance().timeFormat();
}

int Time::to12Hour(int hour, bool* pm)
{
    if (pm == nullptr || hour < 0 || hour > 23)
        return hour;
    *pm = hour >= 12;
    int result = hour % 12;
    return result == 0 ? 12 : result;
}

int Time::to24Hour(int hour, bool pm)
{
    if (hour < 1 || hour > 12)
        return hour;
    if (pm)
        return hour == 12 ? 12 : hour + 12;
    return hour == 12 ? 0 : hour;
}

void Time::splitMilliseconds(int64_t milliseconds, int* hours, int* minutes, int* seconds,
                             int* remainingMilliseconds)
{
    if (milliseconds < 0)
        milliseconds = 0;
    int64_t wholeHours = milliseconds / kMillisecondsPerHour;
    int64_t rest = milliseconds % kMillisecondsPerHour;
    if (hours != nullptr)
        *hours = wholeHours > INT_MAX ? INT_MAX : static_cast<int>(wholeHours);
    if (minutes != nullptr)
        *minutes = static_cast<int>(rest / kMillisecondsPerMinute);
    rest %= kMillisecondsPerMinute;
    if (seconds != nullptr)
        *seconds = static_cast<int>(rest / kMillisecondsPerSecond);
    if (remainingMilliseconds != nullptr)
        *remainingMilliseconds = static_cast<int>(rest % kMillisecondsPerSecond);
}

void Time::splitSeconds(int64_t seconds, int* hours, int* minutes, int* remainingSeconds)
{
    if (seconds < 0)
        seconds = 0;
    int64_t wholeHours = seconds / 3600;
    if (hours != nullptr)
        *hours = wholeHours > INT_MAX ? INT_MAX : static_cast<int>(wholeHours);
    if (minutes != nullptr)
        *minutes = static_cast<int>(seconds % 3600 / 60);
    if (remainingSeconds != nullptr)
        *remainingSeconds = static_cast<int>(seconds % 60);
}
