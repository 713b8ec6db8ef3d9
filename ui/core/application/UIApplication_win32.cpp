#include "ui/core/application/UIApplication.h"

#include "graphics/codecs/ImageCodec.h"
#include "graphics/paint/PaintDevice.h"
#include "ui/core/native/UINativeWindowHost.h"

#include "foundation/platform/Win32Text.h"

#include <windows.h>
// After windows.h, whose types it uses.
#include <mmsystem.h>

void UIApplication::startBackends()
{
    PaintDevice::createDefault();
    ImageCodec::registerAll();
    UINativeWindow::setFactory(&UINativeWindowHost::createFor);
}

void UIApplication::stopBackends()
{
    ImageCodec::unregisterAll();
    PaintDevice::destroyAll();
}

void UIApplication::stopSound()
{
    PlaySoundW(nullptr, nullptr, 0);
}

void UIApplication::playSystemSound(int kind)
{
    switch (kind) {
    case 2:
    case 4:
        MessageBeep(MB_ICONASTERISK);
        return;
    case 3:
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    case 5:
        MessageBeep(MB_ICONHAND);
        return;
    case 6:
        PlaySoundW(L"SystemNotification", nullptr, SND_ALIAS | SND_ASYNC);
        return;
    default:
        MessageBeep(0xFFFFFFFF);
        return;
    }
}

void UIApplication::playFileAsync(const String& path)
{
    PlaySoundW(wideText(path), nullptr, SND_FILENAME | SND_ASYNC);
}
