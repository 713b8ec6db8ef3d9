#include "ui/core/input/UIFormatEnumerator.h"

#include <new>
#include <utility>

UIFormatEnumerator::UIFormatEnumerator(std::vector<FORMATETC> formats, size_t index)
    : UIComObject(IID_IEnumFORMATETC), m_formats(std::move(formats)), m_index(index)
{
}

HRESULT UIFormatEnumerator::Next(ULONG count, FORMATETC* out, ULONG* fetched)
{
    if (fetched)
        *fetched = 0;
    // Without a place for the count only one format may be asked for.
    if (count == 0 || !out || m_index >= m_formats.size() || (!fetched && count != 1))
        return S_FALSE;
    ULONG copied = 0;
    for (; copied < count && m_index < m_formats.size(); ++copied, ++m_index)
        out[copied] = m_formats[m_index];
    if (fetched)
        *fetched = copied;
    return copied == count ? S_OK : S_FALSE;
}

HRESULT UIFormatEnumerator::Skip(ULONG count)
{
    // Compared as what is left, so that a huge count cannot wrap around.
    if (count >= m_formats.size() - m_index)
        return S_FALSE;
    m_index += count;
    return S_OK;
}

HRESULT UIFormatEnumerator::Reset()
{
    m_index = 0;
    return S_OK;
}

HRESULT UIFormatEnumerator::Clone(IEnumFORMATETC** out)
{
    if (!out)
        return E_POINTER;
    *out = new (std::nothrow) UIFormatEnumerator(m_formats, m_index);
    return *out ? S_OK : E_OUTOFMEMORY;
}
