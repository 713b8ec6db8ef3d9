#include "graphics/paint/Painter.h"

#include "graphics/image/Image.h"
#include "graphics/paint/PaintDevice.h"
#include "graphics/paint/PaintTarget.h"
#include "graphics/paint/Rounding.h"

namespace {

constexpr uint32_t kFontSet = 1;
constexpr uint32_t kPenSet = 2;
constexpr uint32_t kBrushSet = 4;
constexpr uint32_t kBackgroundBrushSet = 8;

constexpr uint32_t kRotationInPlane = 2;

Rect imageRect(const Image& image)
{
    return Rect(0, 0, image.width(), image.height());
}

} // namespace

Painter::Painter(PaintTarget* target) : m_fontMetrics(m_font, target)
{
    begin(target);
}

Painter::~Painter()
{
    end();
}

void Painter::begin(PaintTarget* target)
{
    if (!target || target->isPainting())
        return;
    m_setFlags = 0;
    m_target = target;
    m_device = PaintDevice::current();
    if (!m_device || !m_device->begin(this, target)) {
        m_device = nullptr;
        return;
    }
    m_active = true;
    target->setPainting(true);
}

bool Painter::end()
{
    const bool wasActive = m_active;
    if (wasActive) {
        m_device->end();
        m_target->setPainting(false);
    }
    m_active = false;
    m_target = nullptr;
    return wasActive;
}

PaintDevice* Painter::activeDevice() const
{
    return m_active ? m_device : nullptr;
}

bool Painter::needsAnnouncing(bool equal, uint32_t setFlag)
{
    if (equal && (m_setFlags & setFlag))
        return false;
    m_setFlags |= setFlag;
    return true;
}

void Painter::announce(uint32_t change)
{
    PaintDevice* device = activeDevice();
    if (!device)
        return;
    m_changes |= change;
    m_stateOwner = this;
    device->updateState(*this);
    m_changes &= ~change;
}

void Painter::setFont(const FontDesc& font)
{
    if (!needsAnnouncing(font == m_font, kFontSet))
        return;
    m_font = font;
    announce(kFontChanged);
    m_fontMetrics.setFont(m_font, m_target);
}

void Painter::setPen(const Pen& pen)
{
    if (!needsAnnouncing(pen == m_pen, kPenSet))
        return;
    m_pen = pen;
    announce(kPenChanged);
}

void Painter::setPenColor(const Color& color)
{
    Pen pen = m_pen;
    pen.setColor(color);
    setPen(pen);
}

void Painter::setPenStyle(uint32_t style)
{
    Pen pen = m_pen;
    pen.setStyle(style);
    setPen(pen);
}

void Painter::setBrush(const Brush& brush)
{
    if (!needsAnnouncing(brush == m_brush, kBrushSet))
        return;
    m_brush = brush;
    announce(kBrushChanged);
}

void Painter::setBackgroundBrush(const Brush& brush)
{
    if (!needsAnnouncing(brush == m_backgroundBrush, kBackgroundBrushSet))
        return;
    m_backgroundBrush = brush;
    announce(kBackgroundBrushChanged);
}

void Painter::setRenderHint(uint32_t hint, bool on)
{
    if (on)
        m_renderHints |= hint;
    else
        m_renderHints &= ~hint;
}

void Painter::setTransform(const Transform& transform)
{
    m_transform = transform;
    announce(kTransformChanged);
}

void Painter::translate(int dx, int dy)
{
    m_transform.translate(static_cast<float>(dx), static_cast<float>(dy));
    announce(kTransformChanged);
}

void Painter::translate(const Point& offset)
{
    translate(offset.x, offset.y);
}

void Painter::scale(int sx, int sy)
{
    m_transform.scale(static_cast<float>(sx), static_cast<float>(sy));
    announce(kTransformChanged);
}

void Painter::rotate(float degrees)
{
    m_transform.rotate(degrees, kRotationInPlane);
    announce(kTransformChanged);
}

void Painter::resetTransform()
{
    m_transform.reset();
    announce(kTransformChanged);
}

void Painter::setClipRegion(const Region& region)
{
    m_clip = region;
    announce(kClipChanged);
}

void Painter::setClipRect(const Rect& rect)
{
    m_clip = Region(rect);
    announce(kClipChanged);
}

void Painter::resetClip()
{
    m_clip = Region();
    announce(kClipChanged);
}

void Painter::setViewport(const Rect& rect)
{
    if (PaintDevice* device = activeDevice())
        device->setViewport(rect);
}

void Painter::setViewport(int x, int y, int width, int height)
{
    setViewport(Rect(x, y, width, height));
}

Rect Painter::viewport() const
{
    PaintDevice* device = activeDevice();
    return device ? device->viewport() : Rect();
}

void Painter::setWindow(const Rect& rect)
{
    if (PaintDevice* device = activeDevice())
        device->setWindow(rect);
}

void Painter::setWindow(int x, int y, int width, int height)
{
    setWindow(Rect(x, y, width, height));
}

Rect Painter::window() const
{
    PaintDevice* device = activeDevice();
    return device ? device->window() : Rect();
}

void Painter::drawEllipse(const Rect& rect)
{
    if (PaintDevice* device = activeDevice())
        device->drawEllipse(rect);
}

void Painter::drawEllipse(int x, int y, int width, int height)
{
    drawEllipse(Rect(x, y, width, height));
}

