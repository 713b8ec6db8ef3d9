#include "app/window/Window.h"

#include "foundation/core/AppCore.h"

void Window::retranslate() {}

String Window::translate(const char16_t* text, const char16_t* context)
{
    AppCore* core = AppCore::instance();
    return core ? core->translate(text, context) : String(text);
}
