#include "ui/views/web/browser/ComText.h"

BSTR ComText::toBstr(const String& text)
{
    return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), UINT(text.length()));
}

String ComText::take(BSTR text)
{
    if (!text)
        return String();
    String result(reinterpret_cast<const char16_t*>(text), int(SysStringLen(text)));
    SysFreeString(text);
    return result;
}

bool ComText::writeDocument(IHTMLDocument2* document, const String& text)
{
    SAFEARRAY* lines = SafeArrayCreateVector(VT_VARIANT, 0, 1);
    if (!lines)
        return false;
    VARIANT* element = nullptr;
    bool written = false;
    if (SUCCEEDED(SafeArrayAccessData(lines, reinterpret_cast<void**>(&element)))) {
        element->vt = VT_BSTR;
        element->bstrVal = toBstr(text);
        SafeArrayUnaccessData(lines);
        written = element->bstrVal && SUCCEEDED(document->write(lines));
    }
    // Frees the copy of the text with the array.
    SafeArrayDestroy(lines);
    return written;
}
