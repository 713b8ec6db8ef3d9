#include "ui/core/theme/UISkinImage.h"

#include "graphics/image/GeometryOps.h"
#include "graphics/paint/Painter.h"

#include <algorithm>

namespace {

// Index of a single cell bit in the order of the frame records, or -1.
int cellIndex(uint32_t cell)
{
    for (int i = 0; i < 9; ++i) {
        if (cell == (1u << i))
            return i;
    }
    return -1;
}

// The nine cells of a grid laid at a frame's origin.
UISkinFrame frameCells(const UISkinGrid& g, int x0, int y0)
{
    const int xc = x0 + g.left;
    const int xr = xc + g.centre;
    const int ym = y0 + g.top;
    const int yb = ym + g.middle;
    UISkinFrame f;
    f.cells[0] = Rect(x0, y0, g.left, g.top);
    f.cells[1] = Rect(xc, y0, g.centre, g.top);
    f.cells[2] = Rect(xr, y0, g.right, g.top);
    f.cells[3] = Rect(xr, ym, g.right, g.middle);
    f.cells[4] = Rect(xr, yb, g.right, g.bottom);
    f.cells[5] = Rect(xc, yb, g.centre, g.bottom);
    f.cells[6] = Rect(x0, yb, g.left, g.bottom);
    f.cells[7] = Rect(x0, ym, g.left, g.middle);
    f.cells[8] = Rect(xc, ym, g.centre, g.middle);
    return f;
}

bool hasAny(uint32_t mask, uint32_t cells)
{
    return (mask & cells) != 0;
}

} // namespace

UISkinImage::UISkinImage(const Image& image, bool stacked)
{
    setImage(image, stacked);
}

void UISkinImage::setImage(const Image& image, bool stacked)
{
    m_image = image;
    m_stacked = stacked;
    m_frames = UISkinFrameArray();
    m_grid = UISkinGrid::fromSize(image.width(), image.height());
    m_frameCount = cappedFrameCount(1);
}

int UISkinImage::cappedFrameCount(int frameCount) const
{
    int cap = kMaxFrameCount;
    if (!m_image.isNull())
        cap = std::min(cap, m_stacked ? m_image.height() : m_image.width());
    return std::min(std::max(frameCount, 0), cap);
}

void UISkinImage::setGrid(const UISkinGrid& grid, int frameCount)
{
    m_grid = UISkinGrid::fromParts(grid.left, grid.centre, grid.right, grid.top, grid.middle, grid.bottom);
    if (!m_grid.hasParts())
        m_grid = UISkinGrid::fromSize(grid.width, grid.height);
    m_frameCount = cappedFrameCount(frameCount);
    m_frames = UISkinFrameArray();
    if (!m_grid.hasParts() || m_frameCount < 1 || !m_frames.reserve(m_frameCount))
        return;
    for (int i = 0; i < m_frameCount; ++i) {
        const Rect origin = frameRect(i);
        m_frames.append(frameCells(m_grid, origin.x, origin.y));
    }
}

void UISkinImage::setGrid(int left, int centre, int right, int top, int middle, int bottom, int frameCount)
{
    setGrid(UISkinGrid::fromParts(left, centre, right, top, middle, bottom), frameCount);
}

void UISkinImage::setGrid(int width, int height, int frameCount)
{
    setGrid(UISkinGrid::fromSize(width, height), frameCount);
}

int UISkinImage::frameWidth() const
{
    if (m_stacked || m_frameCount < 1)
        return m_image.width();
    return m_image.width() / m_frameCount;
}

int UISkinImage::frameHeight() const
{
    if (!m_stacked || m_frameCount < 1)
        return m_image.height();
    return m_image.height() / m_frameCount;
}

Size UISkinImage::frameSize() const
{
    return Size(frameWidth(), frameHeight());
}

Rect UISkinImage::frameRect(int frame) const
{
    // Frame counts are capped, so these products stay far inside int.
    if (m_stacked)
        return Rect(0, m_grid.height * frame, m_grid.width, m_grid.height);
    return Rect(m_grid.width * frame, 0, m_grid.width, m_grid.height);
}

Rect UISkinImage::cellRect(int frame, uint32_t cell) const
{
    const int index = cellIndex(cell);
    if (index < 0 || frame < 0 || frame >= kMaxFrameCount)
        return Rect();
    const Rect origin = frameRect(frame);
    return frameCells(m_grid, origin.x, origin.y).cells[index];
}

Rect UISkinImage::storedCellRect(int frame, uint32_t cell) const
{
    const int index = cellIndex(cell);
    if (index < 0 || frame < 0 || frame >= m_frames.count())
        return Rect();
    return m_frames[frame].cells[index];
}

