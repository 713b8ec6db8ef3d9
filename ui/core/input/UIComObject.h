#pragma once

#include <ole2.h>
#include <windows.h>

// The reference counting and interface query of the toolkit's own COM
// objects: each answers for IUnknown and its one interface, starts with one
// reference held by its maker and deletes itself when the last one goes.
// For the Windows build only.
template <class Interface> class UIComObject : public Interface
{
public:
    explicit UIComObject(const IID& iid) : m_iid(iid) {}
    UIComObject(const UIComObject&) = delete;
    UIComObject& operator=(const UIComObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, m_iid)) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<Interface*>(this);
        this->AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(InterlockedIncrement(&m_references)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        LONG left = InterlockedDecrement(&m_references);
        if (left == 0)
            delete this;
        return ULONG(left);
    }

protected:
    virtual ~UIComObject() = default;

private:
    const IID& m_iid;
    LONG m_references = 1;
};
