#pragma once

#include "ui/core/input/UIComObject.h"

#include <vector>

// The formats of a data object, one after the other, for whoever asks what
// a drag or the clipboard offers. It keeps its own copy of the list.
class UIFormatEnumerator : public UIComObject<IEnumFORMATETC>
{
public:
    explicit UIFormatEnumerator(std::vector<FORMATETC> formats, size_t index = 0);

    HRESULT STDMETHODCALLTYPE Next(ULONG count, FORMATETC* out, ULONG* fetched) override;
    // Refused, with the position kept, when it would reach the end.
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumFORMATETC** out) override;

private:
    std::vector<FORMATETC> m_formats;
    size_t m_index;
};
