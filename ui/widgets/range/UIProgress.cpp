#include "ui/widgets/range/UIProgress.h"

#include "graphics/paint/Painter.h"
#include "ui/core/theme/UIStyleValues.h"

#include <algorithm>

namespace {

const char16_t* const kSkinNames[] = {
    u"UIProgress_HorizontalBackground", u"UIProgress_HorizontalChunk", u"UIProgress_HorizontalBorder",
    u"UIProgress_VerticalBackground",   u"UIProgress_VerticalChunk",   u"UIProgress_VerticalBorder",
};

const UIStyleField<UIProgress::Style> kFields[] = {
    {u"font", [](UIProgress::Style& s, const String& v) { s.font = parseStyleFont(v); }},
    {u"foreground", [](UIProgress::Style& s, const String& v) { s.textPen = parseStylePen(v); }},
    {u"padding", [](UIProgress::Style& s, const String& v) { s.padding = parseStyleMargins(v); }},
    {u"thickness", [](UIProgress::Style& s, const String& v) { s.thickness = parseStyleInt(v); }},
};

// Narrower chunks would show only their border's corners.
constexpr int kMinimumChunk = 4;

} // namespace

UIProgress::UIProgress(UIWidget* parent) : UIWidget(parent), m_textFormat(u"^%")
{
    setFlag(kTransparent, true);
    setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kFixed);
    setStyleName(String(u"UIProgress"));
}

UIStyleNames UIProgress::styleNames()
{
    return UIStyleNames{String(u"UIProgress"), styleFieldNames(kFields), skinImageNames(kSkinNames)};
}

void UIProgress::setRange(int a, int b)
{
    m_minimum = std::min(a, b);
    m_maximum = std::max(a, b);
}

void UIProgress::setMaximum(int maximum)
{
    setRange(m_minimum, maximum);
}

void UIProgress::setValue(int value)
{
    if (value == m_value)
        return;
    m_value = std::min(std::max(value, m_minimum), m_maximum);
    update();
}

void UIProgress::setToMinimum()
{
    const int value = std::min(m_minimum, m_maximum);
    if (value == m_value)
        return;
    m_value = value;
    update();
}

void UIProgress::setToMaximum()
{
    const int value = std::max(m_minimum, m_maximum);
    if (value == m_value)
        return;
    m_value = value;
    update();
}

void UIProgress::setOrientation(int orientation)
{
    m_orientation = orientation;
    if (isVertical())
        setSizePolicy(UISizePolicy::kFixed, UISizePolicy::kPreferred);
    else
        setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kFixed);
}

double UIProgress::fraction() const
{
    if (m_maximum == m_minimum)
        return 0.0;
    const double share = (double(m_value) - m_minimum) / (double(m_maximum) - m_minimum);
    return std::min(std::max(share, 0.0), 1.0);
}

Rect UIProgress::chunkRect() const
{
    if (m_maximum == m_minimum)
        return Rect();
    if (!isVertical()) {
        const int length = int(width() * fraction());
        Rect chunk(m_style.padding.left, m_style.padding.top,
                   length - m_style.padding.left - m_style.padding.right,
                   height() - m_style.padding.top - m_style.padding.bottom);
        return chunk.width >= kMinimumChunk ? chunk : Rect();
    }
    const int length = int(height() * fraction());
    Rect chunk(m_style.padding.left, height() - length + m_style.padding.top,
               width() - m_style.padding.left - m_style.padding.right,
               length - m_style.padding.top - m_style.padding.bottom);
    return chunk.height >= kMinimumChunk ? chunk : Rect();
}

String UIProgress::text() const
{
    return m_textFormat.replace(String(u"^"), String::fromInt(m_value), String::kCaseSensitive);
}

Size UIProgress::sizeHint() const
{
    if (isVertical())
        return Size(m_style.thickness, std::max(50, minimumHeight()));
    return Size(std::max(50, minimumWidth()), m_style.thickness);
}

void UIProgress::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

void UIProgress::setSkinImage(const UISkinImage& image, const String& name)
{
    const int index = skinImageIndex(kSkinNames, name);
    if (index >= 0)
        m_skins[index] = image;
}

void UIProgress::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}

void UIProgress::draw(Painter& painter) const
{
    const int first = isVertical() ? kVerticalBackground : kHorizontalBackground;
    m_skins[first].draw(painter, rect(), 0, UISkinImage::kAllCells);
    const Rect chunk = chunkRect();
    if (!chunk.isEmpty()) {
        painter.tileImage(m_skins[first + 1].image(), chunk);
        m_skins[first + 2].draw(painter, chunk, 0, UISkinImage::kAllCells);
    }
    if (!m_textVisible)
        return;
    painter.setFont(m_style.font);
    painter.setPen(m_style.textPen);
    painter.drawText(text(), rect(), uint32_t(m_textAlignment), 0, false, nullptr);
}
