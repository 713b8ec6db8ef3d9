#pragma once

#include "foundation/geometry/Point.h"
#include "graphics/paint/FontDesc.h"

// The system's input method as the toolkit uses it: input contexts moved
// between windows, a composition ended, the composition window placed. The
// Input Method Manager under Windows; natively nothing answers unless a test
// installs its own.
class UIInputMethodBackend
{
public:
    virtual ~UIInputMethodBackend() = default;

    virtual bool isWindow(void* window) const = 0;
    // Gives the window the context (null switches the input method off for
    // it); the context the window had before.
    virtual void* associateContext(void* window, void* context) = 0;
    // Completes or cancels the window's composition; false when the window
    // has no context.
    virtual bool endComposition(void* window, bool commit) = 0;
    // Puts the composition window at the point of the window's client area,
    // in the font; false when the window has no context.
    virtual bool placeComposition(void* window, const Point& point, const FontDesc& font) = 0;

    static UIInputMethodBackend* instance();
    // Null brings back the system's.
    static void install(UIInputMethodBackend* backend);
    static UIInputMethodBackend* systemBackend();
};
