#include "ui/core/input/UIDragState.h"

#include "ui/core/input/UIDataObject.h"
#include "ui/core/input/UIDrag.h"
#include "ui/core/input/UIDropSource.h"
#include "ui/core/input/UIOleDrag.h"

#include <shlguid.h>
#include <shlobj.h>
#include <windows.h>

#include <cstring>
#include <new>

namespace {

// Shows window contents while our drag runs. The setting is changed only
// when it could be read, for this session only, and put back on every way
// out of the drag.
class DragFullWindowsScope
{
public:
    DragFullWindowsScope()
    {
        if (SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &m_previous, 0))
            m_changed = SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, TRUE, nullptr, 0) != FALSE;
    }
    ~DragFullWindowsScope()
    {
        if (m_changed)
            SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, UINT(m_previous), nullptr, 0);
    }
    DragFullWindowsScope(const DragFullWindowsScope&) = delete;
    DragFullWindowsScope& operator=(const DragFullWindowsScope&) = delete;

private:
    BOOL m_previous = FALSE;
    bool m_changed = false;
};

// A top-down 32-bit bitmap of the image with premultiplied alpha, as the
// drag image wants it; null when it cannot be made.
HBITMAP dragBitmap(const Image& image)
{
    Image pixels = image.hasAlpha()
                       ? image.copy()
                       : Image::fromPixels(image.bits(), image.width(), image.height(), false, -1);
    if (pixels.isNull())
        return nullptr;
    pixels.setPremultiplied(true);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = pixels.width();
    info.bmiHeader.biHeight = -pixels.height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && !bits)
        DeleteObject(bitmap);
    if (!bitmap || !bits)
        return nullptr;
    std::memcpy(bits, pixels.bits(), size_t(pixels.width()) * pixels.height() * 4);
    return bitmap;
}

int withinOrMiddle(int value, int extent)
{
    return value >= 0 && value < extent ? value : extent / 2;
}

// The system's drag image helper for the data, or null: without an image or
// a text, or where the helper is missing, the drag shows no image.
IDragSourceHelper* dragImageHelper(const UIDrag& drag, IDataObject* data)
{
    if (drag.image().isNull() && drag.text().isEmpty())
        return nullptr;
    IDragSourceHelper* helper = nullptr;
    if (FAILED(CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER, IID_IDragSourceHelper,
                                reinterpret_cast<void**>(&helper))))
        return nullptr;
    const Image& image = drag.image();
    if (image.isNull())
        return helper;
    SHDRAGIMAGE shown = {};
    shown.sizeDragImage = {image.width(), image.height()};
    shown.ptOffset = {withinOrMiddle(drag.hotSpot().x, image.width()),
                      withinOrMiddle(drag.hotSpot().y, image.height())};
    shown.hbmpDragImage = dragBitmap(image);
    shown.crColorKey = 0xFFFFFFFF;
    if (shown.hbmpDragImage && SUCCEEDED(helper->InitializeFromBitmap(&shown, data)))
        return helper;
    if (shown.hbmpDragImage)
        DeleteObject(shown.hbmpDragImage);
    helper->Release();
    return nullptr;
}

} // namespace

Size UIDragState::systemDragThreshold()
{
    return Size(GetSystemMetrics(SM_CXDRAG), GetSystemMetrics(SM_CYDRAG));
}

uint32_t UIDragState::runSystemDrag(const UIDrag& drag, uint32_t actions)
{
    auto* data = new (std::nothrow) UIDataObject();
    if (!data)
        return 0;
    auto* source = new (std::nothrow) UIDropSource(UIDropSource::heldButton());
    if (!source || toOleData(m_mimeData, data) == 0) {
        if (source)
            source->Release();
        data->Release();
        return 0;
    }
    IDragSourceHelper* helper = dragImageHelper(drag, data);
    DWORD effect = DROPEFFECT_NONE;
    HRESULT result;
    {
        DragFullWindowsScope fullWindows;
        result = DoDragDrop(data, source, actions, &effect);
    }
    if (helper)
        helper->Release();
    source->Release();
    data->Release();
    return result == DRAGDROP_S_DROP ? chooseAction(effect) : 0;
}
