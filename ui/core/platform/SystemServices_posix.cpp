#include "ui/core/platform/SystemServices.h"

// Natively there is no shell and no preference store: every question reads
// as unset and every shell service gives nothing.

SystemServices::State SystemServices::probe()
{
    return State();
}

bool SystemServices::snapToDefaultButton()
{
    return false;
}

bool SystemServices::clearTypeSmoothing()
{
    return false;
}

bool SystemServices::dropShadowEnabled()
{
    return false;
}

bool SystemServices::cursorShadowEnabled()
{
    return false;
}

int SystemServices::wheelScrollLines()
{
    return 0;
}

int SystemServices::menuShowDelay()
{
    return 0;
}

int SystemServices::caretBlinkTime()
{
    return 530;
}

bool SystemServices::showHiddenFilesSetting()
{
    return false;
}

Image SystemServices::fileIcon(const String&, int)
{
    return Image();
}

Image SystemServices::extensionIcon(const String&, int)
{
    return Image();
}

Image SystemServices::systemImageListIcon(int, int)
{
    return Image();
}

Image SystemServices::extractedIcon(const String&, int)
{
    return Image();
}

Image SystemServices::thumbnail(const String&, int)
{
    return Image();
}

String SystemServices::versionField(const String&, const String&)
{
    return String();
}

String SystemServices::resourceName(void*, int, int)
{
    return String();
}
