#pragma once

#include "ui/core/input/UIComObject.h"

#include "foundation/geometry/Point.h"

#include <shlobj.h>

#include <cstdint>

class UIWidget;

// The drop target of one native window. It reads what a drag carries into
// the drag state on entering (nothing when the window is disabled) and hands
// positions and the drop to the drag state, which picks the widget; the
// system's drag image helper, where there is one, is told of every step.
class UIDropTarget : public UIComObject<IDropTarget>
{
public:
    UIDropTarget(UIWidget* window, HWND handle);

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

    // Mouse buttons and keyboard modifiers of the toolkit from a drag's key
    // state.
    static uint32_t buttonsOf(DWORD keys);
    static uint32_t modifiersOf(DWORD keys);

private:
    ~UIDropTarget() override;
    // The window's widget while it lives.
    UIWidget* window() const;
    Point clientPoint(POINTL point) const;
    void keepData(IDataObject* data);

    UIWidget* m_window;
    uint32_t m_windowId;
    HWND m_handle;
    IDropTargetHelper* m_helper = nullptr;
    IDataObject* m_data = nullptr;
};
