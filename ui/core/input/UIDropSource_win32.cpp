#include "ui/core/input/UIDropSource.h"

namespace {

bool isDown(int key)
{
    return (GetAsyncKeyState(key) & 0x8000) != 0;
}

} // namespace

UIDropSource::UIDropSource(DWORD startButton)
    : UIComObject(IID_IDropSource), m_startButton(startButton),
      m_cancelButton(startButton == MK_RBUTTON ? MK_LBUTTON : MK_RBUTTON)
{
}

DWORD UIDropSource::heldButton()
{
    return !isDown(VK_LBUTTON) && isDown(VK_RBUTTON) ? MK_RBUTTON : MK_LBUTTON;
}

HRESULT UIDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keys)
{
    // In a drag's key state 0x20 is the Alt key (MK_ALT), which only picks
    // the action; the first extra button shares that bit, so it is asked for
    // directly.
    if (escapePressed || (keys & (m_cancelButton | MK_MBUTTON | MK_XBUTTON2)) || isDown(VK_XBUTTON1))
        return DRAGDROP_S_CANCEL;
    return (keys & m_startButton) ? S_OK : DRAGDROP_S_DROP;
}

HRESULT UIDropSource::GiveFeedback(DWORD)
{
    // The toolkit keeps no cursors of its own for the drop actions.
    return DRAGDROP_S_USEDEFAULTCURSORS;
}
