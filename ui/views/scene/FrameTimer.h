#pragma once

#include "ui/views/scene/Animated.h"

class DataReader;
class DataWriter;

// Fires once every period of scaled time while it runs.
class FrameTimer : public Animated
{
public:
    explicit FrameTimer(int32_t period = 0) : m_period(period) {}

    // Fired is true only after the tick that completed a period.
    void tick(int32_t ms) override;
    void start();
    void stop();
    void reset() { m_elapsed = 0; }
    // The next tick fires.
    void makeDue() { m_elapsed = m_period; }

    bool isPaused() const { return m_paused; }
    void setPaused(bool paused) { m_paused = paused; }
    float speed() const { return m_speed; }
    void setSpeed(float speed) { m_speed = speed; }
    int32_t period() const { return m_period; }
    void setPeriod(int32_t period) { m_period = period; }
    int32_t elapsed() const { return m_elapsed; }
    bool hasFired() const { return m_fired; }
    bool isRunning() const { return m_running; }

    bool write(DataWriter& writer) const;
    // Refuses a short stream, a negative period or a speed that is not a
    // finite number; the timer is unchanged then.
    bool read(DataReader& reader);

private:
    bool m_paused = false;
    float m_speed = 1.0f;
    int32_t m_period = 0;
    int32_t m_elapsed = 0;
    bool m_fired = false;
    bool m_running = false;
};