bool UISkinImage::hasFrame(int frame) const
{
    return !m_image.isNull() && frame >= 0 && frame < m_frameCount;
}

Rect UISkinImage::clippedSource(const Rect& source) const
{
    return intersectedRect(source, m_image.rect());
}

void UISkinImage::drawScaled(Painter& painter, const Rect& source, const Rect& target) const
{
    const Rect clipped = clippedSource(source);
    if (clipped.isEmpty() || target.isEmpty())
        return;
    painter.drawImageRect(m_image, clipped, target);
}

void UISkinImage::drawUnscaled(Painter& painter, const Rect& source, const Point& target) const
{
    const Rect clipped = clippedSource(source);
    if (clipped.isEmpty())
        return;
    const Point shifted(target.x + clipped.x - source.x, target.y + clipped.y - source.y);
    painter.drawImagePart(m_image, clipped.topLeft(), shifted, clipped.width, clipped.height);
}

void UISkinImage::draw(Painter& painter, const Rect& target, int frame, uint32_t mask) const
{
    if (!hasFrame(frame) || target.width <= 0 || target.height <= 0)
        return;
    const UISkinGrid& g = m_grid;
    if (!g.hasParts()) {
        drawScaled(painter, frameRect(frame), target);
        return;
    }
    if (target.width < g.left + g.right + 1 || target.height < g.top + g.bottom + 1)
        return;
    if (target.width == g.width && target.height == g.height) {
        drawUnscaled(painter, frameRect(frame), target.topLeft());
        return;
    }
    drawNineCells(painter, target, frame, mask);
}

void UISkinImage::drawNineCells(Painter& painter, const Rect& d, int frame, uint32_t mask) const
{
    if (frame >= m_frames.count())
        return;
    const UISkinFrame& f = m_frames[frame];
    const UISkinGrid& g = m_grid;
    const bool hasLeft = hasAny(mask, kTopLeft | kLeft | kBottomLeft);
    const bool hasRight = hasAny(mask, kTopRight | kRight | kBottomRight);
    const bool hasTop = hasAny(mask, kTopLeft | kTop | kTopRight);
    const bool hasBottom = hasAny(mask, kBottomLeft | kBottom | kBottomRight);
    const int right = d.x + d.width;
    const int bottom = d.y + d.height;

    // A band across the middle column, widened into an omitted side column.
    auto across = [&](int y, int height) {
        Rect r(d.x + g.left, y, d.width - g.left - g.right, height);
        if (!hasLeft)
            r.setLeft(d.x);
        if (!hasRight)
            r.width = right - r.x;
        return r;
    };

    if (mask & kTopLeft)
        drawUnscaled(painter, f.cells[0], Point(d.x, d.y));
    if (mask & kTop)
        drawScaled(painter, f.cells[1], across(d.y, g.top));
    if (mask & kTopRight)
        drawUnscaled(painter, f.cells[2], Point(right - g.right, d.y));
    if (mask & kRight)
        drawScaled(painter, f.cells[3],
                   Rect(right - g.right, d.y + g.top, g.right, d.height - g.top - g.bottom));
    if (mask & kBottomRight)
        drawUnscaled(painter, f.cells[4], Point(right - g.right, bottom - g.bottom));
    if (mask & kBottom)
        drawScaled(painter, f.cells[5], across(bottom - g.bottom, g.bottom));
    if (mask & kBottomLeft)
        drawUnscaled(painter, f.cells[6], Point(d.x, bottom - g.bottom));
    if (mask & kLeft)
        drawScaled(painter, f.cells[7], Rect(d.x, d.y + g.top, g.left, d.height - g.top - g.bottom));
    if (mask & kCentre) {
        Rect centre = across(d.y + g.top, d.height - g.top - g.bottom);
        if (!hasTop)
            centre.setTop(d.y);
        if (!hasBottom)
            centre.height = std::max(0, bottom - centre.y);
        drawScaled(painter, f.cells[8], centre);
    }
}

void UISkinImage::drawAt(Painter& painter, const Point& position, int frame, uint32_t mask) const
{
    draw(painter, Rect(position.x, position.y, m_grid.width, m_grid.height), frame, mask);
}

void UISkinImage::drawAligned(Painter& painter, const Rect& rect, uint32_t alignment, int frame,
                              Rect* drawn) const
{
    const Rect placed =
        rect.align(Rect(0, 0, m_grid.width, m_grid.height), static_cast<int>(alignment), true);
    draw(painter, placed, frame, kAllCells);
    if (drawn)
        *drawn = placed;
}

void UISkinImage::drawCell(Painter& painter, const Rect& target, int frame, uint32_t cell) const
{
    if (!hasFrame(frame) || target.isEmpty())
        return;
    drawScaled(painter, cellRect(frame, cell), target);
}
