#include "ui/core/events/UITimerClient.h"

#include "ui/core/events/UITimer.h"

UITimerClient::~UITimerClient()
{
    killAllTimers();
}

bool UITimerClient::startTimer(int id, uint32_t intervalMs)
{
    return UITimer::start(this, id, intervalMs);
}

void UITimerClient::killTimer(int id)
{
    UITimer::kill(this, id);
}

bool UITimerClient::isTimerActive(int id) const
{
    return UITimer::isActive(this, id);
}

int UITimerClient::killAllTimers()
{
    return UITimer::killAll(this);
}

int UITimerClient::timerCount()
{
    return UITimer::count();
}
