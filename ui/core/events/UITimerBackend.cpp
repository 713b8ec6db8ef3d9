#include "ui/core/events/UITimerBackend.h"

namespace {

UITimerBackend* g_installed = nullptr;

} // namespace

UITimerBackend* UITimerBackend::instance()
{
    return g_installed ? g_installed : systemBackend();
}

void UITimerBackend::install(UITimerBackend* backend)
{
    g_installed = backend;
}
