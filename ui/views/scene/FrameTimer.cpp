#include "ui/views/scene/FrameTimer.h"

#include "foundation/io/DataReader.h"
#include "foundation/io/DataWriter.h"

#include <cmath>

namespace {

// paused, speed, period, elapsed, fired, running.
constexpr uint64_t kStateSize = 1 + 4 + 4 + 4 + 1 + 1;

} // namespace

void FrameTimer::tick(int32_t ms)
{
    m_fired = false;
    if (!m_running || m_paused)
        return;
    // In 64 bits and clamped: a fast speed or a long stall must not wrap.
    double step = std::trunc(static_cast<double>(m_speed) * ms);
    double elapsed = static_cast<double>(m_elapsed) + (std::isfinite(step) ? step : 0.0);
    m_elapsed = static_cast<int32_t>(std::fmax(-2147483648.0, std::fmin(elapsed, 2147483647.0)));
    if (m_period >= 1 && m_elapsed >= m_period) {
        m_elapsed -= m_period;
        m_fired = true;
    }
}

void FrameTimer::start()
{
    m_running = true;
    m_elapsed = 0;
}

void FrameTimer::stop()
{
    m_running = false;
    m_elapsed = 0;
}

bool FrameTimer::write(DataWriter& writer) const
{
    return writer.writeInt8(m_paused ? 1 : 0) >= 0 && writer.writeFloat(m_speed) >= 0 &&
           writer.writeInt32(m_period) >= 0 && writer.writeInt32(m_elapsed) >= 0 &&
           writer.writeInt8(m_fired ? 1 : 0) >= 0 && writer.writeInt8(m_running ? 1 : 0) >= 0;
}

bool FrameTimer::read(DataReader& reader)
{
    if (reader.remaining() < kStateSize)
        return false;
    bool paused = reader.readInt8() != 0;
    float speed = reader.readFloat();
    int32_t period = reader.readInt32();
    int32_t elapsed = reader.readInt32();
    bool fired = reader.readInt8() != 0;
    bool running = reader.readInt8() != 0;
    if (period < 0 || !std::isfinite(speed))
        return false;
    m_paused = paused;
    m_speed = speed;
    m_period = period;
    m_elapsed = elapsed;
    m_fired = fired;
    m_running = running;
    return true;
}
