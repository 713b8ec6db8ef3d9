#pragma once

#include <cstdint>

// The window Direct3D draws into. It is never shown: each frame is read back
// and painted by the widget, so the window needs no place and no parent.
class UI3dPrivate
{
public:
    static constexpr const char16_t* kClassName = u"UI3dPrivate";

    UI3dPrivate();
    ~UI3dPrivate();
    UI3dPrivate(const UI3dPrivate&) = delete;
    UI3dPrivate& operator=(const UI3dPrivate&) = delete;

    // The window as a pointer-sized value; 0 when it could not be made.
    uintptr_t handle() const { return m_handle; }

private:
    uintptr_t m_handle = 0;
};
