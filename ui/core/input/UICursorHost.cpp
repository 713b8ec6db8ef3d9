#include "ui/core/input/UICursorHost.h"

namespace {

UICursorHost* g_installed = nullptr;

} // namespace

UICursorHost* UICursorHost::instance()
{
    return g_installed ? g_installed : systemHost();
}

void UICursorHost::install(UICursorHost* host)
{
    g_installed = host;
}
