#include "ui/core/input/UIDataObject.h"

#include "ui/core/input/UIFormatEnumerator.h"

#include <cstring>
#include <cwchar>
#include <new>

namespace {

bool sharesMedium(const FORMATETC& stored, const FORMATETC& asked)
{
    return (stored.tymed & asked.tymed) != 0;
}

// A file name medium owns its text, which the receiver frees.
LPOLESTR copyFileName(LPOLESTR name)
{
    if (!name)
        return nullptr;
    size_t bytes = (wcslen(name) + 1) * sizeof(wchar_t);
    auto* copy = static_cast<LPOLESTR>(CoTaskMemAlloc(bytes));
    if (copy)
        memcpy(copy, name, bytes);
    return copy;
}

} // namespace

UIDataObject::UIDataObject() : UIComObject(IID_IDataObject) {}

UIDataObject::~UIDataObject()
{
    for (Entry& entry : m_entries)
        ReleaseStgMedium(&entry.medium);
}

HRESULT UIDataObject::duplicateMedium(const STGMEDIUM& from, CLIPFORMAT format, STGMEDIUM* to)
{
    STGMEDIUM copy = {};
    copy.tymed = from.tymed;
    switch (from.tymed) {
    case TYMED_NULL:
        break;
    case TYMED_FILE:
        copy.lpszFileName = copyFileName(from.lpszFileName);
        if (from.lpszFileName && !copy.lpszFileName)
            return E_OUTOFMEMORY;
        break;
    case TYMED_HGLOBAL:
    case TYMED_GDI:
    case TYMED_MFPICT:
    case TYMED_ENHMF:
        copy.hGlobal = static_cast<HGLOBAL>(OleDuplicateData(from.hGlobal, format, 0));
        if (!copy.hGlobal)
            return E_OUTOFMEMORY;
        break;
    case TYMED_ISTREAM:
        copy.pstm = from.pstm;
        if (copy.pstm)
            copy.pstm->AddRef();
        break;
    case TYMED_ISTORAGE:
        copy.pstg = from.pstg;
        if (copy.pstg)
            copy.pstg->AddRef();
        break;
    default:
        return DV_E_TYMED;
    }
    copy.pUnkForRelease = from.pUnkForRelease;
    if (copy.pUnkForRelease)
        copy.pUnkForRelease->AddRef();
    *to = copy;
    return S_OK;
}

HRESULT UIDataObject::GetData(FORMATETC* format, STGMEDIUM* medium)
{
    if (!format || !medium)
        return E_INVALIDARG;
    for (const Entry& entry : m_entries) {
        if (sharesMedium(entry.format, *format) && entry.format.dwAspect == format->dwAspect &&
            entry.format.cfFormat == format->cfFormat)
            return duplicateMedium(entry.medium, entry.format.cfFormat, medium);
    }
    return DV_E_FORMATETC;
}

HRESULT UIDataObject::GetDataHere(FORMATETC*, STGMEDIUM*)
{
    return E_NOTIMPL;
}

HRESULT UIDataObject::QueryGetData(FORMATETC* format)
{
    if (!format)
        return E_INVALIDARG;
    if (!(format->dwAspect & DVASPECT_CONTENT))
        return DV_E_DVASPECT;
    bool mediumMatched = false;
    for (const Entry& entry : m_entries) {
        if (!sharesMedium(entry.format, *format))
            continue;
        if (entry.format.cfFormat == format->cfFormat)
            return S_OK;
        mediumMatched = true;
    }
    return mediumMatched ? DV_E_CLIPFORMAT : DV_E_TYMED;
}

HRESULT UIDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out)
{
    if (!out)
        return E_INVALIDARG;
    out->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

HRESULT UIDataObject::SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release)
{
    if (!format || !medium)
        return E_INVALIDARG;
    Entry entry;
    entry.format = *format;
    // The target device belongs to the caller; the enumerator hands our
    // formats out and must not give away a pointer we do not own.
    entry.format.ptd = nullptr;
    if (release) {
        entry.medium = *medium;
    } else {
        HRESULT copied = duplicateMedium(*medium, format->cfFormat, &entry.medium);
        if (FAILED(copied))
            return copied;
    }
    m_entries.push_back(entry);
    return S_OK;
}

HRESULT UIDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (direction != DATADIR_GET)
        return E_NOTIMPL;
    std::vector<FORMATETC> formats;
    for (const Entry& entry : m_entries)
        formats.push_back(entry.format);
    *out = new (std::nothrow) UIFormatEnumerator(formats);
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT UIDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT UIDataObject::DUnadvise(DWORD)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT UIDataObject::EnumDAdvise(IEnumSTATDATA**)
{
    return OLE_E_ADVISENOTSUPPORTED;
}
