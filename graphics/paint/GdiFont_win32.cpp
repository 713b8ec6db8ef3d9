#include "graphics/paint/GdiFont.h"

#include <windows.h>

#include <vector>

namespace {

constexpr int kBoldWeight = 700;
constexpr DWORD kClearTypeNaturalQuality = 6;

// One display context measures every font. It lives from first use to the
// end of the program. The font last measured stays selected: a view measures
// hundreds of texts in one font each paint, and under Wine each selection
// costs as much as the measurement.
class MeasuringContext
{
public:
    MeasuringContext() : m_dc(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr))
    {
        if (!m_dc)
            return;
        SetGraphicsMode(m_dc, GM_ADVANCED);
        SetMapMode(m_dc, MM_TEXT);
    }
    ~MeasuringContext()
    {
        if (!m_dc)
            return;
        deselect();
        DeleteDC(m_dc);
    }
    MeasuringContext(const MeasuringContext&) = delete;
    MeasuringContext& operator=(const MeasuringContext&) = delete;

    // The context with font selected; null when there is none or the font
    // cannot be selected.
    HDC select(HFONT font)
    {
        if (!m_dc || !font)
            return nullptr;
        if (font == m_selected)
            return m_dc;
        HGDIOBJ previous = SelectObject(m_dc, font);
        if (!previous)
            return nullptr;
        if (!m_original)
            m_original = previous;
        m_selected = font;
        return m_dc;
    }
    // A font about to be deleted must not stay selected.
    void release(HFONT font)
    {
        if (font && font == m_selected)
            deselect();
    }

private:
    void deselect()
    {
        if (m_original)
            SelectObject(m_dc, m_original);
        m_selected = nullptr;
    }

    HDC m_dc;
    HFONT m_selected = nullptr;
    HGDIOBJ m_original = nullptr;
};

MeasuringContext& measuringContext()
{
    static MeasuringContext context;
    return context;
}

// The measuring context with a font selected; dc() is null when there is
// nothing to measure with.
class SelectedFont
{
public:
    explicit SelectedFont(HFONT font) : m_dc(measuringContext().select(font)) {}

    HDC dc() const { return m_dc; }

private:
    HDC m_dc;
};

} // namespace

HFONT__* GdiFont::createHandle(const FontDesc& font)
{
    const uint32_t style = font.style();
    const wchar_t* face =
        font.family().isEmpty() ? L"" : reinterpret_cast<const wchar_t*>(font.family().data());
    return CreateFontW(font.pixelSize(), 0, 0, 0, (style & FontDesc::kBold) ? kBoldWeight : 0,
                       (style & FontDesc::kItalic) ? TRUE : FALSE,
                       (style & FontDesc::kUnderline) ? TRUE : FALSE,
                       (style & FontDesc::kStrikeOut) ? TRUE : FALSE, DEFAULT_CHARSET, 0, 0,
                       FontDesc::clearTypeEnabled() ? kClearTypeNaturalQuality : 0, 0, face);
}

GdiFont::GdiFont(const FontDesc& font) : m_font(font)
{
    measure();
}

GdiFont::GdiFont(const GdiFont& other) : m_font(other.m_font)
{
    measure();
}

GdiFont& GdiFont::operator=(const GdiFont& other)
{
    setFont(other.m_font);
    return *this;
}

GdiFont::~GdiFont()
{
    release();
}

void GdiFont::setFont(const FontDesc& font)
{
    if (font == m_font && m_handle)
        return;
    m_font = font;
    measure();
}

void GdiFont::release()
{
    measuringContext().release(m_handle);
    if (m_handle)
        DeleteObject(m_handle);
    m_handle = nullptr;
}

void GdiFont::measure()
{
    release();
    m_ascent = m_descent = m_leading = m_maxCharWidth = 0;
    m_handle = createHandle(m_font);
    SelectedFont selected(m_handle);
    TEXTMETRICW metrics;
    if (!selected.dc() || !GetTextMetricsW(selected.dc(), &metrics))
        return;
    m_ascent = metrics.tmAscent;
    m_descent = metrics.tmDescent;
    m_leading = metrics.tmExternalLeading;
    m_maxCharWidth = metrics.tmMaxCharWidth;
}

int GdiFont::textWidth(const char16_t* text, int length) const
{
    if (!text || length < 1)
        return 0;
    SelectedFont selected(m_handle);
    SIZE size;
    if (!selected.dc() ||
        !GetTextExtentPoint32W(selected.dc(), reinterpret_cast<const wchar_t*>(text), length, &size))
        return 0;
    return size.cx;
}

bool GdiFont::prefixWidths(const char16_t* text, int length, Array<int>& widths) const
{
    widths.destroy();
    if (!text || length < 1)
        return false;
    SelectedFont selected(m_handle);
    if (!selected.dc())
        return false;
    std::vector<INT> extents(static_cast<size_t>(length));
    SIZE size;
    if (!GetTextExtentExPointW(selected.dc(), reinterpret_cast<const wchar_t*>(text), length, 0, nullptr,
                               extents.data(), &size))
        return false;
    if (!widths.reserve(length))
        return false;
    for (INT extent : extents)
        widths.append(extent);
    return true;
}
