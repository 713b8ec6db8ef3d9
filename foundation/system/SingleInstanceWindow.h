#pragma once

#include "foundation/platform/NativeWindow.h"

#include <cstdint>

// The invisible window by which a second start of the program finds the
// first: its class is named like the instance mutex. It passes the private
// hand-over message on to the main window.
class SingleInstanceWindow : public NativeWindow
{
public:
    static constexpr uint32_t kHandOverMessage = 0xD000;

    // "[" + the product name in capitals + "]": the name of the window class
    // and of the instance mutex.
    static String instanceName(const String& productName);
    // Makes the one window for the product, replacing an earlier one.
    static SingleInstanceWindow* create(const String& productName);
    static void destroy();
    static SingleInstanceWindow* instance();
    // Sends the hand-over message to another process's hidden window of our
    // instance name; false when there is none or it does not answer.
    static bool handOver();

    // The window that receives the hand-over message; null drops it.
    void setMainWindow(void* window) { m_mainWindow = window; }
    void* mainWindow() const { return m_mainWindow; }

    bool handleMessage(NativeMessage* message) override;

private:
    explicit SingleInstanceWindow(const String& name);

    void* m_mainWindow = nullptr;
};
