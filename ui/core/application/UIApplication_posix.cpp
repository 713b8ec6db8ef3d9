#include "ui/core/application/UIApplication.h"

// Natively there is no screen and no speaker: the toolkit's logic is tested
// there, and the graphics code it uses needs no start.

void UIApplication::startBackends() {}

void UIApplication::stopBackends() {}

void UIApplication::stopSound() {}

void UIApplication::playSystemSound(int) {}

void UIApplication::playFileAsync(const String&) {}
