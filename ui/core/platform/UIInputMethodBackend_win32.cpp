#include "ui/core/platform/UIInputMethodBackend.h"

#include "foundation/platform/Win32Text.h"

#include <windows.h>

#include <imm.h>

namespace {

// A window's input context, released when it goes out of scope.
class ContextHandle
{
public:
    explicit ContextHandle(HWND window) : m_window(window), m_context(ImmGetContext(window)) {}
    ~ContextHandle()
    {
        if (m_context)
            ImmReleaseContext(m_window, m_context);
    }
    ContextHandle(const ContextHandle&) = delete;
    ContextHandle& operator=(const ContextHandle&) = delete;
    HIMC get() const { return m_context; }

private:
    HWND m_window;
    HIMC m_context;
};

const int kLogFontBytes = static_cast<int>(sizeof(LOGFONTW));

HFONT createFont(const FontDesc& font)
{
    uint32_t style = font.style();
    DWORD quality = FontDesc::clearTypeEnabled() ? CLEARTYPE_QUALITY : DEFAULT_QUALITY;
    return CreateFontW(-font.pixelSize(), 0, 0, 0, (style & FontDesc::kBold) ? FW_BOLD : FW_DONTCARE,
                       (style & FontDesc::kItalic) != 0, (style & FontDesc::kUnderline) != 0,
                       (style & FontDesc::kStrikeOut) != 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, quality, DEFAULT_PITCH, wideText(font.family()));
}

void setCompositionFont(HIMC context, const FontDesc& font)
{
    HFONT handle = createFont(font);
    if (!handle)
        return;
    LOGFONTW description = {};
    if (GetObjectW(handle, kLogFontBytes, &description) == kLogFontBytes)
        ImmSetCompositionFontW(context, &description);
    DeleteObject(handle);
}

class ImmInputMethod : public UIInputMethodBackend
{
public:
    bool isWindow(void* window) const override { return window && IsWindow(static_cast<HWND>(window)); }

    void* associateContext(void* window, void* context) override
    {
        return ImmAssociateContext(static_cast<HWND>(window), static_cast<HIMC>(context));
    }

    bool endComposition(void* window, bool commit) override
    {
        ContextHandle context(static_cast<HWND>(window));
        if (!context.get())
            return false;
        ImmNotifyIME(context.get(), NI_COMPOSITIONSTR, commit ? CPS_COMPLETE : CPS_CANCEL, 0);
        return true;
    }

    bool placeComposition(void* window, const Point& point, const FontDesc& font) override
    {
        ContextHandle context(static_cast<HWND>(window));
        if (!context.get())
            return false;
        setCompositionFont(context.get(), font);
        COMPOSITIONFORM form = {};
        form.dwStyle = CFS_FORCE_POSITION;
        form.ptCurrentPos.x = point.x;
        form.ptCurrentPos.y = point.y;
        ImmSetCompositionWindow(context.get(), &form);
        return true;
    }
};

} // namespace

UIInputMethodBackend* UIInputMethodBackend::systemBackend()
{
    static ImmInputMethod backend;
    return &backend;
}
