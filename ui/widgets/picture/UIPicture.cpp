#include "ui/widgets/picture/UIPicture.h"

#include "foundation/containers/StringList.h"
#include "graphics/paint/FontMetrics.h"
#include "graphics/paint/Painter.h"
#include "ui/core/theme/UIStyleValues.h"

#include <algorithm>

namespace {

using Style = UIPicture::Style;

const UIStyleField<Style> kFields[] = {
    {u"font", [](Style& s, const String& v) { s.font = parseStyleFont(v); }},
    {u"foreground", [](Style& s, const String& v) { s.foreground = parseStylePen(v); }},
    {u"shadowForeground", [](Style& s, const String& v) { s.shadowForeground = parseStylePen(v); }},
    {u"shadowOffset", [](Style& s, const String& v) { s.shadowOffset = parseStylePoint(v); }},
    {u"background", [](Style& s, const String& v) { s.background = parseStyleBrush(v); }},
    {u"borderColor", [](Style& s, const String& v) { s.borderColor = parseStyleColor(v); }},
    {u"disabledBackground", [](Style& s, const String& v) { s.disabledBackground = parseStyleBrush(v); }},
    {u"disabledBorderColor", [](Style& s, const String& v) { s.disabledBorderColor = parseStyleColor(v); }},
};

// The smallest side a picture without auto size asks for.
constexpr int kMinimumSide = 32;

} // namespace

UIPicture::UIPicture(UIWidget* parent) : UIWidget(parent)
{
    setStyleName(String(u"UIPicture"));
    setSizePolicy(UISizePolicy::kFixed, UISizePolicy::kFixed);
}

UIStyleNames UIPicture::styleNames()
{
    return UIStyleNames{String(u"UIPicture"), styleFieldNames(kFields), {}};
}

void UIPicture::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

Size UIPicture::sizeHint() const
{
    Size hint = m_autoSize
                    ? m_autoSizeHint
                    : Size(std::max(minimumWidth(), kMinimumSide), std::max(minimumHeight(), kMinimumSide));
    return Size(std::max(hint.width, 1), std::max(hint.height, 1));
}

UIPictureImage* UIPicture::entry(int index) const
{
    if (index < 0)
        return nullptr;
    auto* node = m_images.nodeAt(index);
    return node ? &node->value : nullptr;
}

void UIPicture::setImage(const Image& image, int scaleMode, uint32_t alignment)
{
    m_images.clear();
    addImage(image, scaleMode, alignment);
}

void UIPicture::addImage(const Image& image, int scaleMode, uint32_t alignment)
{
    UIPictureImage added;
    added.image = image;
    added.scaleMode = scaleMode;
    added.alignment = alignment;
    m_images.append(added);
    setAutoSize(m_autoSize);
    update();
}

void UIPicture::clearImages()
{
    m_images.clear();
    update();
}

void UIPicture::replaceImage(int index, const Image& image, int scaleMode, uint32_t alignment)
{
    UIPictureImage* found = entry(index);
    if (!found)
        return;
    found->image = image;
    found->scaleMode = scaleMode;
    found->alignment = alignment;
    update();
}

void UIPicture::setImageVisible(int index, bool visible)
{
    UIPictureImage* found = entry(index);
    if (!found)
        return;
    found->visible = visible;
    update();
}

Image UIPicture::image(int index) const
{
    const UIPictureImage* found = entry(index);
    return found ? found->image : Image();
}

Rect UIPicture::imageRect(int index) const
{
    const UIPictureImage* found = entry(index);
    return found ? found->drawnRect : Rect();
}

void UIPicture::setAutoSize(bool on)
{
    m_autoSize = on;
    if (!on)
        return;
    for (const UIPictureImage& held : m_images) {
        m_autoSizeHint.width = std::max(m_autoSizeHint.width, held.image.width());
        m_autoSizeHint.height = std::max(m_autoSizeHint.height, held.image.height());
    }
}

void UIPicture::setImageMargins(int left, int top, int right, int bottom)
{
    m_imageMargins = UIMargins(left, top, right, bottom);
}

void UIPicture::setDefaultImage(const Image& image, int scaleMode, uint32_t alignment)
{
    m_defaultImage.image = image;
    m_defaultImage.scaleMode = scaleMode;
    m_defaultImage.alignment = alignment;
}

void UIPicture::drawFrame(Painter& painter, const Brush& brush, const Color& border) const
{
    painter.fillRect(rect(), brush);
    painter.setPen(Pen(border));
    painter.drawRect(0, 0, width() - 1, height() - 1);
}

void UIPicture::draw(Painter& painter)
{
    if (!isEnabled()) {
        drawFrame(painter, m_style.disabledBackground, m_style.disabledBorderColor);
        return;
    }
    drawFrame(painter, m_style.background, m_style.borderColor);
    if (!m_defaultImage.image.isNull() && m_defaultImage.visible) {
        painter.setRenderHint(Painter::kSmoothScalingHint, false);
        drawImage(painter, m_defaultImage, rect());
    }
    if (m_images.isEmpty() && m_showText && !m_text.isEmpty())
        drawText(painter);
    const UIMargins& m = m_imageMargins;
    const Rect area(m.left, m.top, width() - m.left - m.right, height() - m.top - m.bottom);
    for (UIPictureImage& held : m_images) {
        if (!held.visible)
            continue;
        painter.setRenderHint(Painter::kSmoothScalingHint, false);
        held.drawnRect = drawImage(painter, held, area);
    }
}

void UIPicture::drawText(Painter& painter) const
{
    const int lineHeight = FontMetrics(m_style.font, nullptr).height();
    Rect line = rect().align(Rect(0, 0, width(), 2 * lineHeight), 48, true);
    line.height = lineHeight;
    const Point& offset = m_style.shadowOffset;
    painter.setFont(m_style.font);
    for (const String& text : StringList::split(m_text, String(u"\n"), 0)) {
        painter.setPen(m_style.shadowForeground);
        painter.drawText(text, Rect(line.x + offset.x, line.y + offset.y, line.width, line.height), 36, 0,
                         true, nullptr);
        painter.setPen(m_style.foreground);
        painter.drawText(text, line, 36, 0, true, nullptr);
        line.y += lineHeight;
    }
}

Rect UIPicture::drawImage(Painter& painter, const UIPictureImage& entry, const Rect& area)
{
    const Image& image = entry.image;
    switch (entry.scaleMode) {
    case UIPictureImage::kStretched:
        painter.setRenderHint(Painter::kSmoothScalingHint, true);
        painter.drawImage(image, area);
        return area;
    case UIPictureImage::kFitted: {
        Size size = image.size();
        if (size.width > area.width || size.height > area.height)
            size = size.scaledToFit(area.size());
        const Rect placed = area.align(Rect(0, 0, size.width, size.height), int(entry.alignment), true);
        painter.setRenderHint(Painter::kSmoothScalingHint, true);
        painter.drawImage(image, placed);
        return placed;
    }
    case UIPictureImage::kTiled:
        painter.tileImage(image, area);
        return area;
    default: {
        const Rect placed = area.align(Rect(0, 0, image.width(), image.height()), int(entry.alignment), true);
        painter.drawImage(image, placed.x, placed.y);
        return placed;
    }
    }
}

void UIPicture::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}
