#include "ui/widgets/UIProgress.h"

#include "graphics/paint/Painter.h"
#include "ui/core/theme/UIStyleValues.h"

#include <algorithm>

namespace {

const char16_t* const kSkinNames[] = {
    u"UIProgress_HorizontalBackground", u"UIProgress_HorizontalChunk", u"UIProgress_HorizontalBorder",
    u"UIProgress_VerticalBackground",   u"UIProgress_VerticalChunk",   u"UIProgress_VerticalBorder",
};

enum Property
{
    kFont,
    kForeground,
    kPadding,
    kThickness
};
const char16_t* const kPropertyNames[] = {u"font", u"foreground", u"padding", u"thickness"};

// Narrower chunks would show only their border's corners.
constexpr int kMinimumChunk = 4;

} // namespace

UIProgress::UIProgress(UIWidget* parent) : UIWidget(parent), m_textFormat(u"^%")
{
    setFlag(kTransparent, true);
    setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kFixed);
    setStyleName(String(u"UIProgress"));
}

UIStyleNames UIProgress::skinNames()
{
    return styleNamesOf(kSkinNames);
}

UIStyleNames UIProgress::propertyNames()
{
    return styleNamesOf(kPropertyNames);
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
        Rect chunk(m_padding.left, m_padding.top, length - m_padding.left - m_padding.right,
                   height() - m_padding.top - m_padding.bottom);
        return chunk.width >= kMinimumChunk ? chunk : Rect();
    }
    const int length = int(height() * fraction());
    Rect chunk(m_padding.left, height() - length + m_padding.top, width() - m_padding.left - m_padding.right,
               length - m_padding.top - m_padding.bottom);
    return chunk.height >= kMinimumChunk ? chunk : Rect();
}

String UIProgress::text() const
{
    return m_textFormat.replace(String(u"^"), String::fromInt(m_value), String::kCaseSensitive);
}

Size UIProgress::sizeHint() const
{
    if (isVertical())
        return Size(m_thickness, std::max(50, minimumHeight()));
    return Size(std::max(50, minimumWidth()), m_thickness);
}

void UIProgress::setStyleProperty(const String& name, const String& value)
{
    switch (propertyNames().indexOf(name)) {
    case kFont:
        m_font = parseStyleFont(value);
        return;
    case kForeground:
        m_textPen = parseStylePen(value);
        return;
    case kPadding:
        m_padding = parseStyleMargins(value);
        return;
    case kThickness:
        m_thickness = parseStyleInt(value);
        return;
    default:
        return;
    }
}

void UIProgress::setSkinImage(const UISkinImage& image, const String& name)
{
    const int index = skinNames().indexOf(name);
    if (index >= 0)
        m_skins[index] = image;
}

void UIProgress::paintWith(Painter& painter)
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
    painter.setFont(m_font);
    painter.setPen(m_textPen);
    painter.drawText(text(), rect(), uint32_t(m_textAlignment), 0, false, nullptr);
}
