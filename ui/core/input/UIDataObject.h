#pragma once

#include "ui/core/input/UIComObject.h"

#include <vector>

// The data of a drag started here: the blocks put in by SetData, each under
// its format, in order. A format set twice is kept twice; the first wins.
class UIDataObject : public UIComObject<IDataObject>
{
public:
    UIDataObject();

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* format, FORMATETC* out) override;
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink,
                                      DWORD* connection) override;
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD connection) override;
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** out) override;

    // A copy of the medium that the receiver releases on its own.
    static HRESULT duplicateMedium(const STGMEDIUM& from, CLIPFORMAT format, STGMEDIUM* to);

private:
    struct Entry
    {
        FORMATETC format;
        STGMEDIUM medium;
    };

    ~UIDataObject() override;

    std::vector<Entry> m_entries;
};
