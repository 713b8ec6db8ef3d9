#include "app/launch/LaunchStamps.h"

#include "foundation/platform/SystemClock.h"

#include <map>
#include <mutex>

namespace {

std::mutex g_lock;

std::map<std::string, double>& marks()
{
    static std::map<std::string, double> table;
    return table;
}

double nowMs()
{
    const int64_t frequency = SystemClock::performanceFrequency();
    if (frequency <= 0)
        return 0.0;
    return double(SystemClock::performanceCounter()) * 1000.0 / double(frequency);
}

} // namespace

void LaunchStamps::reset()
{
    std::lock_guard<std::mutex> hold(g_lock);
    marks().clear();
}

void LaunchStamps::mark(const std::string& name)
{
    const double now = nowMs();
    std::lock_guard<std::mutex> hold(g_lock);
    marks().emplace(name, now);
}

double LaunchStamps::at(const std::string& name)
{
    std::lock_guard<std::mutex> hold(g_lock);
    auto found = marks().find(name);
    return found == marks().end() ? -1.0 : found->second;
}

double LaunchStamps::since(const std::string& name)
{
    const double start = at("start");
    const double stamp = at(name);
    if (start < 0 || stamp < 0)
        return -1.0;
    return stamp - start;
}

JsonValue LaunchStamps::dump()
{
    std::lock_guard<std::mutex> hold(g_lock);
    JsonValue stamps = JsonValue::object();
    for (const auto& entry : marks())
        stamps.set(entry.first, entry.second);
    return stamps;
}
