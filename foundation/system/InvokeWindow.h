#pragma once

#include "foundation/platform/NativeWindow.h"

#include <cstdint>

// The hidden window through which worker threads reach the GUI thread: a
// worker posts startedMessage or finishedMessage with its serial number as
// wParam and the Thread as lParam, and the window emits that thread's started
// or finished signal on the thread that owns the window.
class InvokeWindow : public NativeWindow
{
public:
    // The one window, made on first use by the calling thread.
    static InvokeWindow& instance();

    uint32_t startedMessage() const { return m_startedMessage; }
    uint32_t finishedMessage() const { return m_finishedMessage; }

    bool handleMessage(NativeMessage* message) override;

private:
    InvokeWindow();

    uint32_t m_startedMessage;
    uint32_t m_finishedMessage;
};
