#pragma once

// An event a thread can sleep on until another sets it. An auto-reset event
// lets one waiter through per set and clears itself; a manual-reset event stays
// set until reset. It starts clear.
class WaitEvent
{
public:
    explicit WaitEvent(bool manualReset);
    ~WaitEvent();
    WaitEvent(const WaitEvent&) = delete;
    WaitEvent& operator=(const WaitEvent&) = delete;

    // Releases the system object; later waits fail and sets do nothing.
    void close();
    // Waits up to ms milliseconds (a negative value waits without limit); true
    // only when the event was set within that time.
    bool wait(int ms);
    void set();
    void reset();

private:
    void* m_handle;
};
