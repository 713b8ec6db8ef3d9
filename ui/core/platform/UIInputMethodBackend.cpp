#include "ui/core/platform/UIInputMethodBackend.h"

namespace {

UIInputMethodBackend* g_installed = nullptr;

} // namespace

UIInputMethodBackend* UIInputMethodBackend::instance()
{
    return g_installed ? g_installed : systemBackend();
}

void UIInputMethodBackend::install(UIInputMethodBackend* backend)
{
    g_installed = backend;
}
