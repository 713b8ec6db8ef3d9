#include "app/views/FillTimings.h"

#include "foundation/platform/SystemClock.h"

namespace {

double millisecondsSince(int64_t started)
{
    int64_t frequency = SystemClock::performanceFrequency();
    if (started < 0 || frequency <= 0)
        return 0.0;
    int64_t ticks = SystemClock::performanceCounter() - started;
    return ticks <= 0 ? 0.0 : double(ticks) * 1000.0 / double(frequency);
}

} // namespace

void FillTimings::begin()
{
    m_started = SystemClock::performanceCounter();
}

void FillTimings::end(int shown)
{
    Stamp stamp;
    stamp.number = ++m_count;
    stamp.shown = shown;
    stamp.milliseconds = millisecondsSince(m_started);
    m_started = -1;
    m_stamps.push_back(stamp);
    while (int(m_stamps.size()) > kKept)
        m_stamps.pop_front();
}

JsonValue FillTimings::toJson() const
{
    JsonValue stamps = JsonValue::array();
    for (const Stamp& stamp : m_stamps) {
        JsonValue entry = JsonValue::object();
        entry.set("fill", stamp.number);
        entry.set("shown", stamp.shown);
        entry.set("ms", stamp.milliseconds);
        stamps.append(std::move(entry));
    }
    JsonValue out = JsonValue::object();
    out.set("fills", m_count);
    out.set("stamps", std::move(stamps));
    return out;
}
