#pragma once

// For the Windows build only.
#include <ole2.h>

// Holds one reference to a COM interface and gives it back when it goes.
template <class Interface> class ComRef
{
public:
    ComRef() = default;
    ~ComRef() { reset(); }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    Interface* get() const { return m_pointer; }
    Interface* operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }
    // For a call that hands out a reference.
    Interface** out()
    {
        reset();
        return &m_pointer;
    }
    void** outVoid() { return reinterpret_cast<void**>(out()); }
    // Holds a reference of its own to that interface instead.
    void share(Interface* pointer)
    {
        if (pointer)
            pointer->AddRef();
        reset();
        m_pointer = pointer;
    }
    void reset()
    {
        if (m_pointer)
            m_pointer->Release();
        m_pointer = nullptr;
    }
    // The interface asked of another object; empty when it has none.
    template <class Other> bool queryFrom(Other* object, REFIID iid)
    {
        reset();
        return object && SUCCEEDED(object->QueryInterface(iid, outVoid())) && m_pointer;
    }

private:
    Interface* m_pointer = nullptr;
};
