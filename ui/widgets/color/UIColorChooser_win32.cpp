#include "ui/widgets/color/UIColorChooser.h"

#include "ui/core/widget/UIWidget.h"

#include <windows.h>

#include <commdlg.h>

namespace {

constexpr UINT kPlaceQuietly =
    SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_ASYNCWINDOWPOS;

UINT_PTR CALLBACK centringHook(HWND dialog, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return 0;
    const auto* record = reinterpret_cast<const CHOOSECOLORW*>(lParam);
    const auto* chooser = reinterpret_cast<const UIColorChooser*>(record->lCustData);
    const UIWidget* window = chooser->parent() ? chooser->parent()->window() : nullptr;
    if (!window)
        return 0;
    RECT own = {};
    GetWindowRect(dialog, &own);
    const Rect placed = UIColorChooser::centredOver(
        Rect(own.left, own.top, own.right - own.left, own.bottom - own.top), window->frameGeometry());
    SetWindowPos(dialog, nullptr, placed.x, placed.y, 0, 0, kPlaceQuietly);
    return 0;
}

} // namespace

bool UIColorChooser::runDialog(uint32_t* systemColor)
{
    COLORREF customColors[16] = {};
    CHOOSECOLORW record = {};
    record.lStructSize = sizeof(record);
    record.rgbResult = *systemColor;
    record.lpCustColors = customColors;
    record.Flags = systemFlags();
    if (m_parent) {
        record.hwndOwner = static_cast<HWND>(m_parent->windowHandle());
        record.lCustData = reinterpret_cast<LPARAM>(this);
        record.lpfnHook = centringHook;
    }
    if (!ChooseColorW(&record))
        return false;
    *systemColor = record.rgbResult;
    return true;
}
