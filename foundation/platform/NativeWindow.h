#pragma once

#include "foundation/platform/NativeMessage.h"
#include "foundation/text/String.h"

// The smallest owner of a system window: it registers a window class of its
// own name, creates one hidden window of it and hands every message to
// handleMessage. A handler returning false leaves the message to the system's
// default handling. Messages that arrive while the window is being created or
// destroyed get the default handling only.
class NativeWindow
{
public:
    // Without a parent the window is a pop-up, with one a child; it is placed
    // far off screen with no size and stays hidden until shown.
    NativeWindow(const String& className, void* parent);
    virtual ~NativeWindow();
    NativeWindow(const NativeWindow&) = delete;
    NativeWindow& operator=(const NativeWindow&) = delete;

    virtual bool handleMessage(NativeMessage* message) = 0;

    void show(bool visible);
    void setGeometry(int x, int y, int width, int height);
    // Asks for the whole window to be repainted, background included.
    void invalidate();
    void* handle() const { return m_window; }
    const String& className() const { return m_className; }

private:
    String m_className;
    void* m_window = nullptr;
};
