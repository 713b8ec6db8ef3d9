#pragma once

#include "ui/core/input/UIComObject.h"

// Tells the system's drag loop when a drag from here drops or is cancelled:
// releasing the button that started it drops, Escape, the other of the left
// and right buttons, the middle or an extra button cancel.
class UIDropSource : public UIComObject<IDropSource>
{
public:
    // MK_LBUTTON or MK_RBUTTON, the other one cancels.
    explicit UIDropSource(DWORD startButton);
    // The button held now: the right one when only it is down, else the left.
    static DWORD heldButton();

    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keys) override;
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override;

private:
    DWORD m_startButton;
    DWORD m_cancelButton;
};
