#include "foundation/signals/Window.h"

void Window::retranslate() {}
