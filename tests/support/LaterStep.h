#pragma once

#include "ui/core/events/UITimerClient.h"

#include <cstdint>
#include <functional>
#include <utility>

namespace testsupport {

// Runs a step from a timer inside whatever loop is running then (a dialog's
// modal run, a system dialog's own loop), every interval until the step
// reports it is done or has been tried the given number of times.
class LaterStep : public UITimerClient
{
public:
    LaterStep(int ms, std::function<bool()> step, int tries = 1) : m_step(std::move(step)), m_triesLeft(tries)
    {
        startTimer(1, uint32_t(ms));
    }
    void timerFired(int id) override
    {
        // A step that pumps messages itself must not run again inside itself.
        if (m_running)
            return;
        m_running = true;
        const bool done = m_step();
        m_running = false;
        if (done || --m_triesLeft <= 0)
            killTimer(id);
    }
    bool isPending() const { return isTimerActive(1); }

private:
    std::function<bool()> m_step;
    int m_triesLeft;
    bool m_running = false;
};

} // namespace testsupport
