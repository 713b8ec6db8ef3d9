#include "ui/core/events/UITimerBackend.h"

#include "ui/core/events/UITimer.h"

#include <windows.h>

namespace {

void CALLBACK timerProc(HWND, UINT, UINT_PTR nativeId, DWORD)
{
    UITimer::fire(nativeId);
}

class SystemTimerBackend : public UITimerBackend
{
public:
    uintptr_t start(uint32_t intervalMs) override { return SetTimer(nullptr, 0, intervalMs, timerProc); }
    void stop(uintptr_t nativeId) override { KillTimer(nullptr, nativeId); }
};

} // namespace

UITimerBackend* UITimerBackend::systemBackend()
{
    static SystemTimerBackend backend;
    return &backend;
}
