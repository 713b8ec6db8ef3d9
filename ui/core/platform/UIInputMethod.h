#pragma once

#include "foundation/text/String.h"

#include <cstdint>

class UIWidget;

// Lets the system's input method compose text only for widgets that take
// text, places its composition window at the widget's text cursor and ends a
// composition when the focus or the mouse goes elsewhere. One per process;
// at most one composition is open at a time.
class UIInputMethod
{
public:
    // The widget takes text input through the input method.
    static constexpr uint32_t kTakesTextFlag = 0x8000;
    // A composition is open on the widget.
    static constexpr uint32_t kComposingFlag = 0x10000;

    static UIInputMethod* instance();

    // A composition starts on the widget in the window; false for a widget
    // that does not take text or a window that does not exist.
    bool begin(UIWidget* widget, void* window);
    bool isActive() const { return widget() != nullptr; }
    // The widget of the open composition; null when none is open or the
    // widget has gone.
    UIWidget* widget() const;
    // Completes (commit) or cancels the open composition.
    void end(bool commit);
    // The dispatcher calls it for every focus-in and focus-out: the input
    // method is on for a window only while a text-taking widget has the focus.
    void focusChanged(UIWidget* widget, bool gained);
    void updateCompositionWindow();

private:
    UIInputMethod() = default;

    void forget();

    // Known by pointer and id, so a widget deleted mid-composition, or a new
    // one at its address, is never touched.
    UIWidget* m_widget = nullptr;
    uint32_t m_widgetId = 0;
    void* m_window = nullptr;
    // The context taken from a window the first time the input method was
    // switched off there; given back to text-taking widgets' windows.
    void* m_savedContext = nullptr;
};
