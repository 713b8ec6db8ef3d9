#include "ui/widgets/labels/UILink.h"

// The native build runs tests and tools only: no link is ever opened there.
void UILink::openWithShell(const String&) {}
