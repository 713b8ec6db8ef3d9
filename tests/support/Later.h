#pragma once

#include "ui/core/events/UITimerClient.h"

#include <cstdint>
#include <functional>
#include <utility>

namespace testsupport {

// Runs one step once, from a timer, inside whatever loop runs then (a
// dialog's modal run).
class Later : public UITimerClient
{
public:
    Later(int ms, std::function<void()> step) : m_step(std::move(step)) { startTimer(1, uint32_t(ms)); }
    void timerFired(int id) override
    {
        killTimer(id);
        m_step();
    }

private:
    std::function<void()> m_step;
};

} // namespace testsupport
