#include "app/window/CursorOverride.h"

#include "ui/core/application/UIApplication.h"

CursorOverride::CursorOverride(int shape)
{
    UIApplication::instance()->setOverrideCursor(shape);
}

CursorOverride::~CursorOverride()
{
    UIApplication::instance()->restoreOverrideCursor();
}
