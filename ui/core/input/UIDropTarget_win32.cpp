#include "ui/core/input/UIDropTarget.h"

#include "ui/core/application/UIApplication.h"
#include "ui/core/input/UIDragState.h"
#include "ui/core/input/UIOleDrag.h"
#include "ui/core/widget/UIWidget.h"

#include <shlguid.h>

#include <utility>

namespace {

// In a drag's key state this bit is the Alt key; the first extra button,
// which shares it, is asked for directly.
const DWORD kAltKey = 0x20;

} // namespace

UIDropTarget::UIDropTarget(UIWidget* window, HWND handle)
    : UIComObject(IID_IDropTarget), m_window(window), m_windowId(window ? window->id() : 0), m_handle(handle)
{
    // Missing on some systems: then there is no drag image and nothing else
    // changes.
    if (FAILED(CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER, IID_IDropTargetHelper,
                                reinterpret_cast<void**>(&m_helper))))
        m_helper = nullptr;
}

UIDropTarget::~UIDropTarget()
{
    keepData(nullptr);
    if (m_helper)
        m_helper->Release();
}

uint32_t UIDropTarget::buttonsOf(DWORD keys)
{
    uint32_t buttons = 0;
    if (keys & MK_LBUTTON)
        buttons |= UIDragState::kLeftButton;
    if (keys & MK_RBUTTON)
        buttons |= UIDragState::kRightButton;
    if (keys & MK_MBUTTON)
        buttons |= UIDragState::kMiddleButton;
    if ((keys & MK_XBUTTON2) || (GetAsyncKeyState(VK_XBUTTON1) & 0x8000))
        buttons |= UIDragState::kExtraButton;
    return buttons;
}

uint32_t UIDropTarget::modifiersOf(DWORD keys)
{
    uint32_t modifiers = 0;
    if (keys & MK_SHIFT)
        modifiers |= UIDragState::kShiftModifier;
    if (keys & MK_CONTROL)
        modifiers |= UIDragState::kControlModifier;
    if (keys & kAltKey)
        modifiers |= UIDragState::kAltModifier;
    return modifiers;
}

UIWidget* UIDropTarget::window() const
{
    if (!m_window || !UIApplication::instance()->contains(m_window) || m_window->id() != m_windowId)
        return nullptr;
    return m_window;
}

Point UIDropTarget::clientPoint(POINTL point) const
{
    POINT client = {point.x, point.y};
    ScreenToClient(m_handle, &client);
    return Point(client.x, client.y);
}

void UIDropTarget::keepData(IDataObject* data)
{
    if (data)
        data->AddRef();
    if (m_data)
        m_data->Release();
    m_data = data;
}

HRESULT UIDropTarget::DragEnter(IDataObject* data, DWORD, POINTL point, DWORD* effect)
{
    if (m_helper && data && effect) {
        POINT screen = {point.x, point.y};
        m_helper->DragEnter(m_handle, data, &screen, *effect);
    }
    if (!data || !effect)
        return E_INVALIDARG;
    keepData(data);
    UIMimeData mime;
    if (window() && IsWindowEnabled(m_handle))
        fromOleData(data, &mime);
    UIDragState::instance()->enterWindow(std::move(mime));
    *effect = DROPEFFECT_NONE;
    return S_OK;
}

HRESULT UIDropTarget::DragOver(DWORD keys, POINTL point, DWORD* effect)
{
    if (m_helper && effect) {
        POINT screen = {point.x, point.y};
        m_helper->DragOver(&screen, *effect);
    }
    if (!effect)
        return E_INVALIDARG;
    UIWidget* widget = window();
    *effect = widget ? UIDragState::instance()->moveOver(widget, clientPoint(point), buttonsOf(keys),
                                                         modifiersOf(keys), *effect)
                     : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT UIDropTarget::DragLeave()
{
    if (m_helper)
        m_helper->DragLeave();
    UIDragState::instance()->leaveWindow();
    keepData(nullptr);
    return S_OK;
}

HRESULT UIDropTarget::Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect)
{
    if (m_helper && data && effect) {
        POINT screen = {point.x, point.y};
        m_helper->Drop(data, &screen, *effect);
    }
    if (!data || !effect)
        return E_INVALIDARG;
    UIWidget* widget = window();
    *effect = widget ? UIDragState::instance()->dropOn(widget, clientPoint(point), buttonsOf(keys),
                                                       modifiersOf(keys))
                     : DROPEFFECT_NONE;
    keepData(nullptr);
    return S_OK;
}
