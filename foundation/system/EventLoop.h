#pragma once

#include <cstdint>

// One run of the message pump on the GUI thread. The main loop lives in the
// MessageLoop; modal dialogs run nested ones.
class EventLoop
{
public:
    EventLoop() = default;
    virtual ~EventLoop() = default;
    EventLoop(const EventLoop&) = delete;
    EventLoop& operator=(const EventLoop&) = delete;

    // Pumps messages until exit is asked and returns the exit code; -1 at once
    // when there is no message loop.
    int exec();
    void exit(int code);
    void exitZero() { exit(0); }
    bool isRunning() const { return m_running && !m_exitRequested; }
    // Handles what is waiting without blocking, with the given pump flags;
    // true when anything was handled.
    bool processPendingEvents(uint32_t flags = 0);

private:
    bool m_running = false;
    bool m_exitRequested = false;
    int m_exitCode = 0;
};
