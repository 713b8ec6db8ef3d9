#include "graphics/paint/GdiFont.h"

#include <windows.h>

#include <vector>

namespace {

constexpr int kBoldWeight = 700;
constexpr DWORD kClearTypeNaturalQuality = 6;

// One display context measures every font. It lives from first use to the
// end of the program.
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
        if (m_dc)
            DeleteDC(m_dc);
    }
    MeasuringContext(const MeasuringContext&) = delete;
    MeasuringContext& operator=(const MeasuringContext&) = delete;

    HDC dc() const { return m_dc; }

private:
    HDC m_dc;
};

HDC measuringContext()
{
    static MeasuringContext context;
    return context.dc();
}

// A font selected into the measuring context for one measurement; the
// previous object goes back when it ends.
class SelectedFont
{
public:
    explicit SelectedFont(HFONT font) : m_dc(font ? measuringContext() : nullptr)
    {
        if (m_dc)
            m_previous = SelectObject(m_dc, font);
    }
    ~SelectedFont()
    {
        if (m_dc && m_previous)
            SelectObject(m_dc, m_previous);
    }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

    // Null when there is nothing to measure with.
    HDC dc() const { return m_previous ? m_dc : nullptr; }

private:
    HDC m_dc;
    HGDIOBJ m_previous = nullptr;
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