void Painter::drawEllipse(const Point& centre, int radiusX, int radiusY)
{
    drawEllipse(Rect(saturatedSum(centre.x, -static_cast<int64_t>(radiusX)),
                     saturatedSum(centre.y, -static_cast<int64_t>(radiusY)), saturatedSum(radiusX, radiusX),
                     saturatedSum(radiusY, radiusY)));
}

void Painter::drawLines(const Line* lines, int count)
{
    if (PaintDevice* device = activeDevice())
        device->drawLines(lines, count);
}

void Painter::drawLine(const Line& line)
{
    drawLines(&line, 1);
}

void Painter::drawLine(int x1, int y1, int x2, int y2)
{
    drawLine(Line(x1, y1, x2, y2));
}

void Painter::drawLine(const Point& from, const Point& to)
{
    drawLine(Line(from.x, from.y, to.x, to.y));
}

void Painter::drawPolygon(const Point* points, int count, int fillMode)
{
    if (PaintDevice* device = activeDevice())
        device->drawPolygon(points, count, fillMode);
}

void Painter::drawRects(const Rect* rects, int count)
{
    if (PaintDevice* device = activeDevice())
        device->drawRects(rects, count);
}

void Painter::drawRect(const Rect& rect)
{
    drawRects(&rect, 1);
}

void Painter::drawRect(int x, int y, int width, int height)
{
    drawRect(Rect(x, y, width, height));
}

void Painter::invertRect(const Rect& rect, bool invert)
{
    if (PaintDevice* device = activeDevice())
        device->invertRect(rect, invert);
}

void Painter::drawImageRect(const Image& image, const Rect& source, const Rect& target)
{
    if (PaintDevice* device = activeDevice())
        device->drawImage(image, source, target);
}

void Painter::drawImage(const Image& image, int x, int y)
{
    drawImageRect(image, imageRect(image), Rect(x, y, image.width(), image.height()));
}

void Painter::drawImage(const Image& image, int x, int y, int width, int height)
{
    drawImageRect(image, imageRect(image), Rect(x, y, width, height));
}

void Painter::drawImage(const Image& image, const Rect& target)
{
    drawImageRect(image, imageRect(image), target);
}

void Painter::drawImagePart(const Image& image, const Point& source, const Point& target, int width,
                            int height)
{
    if (PaintDevice* device = activeDevice())
        device->drawImagePart(image, source, target, width, height);
}

void Painter::drawImageAligned(const Image& image, const Rect& rect, uint32_t align)
{
    const Rect placed = rect.align(imageRect(image), static_cast<int>(align), true);
    drawImagePart(image, Point(0, 0), placed.topLeft(), image.width(), image.height());
}

void Painter::tileImage(const Image& image, const Rect& rect)
{
    if (PaintDevice* device = activeDevice())
        device->drawTiledImage(image, rect);
}

void Painter::drawText(const char16_t* text, int length, int x, int y)
{
    if (PaintDevice* device = activeDevice())
        device->drawText(text, length, x, y);
}

bool Painter::drawText(const String& text, const Rect& rect, uint32_t align, uint32_t elideMode,
                       bool allowOverflow, Rect* outRect)
{
    if (text.isEmpty())
        return false;
    if (rect.isEmpty())
        return true;
    if (align == 0 && elideMode == FontMetrics::kElideNone) {
        drawText(text.data(), text.length(), rect.x, rect.y);
        return false;
    }
    // Most texts fit: measured once and drawn as they are, with no copy.
    const bool knownMode = elideMode <= FontMetrics::kElideMiddle;
    if (knownMode && (elideMode == FontMetrics::kElideNone || text.length() <= rect.width)) {
        const Size size = m_fontMetrics.textSize(text, false);
        if (elideMode == FontMetrics::kElideNone || size.width <= rect.width) {
            const Rect box =
                rect.align(Rect(0, 0, size.width, size.height), static_cast<int>(align), allowOverflow);
            drawText(text.data(), text.length(), box.x, box.y);
            if (outRect)
                *outRect = box;
            return false;
        }
    }
    const String shown = m_fontMetrics.elidedText(text, rect, elideMode);
    if (!shown.isEmpty()) {
        const Size size = m_fontMetrics.textSize(shown, false);
        const Rect box =
            rect.align(Rect(0, 0, size.width, size.height), static_cast<int>(align), allowOverflow);
        drawText(shown.data(), shown.length(), box.x, box.y);
        if (outRect)
            *outRect = box;
    }
    return shown != text;
}

void Painter::fillRect(const Rect& rect, const Brush& brush)
{
    if (rect.isEmpty())
        return;
    setBrush(brush);
    const int32_t right = saturatedSum(rect.x, rect.width);
    const int32_t bottom = saturatedSum(rect.y, rect.height);
    const Point corners[4] = {Point(rect.x, rect.y), Point(right, rect.y), Point(right, bottom),
                              Point(rect.x, bottom)};
    drawPolygon(corners, 4, 0);
}

void Painter::fillRect(int x, int y, int width, int height, const Brush& brush)
{
    fillRect(Rect(x, y, width, height), brush);
}

void Painter::fillRect(const Rect& rect, const Color& color)
{
    fillRect(rect, Brush(color, 0));
}

void Painter::fillRect(const Rect& rect, int, int)
{
    fillRect(rect, Color(0xFFFF0000u));
}

void Painter::fillRect(int x, int y, int width, int height, int, int)
{
    fillRect(Rect(x, y, width, height), Color(0xFFFF0000u));
}

void Painter::noOperation(const void* data, int count)
{
    if (PaintDevice* device = activeDevice())
        device->noOperation(data, count);
}
