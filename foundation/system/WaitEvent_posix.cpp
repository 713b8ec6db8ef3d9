#include "foundation/system/WaitEvent.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace {

struct EventState
{
    explicit EventState(bool manual) : manualReset(manual) {}
    std::mutex mutex;
    std::condition_variable changed;
    bool manualReset;
    bool signalled = false;
};

EventState* stateOf(void* handle)
{
    return static_cast<EventState*>(handle);
}

} // namespace

WaitEvent::WaitEvent(bool manualReset) : m_handle(new EventState(manualReset)) {}

WaitEvent::~WaitEvent()
{
    close();
}

void WaitEvent::close()
{
    delete stateOf(m_handle);
    m_handle = nullptr;
}

bool WaitEvent::wait(int ms)
{
    EventState* state = stateOf(m_handle);
    if (!state)
        return false;
    std::unique_lock<std::mutex> lock(state->mutex);
    auto isSet = [state] { return state->signalled; };
    if (ms < 0)
        state->changed.wait(lock, isSet);
    else if (!state->changed.wait_for(lock, std::chrono::milliseconds(ms), isSet))
        return false;
    if (!state->manualReset)
        state->signalled = false;
    return true;
}

void WaitEvent::set()
{
    EventState* state = stateOf(m_handle);
    if (!state)
        return;
    std::lock_guard<std::mutex> lock(state->mutex);
    state->signalled = true;
    if (state->manualReset)
        state->changed.notify_all();
    else
        state->changed.notify_one();
}

void WaitEvent::reset()
{
    EventState* state = stateOf(m_handle);
    if (!state)
        return;
    std::lock_guard<std::mutex> lock(state->mutex);
    state->signalled = false;
}
