#pragma once

// Drops into the movie editor's windows through the toolkit's own drop
// target, with our data object carrying a file list or a text, as the
// system's drag loop would hand them over.
#include "foundation/containers/StringList.h"
#include "tests/support/DropData.h"
#include "tests/support/UIHarness.h"
#include "ui/core/input/UIDataObject.h"
#include "ui/core/input/UIDragState.h"
#include "ui/core/input/UIDropTarget.h"
#include "ui/core/input/UIMimeBlocks.h"
#include "ui/core/widget/UIWidget.h"

#include <windows.h>

namespace movietest {

using testsupport::dataWith;

// Drags the data over the widget's centre and drops it there; the effect the
// target answered while over it (DROPEFFECT_NONE when refused).
inline DWORD dropOn(UIWidget* widget, UIDataObject* data)
{
    UIWidget* top = widget->window();
    auto* target = new UIDropTarget(top, static_cast<HWND>(top->windowHandle()));
    const Point at = widget->mapToGlobal(widget->rect().center());
    const POINTL point = {at.x, at.y};
    DWORD effect = DROPEFFECT_COPY;
    target->DragEnter(data, MK_LBUTTON, point, &effect);
    effect = DROPEFFECT_COPY;
    target->DragOver(MK_LBUTTON, point, &effect);
    const DWORD answered = effect;
    DWORD dropEffect = DROPEFFECT_COPY;
    target->Drop(data, 0, point, &dropEffect);
    target->Release();
    data->Release();
    // The drop reaches the widget from a short timer, as after a real drag.
    testsupport::UIHarness::pumpFor(int(UIDragState::instance()->dropDelay()) * 3);
    return answered;
}

inline DWORD dropFiles(UIWidget* widget, const StringList& paths)
{
    return dropOn(widget, dataWith(CF_HDROP, UIMimeBlocks::fileListBlock(paths)));
}

inline DWORD dropText(UIWidget* widget, const String& text)
{
    return dropOn(widget, dataWith(CF_UNICODETEXT, UIMimeBlocks::textBlock(text)));
}

} // namespace movietest
