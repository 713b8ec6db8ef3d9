#pragma once

// The data a drag hands a drop target, made with the toolkit's own data
// object. Windows only.
#include "foundation/text/ByteArray.h"
#include "ui/core/input/UIDataObject.h"
#include "ui/core/input/UIGlobalBlock.h"

#include <windows.h>

namespace testsupport {

// A data object holding the bytes in that clipboard format; the caller
// releases it.
inline UIDataObject* dataWith(CLIPFORMAT format, const ByteArray& bytes)
{
    auto* data = new UIDataObject();
    FORMATETC etc = {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium = {TYMED_HGLOBAL, {nullptr}, nullptr};
    medium.hGlobal = static_cast<HGLOBAL>(UIGlobalBlock::fromBytes(bytes));
    data->SetData(&etc, &medium, TRUE);
    return data;
}

} // namespace testsupport
