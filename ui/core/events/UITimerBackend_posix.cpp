#include "ui/core/events/UITimerBackend.h"

namespace {

class NoTimerBackend : public UITimerBackend
{
public:
    uintptr_t start(uint32_t) override { return 0; }
    void stop(uintptr_t) override {}
};

} // namespace

UITimerBackend* UITimerBackend::systemBackend()
{
    static NoTimerBackend backend;
    return &backend;
}
