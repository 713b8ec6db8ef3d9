#include "graphics/paint/GdiPaintDevice.h"

#include "graphics/image/GeometryOps.h"
#include "graphics/image/Image.h"
#include "graphics/paint/Brush.h"
#include "graphics/paint/GdiFont.h"
#include "graphics/paint/GdiImageCache.h"
#include "graphics/paint/Gradient.h"
#include "graphics/paint/PaintState.h"
#include "graphics/paint/PaintTarget.h"
#include "graphics/paint/Painter.h"
#include "graphics/paint/Rounding.h"

#include <windows.h>
// GDI+'s headers need the COM declarations and must come after them.
#include <objidl.h>

#include <gdiplus.h>

#include <cmath>
#include <vector>

namespace gp = Gdiplus;
namespace gpx = Gdiplus::DllExports;

struct GdiDeviceData
{
    HDC hdc = nullptr;
    HGDIOBJ brush = nullptr;
    HGDIOBJ previousBrush = nullptr;
    HGDIOBJ pen = nullptr;
    HGDIOBJ previousPen = nullptr;
    HGDIOBJ font = nullptr;
    HGDIOBJ previousFont = nullptr;
    GdiImageCache images;
};

namespace {

constexpr int kWindingFill = 0;
constexpr int kAlternateFill = 1;

COLORREF colorRef(const Color& color)
{
    return RGB(color.red(), color.green(), color.blue());
}

// Puts the replaced object back into the context and deletes the one this
// device made.
void releaseCreated(HDC dc, HGDIOBJ& created, HGDIOBJ& previous)
{
    if (!created)
        return;
    SelectObject(dc, previous);
    DeleteObject(created);
    created = nullptr;
    previous = nullptr;
}

// Selects an object this device made, remembering what it replaced.
void selectCreated(HDC dc, HGDIOBJ object, HGDIOBJ& created, HGDIOBJ& previous)
{
    if (!object)
        return;
    previous = SelectObject(dc, object);
    created = object;
}

int penStyleOf(uint32_t style)
{
    switch (style) {
    case Pen::kDash:
        return PS_DASH;
    case Pen::kDashDot:
        return PS_DASHDOT;
    case Pen::kDashDotDot:
        return PS_DASHDOTDOT;
    default:
        return PS_SOLID;
    }
}

HGDIOBJ createPen(const Pen& pen)
{
    const COLORREF color = colorRef(pen.color());
    if (pen.style() == Pen::kDot) {
        // Every other pixel: GDI draws this only with a cosmetic pen, which is
        // always one pixel wide and fails for any other width.
        LOGBRUSH brush = {BS_SOLID, color, 0};
        return ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, nullptr);
    }
    LOGPEN logPen = {static_cast<UINT>(penStyleOf(pen.style())), {pen.pixelWidth(), 0}, color};
    return CreatePenIndirect(&logPen);
}

gp::PixelFormat pixelFormatOf(const Image& image)
{
    if (image.bitsPerPixel() != 32)
        return PixelFormat24bppRGB;
    return image.isPremultiplied() ? PixelFormat32bppPARGB : PixelFormat32bppARGB;
}

// A world transform that only moves by whole pixels: GDI then puts the image
// on the pixels GDI+ would.
bool isWholePixelShift(const Transform& transform)
{
    return transform.m11() == 1 && transform.m22() == 1 && transform.m12() == 0 && transform.m21() == 0 &&
           transform.m31() == std::floor(transform.m31()) && transform.m32() == std::floor(transform.m32());
}

// GDI+ drawing on the context with the painter's image hints.
class GdiplusSurface
{
public:
    GdiplusSurface(HDC dc, const PaintState& state)
    {
        if (gpx::GdipCreateFromHDC(dc, &m_graphics) != gp::Ok) {
            m_graphics = nullptr;
            return;
        }
        gpx::GdipSetPageUnit(m_graphics, gp::UnitPixel);
        const bool smooth = state.testRenderHint(Painter::kSmoothScalingHint);
        gpx::GdipSetInterpolationMode(m_graphics, smooth ? gp::InterpolationModeDefault
                                                         : gp::InterpolationModeNearestNeighbor);
        if (state.testRenderHint(Painter::kAlphaBlendHint)) {
            gpx::GdipSetCompositingMode(m_graphics, gp::CompositingModeSourceOver);
            gpx::GdipSetCompositingQuality(m_graphics, gp::CompositingQualityDefault);
        } else {
            gpx::GdipSetCompositingMode(m_graphics, gp::CompositingModeSourceCopy);
        }
    }
    ~GdiplusSurface()
    {
        if (m_graphics)
            gpx::GdipDeleteGraphics(m_graphics);
    }
    GdiplusSurface(const GdiplusSurface&) = delete;
    GdiplusSurface& operator=(const GdiplusSurface&) = delete;

    gp::GpGraphics* graphics() const { return m_graphics; }

private:
    gp::GpGraphics* m_graphics = nullptr;
};

// A GDI+ bitmap over the image's own pixels, without copying them.
class GdiplusBitmap
{
public:
    explicit GdiplusBitmap(const Image& image)
    {
        if (gpx::GdipCreateBitmapFromScan0(image.width(), image.height(), image.stride(),
                                           pixelFormatOf(image), image.bits(), &m_bitmap) != gp::Ok)
            m_bitmap = nullptr;
    }
    ~GdiplusBitmap()
    {
        if (m_bitmap)
            gpx::GdipDisposeImage(m_bitmap);
    }
    GdiplusBitmap(const GdiplusBitmap&) = delete;
    GdiplusBitmap& operator=(const GdiplusBitmap&) = delete;

    gp::GpBitmap* bitmap() const { return m_bitmap; }

private:
    gp::GpBitmap* m_bitmap = nullptr;
};

} // namespace

GdiPaintDevice::GdiPaintDevice() : PaintDevice(String(u"GDI")), m_data(new GdiDeviceData()) {}

GdiPaintDevice::~GdiPaintDevice()
{
    end();
}

bool GdiPaintDevice::begin(PaintState* state, PaintTarget* target)
{
    if (isActive() || !target || target->isPainting())
        return false;
    end();
    HDC dc = target->hdc();
    if (!dc)
        return false;
    attach(state, target);
    m_data->hdc = dc;
    SetMapMode(dc, MM_TEXT);
    SetGraphicsMode(dc, GM_ADVANCED);
    SetStretchBltMode(dc, HALFTONE);
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, 0);
    return true;
}

bool GdiPaintDevice::end()
{
    GdiDeviceData& data = *m_data;
    releaseCreated(data.hdc, data.pen, data.previousPen);
    releaseCreated(data.hdc, data.brush, data.previousBrush);
    releaseCreated(data.hdc, data.font, data.previousFont);
    if (data.hdc)
        GdiFlush();
    data.hdc = nullptr;
    data.images.releaseUnused();
    detach();
    return true;
}

void GdiPaintDevice::updateState(const PaintState& state)
{
    const uint32_t changes = state.changes();
    if (!m_data->hdc || changes == 0)
        return;
    if (changes & PaintState::kTransformChanged)
        applyTransform(state);
    if (changes & PaintState::kClipChanged)
        applyClip(state);
    if (changes & PaintState::kBrushChanged)
        applyBrush(state);
    if (changes & PaintState::kPenChanged)
        applyPen(state);
    if (changes & PaintState::kFontChanged)
        applyFont(state);
}

void GdiPaintDevice::applyTransform(const PaintState& state)
{
    const Transform& transform = state.transform();
    const XFORM form = {transform.m11(), transform.m12(), transform.m21(),
                        transform.m22(), transform.m31(), transform.m32()};
    SetWorldTransform(m_data->hdc, &form);
}

void GdiPaintDevice::applyClip(const PaintState& state)
{
    const Region& clip = state.clip();
    SelectClipRgn(m_data->hdc, clip.isEmpty() ? nullptr : clip.handle());
}

void GdiPaintDevice::applyBrush(const PaintState& state)
{
    GdiDeviceData& data = *m_data;
    releaseCreated(data.hdc, data.brush, data.previousBrush);
    LOGBRUSH brush = {BS_SOLID, colorRef(state.brush().color()), 0};
    selectCreated(data.hdc, CreateBrushIndirect(&brush), data.brush, data.previousBrush);
}

void GdiPaintDevice::applyPen(const PaintState& state)
{
    GdiDeviceData& data = *m_data;
    SetTextColor(data.hdc, colorRef(state.pen().color()));
    releaseCreated(data.hdc, data.pen, data.previousPen);
    selectCreated(data.hdc, createPen(state.pen()), data.pen, data.previousPen);
}

void GdiPaintDevice::applyFont(const PaintState& state)
{
    GdiDeviceData& data = *m_data;
    releaseCreated(data.hdc, data.font, data.previousFont);
    selectCreated(data.hdc, GdiFont::createHandle(state.font()), data.font, data.previousFont);
}

void GdiPaintDevice::setViewport(const Rect& rect)
{
    if (!m_data->hdc)
        return;
    SetViewportOrgEx(m_data->hdc, rect.x, rect.y, nullptr);
    SetViewportExtEx(m_data->hdc, rect.width, rect.height, nullptr);
}

Rect GdiPaintDevice::viewport() const
{
    POINT origin = {0, 0};
    SIZE extent = {0, 0};
    if (!m_data->hdc || !GetViewportOrgEx(m_data->hdc, &origin) || !GetViewportExtEx(m_data->hdc, &extent))
        return Rect();
    return Rect(origin.x, origin.y, extent.cx, extent.cy);
}

void GdiPaintDevice::setWindow(const Rect& rect)
{
    if (!m_data->hdc)
        return;
    SetWindowOrgEx(m_data->hdc, rect.x, rect.y, nullptr);
    SetWindowExtEx(m_data->hdc, rect.width, rect.height, nullptr);
}

Rect GdiPaintDevice::window() const
{
    POINT origin = {0, 0};
    SIZE extent = {0, 0};
    if (!m_data->hdc || !GetWindowOrgEx(m_data->hdc, &origin) || !GetWindowExtEx(m_data->hdc, &extent))
        return Rect();
    return Rect(origin.x, origin.y, extent.cx, extent.cy);
}

bool GdiPaintDevice::penIsVisible() const
{
    return state() && state()->pen().isVisible();
}

void GdiPaintDevice::drawEllipse(const Rect& rect)
{
    if (!m_data->hdc)
        return;
    Ellipse(m_data->hdc, rect.x, rect.y, saturatedSum(rect.x, rect.width), saturatedSum(rect.y, rect.height));
}

void GdiPaintDevice::drawLines(const Line* lines, int count)
{
    if (!m_data->hdc || !lines || count < 1 || !penIsVisible())
        return;
    for (int i = 0; i < count; ++i) {
        MoveToEx(m_data->hdc, lines[i].x1, lines[i].y1, nullptr);
        LineTo(m_data->hdc, lines[i].x2, lines[i].y2);
    }
}

void GdiPaintDevice::drawPolygon(const Point* points, int count, int fillMode)
{
    if (!m_data->hdc || !points || count < 1)
        return;
    const Brush& brush = state()->brush();
    if (!brush.isVisible())
        return;
    if (brush.hasGradient())
        fillGradient(brush.gradient(), points, count);
    else
        fillSolid(points, count, fillMode);
}

void GdiPaintDevice::fillSolid(const Point* points, int count, int fillMode)
{
    HDC dc = m_data->hdc;
    if (fillMode == kWindingFill)
        SetPolyFillMode(dc, WINDING);
    else if (fillMode == kAlternateFill)
        SetPolyFillMode(dc, ALTERNATE);
    std::vector<POINT> corners(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        corners[static_cast<size_t>(i)] = {points[i].x, points[i].y};
    HGDIOBJ previousPen = SelectObject(dc, GetStockObject(NULL_PEN));
    Polygon(dc, corners.data(), count);
    SelectObject(dc, previousPen);
}

void GdiPaintDevice::fillGradient(const Gradient& gradient, const Point* points, int count)
{
    // The rectangle of a fillRect: its first three corners.
    if (count < 3)
        return;
    const int64_t width = static_cast<int64_t>(points[1].x) - points[0].x;
    const int64_t height = static_cast<int64_t>(points[2].y) - points[0].y;
    const bool vertical = gradient.type() == Gradient::kVertical;
    const int64_t length = vertical ? height : width;
    if (length < 1 || length > INT32_MAX)
        return;
    const Array<Color> colors = gradient.lineColors(static_cast<int>(length));
    const int x0 = points[0].x;
    const int y0 = points[0].y;
    HDC dc = m_data->hdc;
    HGDIOBJ previousPen = SelectObject(dc, GetStockObject(DC_PEN));
    for (int i = 0; i < colors.count(); ++i) {
        SetDCPenColor(dc, colorRef(colors[i]));
        const Line line =
            vertical ? Line(x0, y0 + i, points[1].x, y0 + i) : Line(x0 + i, y0, x0 + i, points[2].y);
        drawLines(&line, 1);
    }
    SelectObject(dc, previousPen);
}

void GdiPaintDevice::drawRects(const Rect* rects, int count)
{
    if (!m_data->hdc || !rects || count < 1 || !penIsVisible())
        return;
    HDC dc = m_data->hdc;
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    for (int i = 0; i < count; ++i) {
        const Rect& r = rects[i];
        Rectangle(dc, r.x, r.y, saturatedSum(r.x, r.width), saturatedSum(r.y, r.height));
    }
    SelectObject(dc, previousBrush);
}

void GdiPaintDevice::invertRect(const Rect& rect, bool invert)
{
    if (!m_data->hdc || !invert)
        return;
    BitBlt(m_data->hdc, rect.x, rect.y, rect.width, rect.height, m_data->hdc, rect.x, rect.y, DSTINVERT);
}

void GdiPaintDevice::drawImage(const Image& image, const Rect& source, const Rect& target)
{
    if (source.width == target.width && source.height == target.height) {
        drawImagePart(image, source.topLeft(), target.topLeft(), source.width, source.height);
        return;
    }
    drawImageScaled(image, source, target);
}

void GdiPaintDevice::drawImagePart(const Image& image, const Point& source, const Point& target, int width,
                                   int height)
{
    drawImageScaled(image, Rect(source.x, source.y, width, height), Rect(target.x, target.y, width, height));
}

void GdiPaintDevice::drawImageScaled(const Image& image, const Rect& source, const Rect& target)
{
    if (!m_data->hdc || image.isNull() || drawImageThroughGdi(image, source, target))
        return;
    GdiplusSurface surface(m_data->hdc, *state());
    if (!surface.graphics())
        return;
    gpx::GdipSetPixelOffsetMode(surface.graphics(), gp::PixelOffsetModeHalf);
    gpx::GdipSetSmoothingMode(surface.graphics(), gp::SmoothingModeHighSpeed);
    GdiplusBitmap bitmap(image);
    gp::GpImageAttributes* attributes = nullptr;
    if (!bitmap.bitmap() || gpx::GdipCreateImageAttributes(&attributes) != gp::Ok)
        return;
    gpx::GdipSetImageAttributesWrapMode(attributes, gp::WrapModeTileFlipXY, 0x00FFFFFF, FALSE);
    gpx::GdipDrawImageRectRectI(surface.graphics(), bitmap.bitmap(), target.x, target.y, target.width,
                                target.height, source.x, source.y, source.width, source.height, gp::UnitPixel,
                                attributes, nullptr, nullptr);
    gpx::GdipDisposeImageAttributes(attributes);
}

bool GdiPaintDevice::drawImageThroughGdi(const Image& image, const Rect& source, const Rect& target)
{
    // GDI+ keeps what GDI would draw differently: rotated, sheared or scaled
    // transforms, smooth scaling, mirroring and sources reaching past the
    // image.
    const PaintState& paintState = *state();
    if (!isWholePixelShift(paintState.transform()) || target.isEmpty() || source.isEmpty() ||
        intersectedRect(source, image.rect()) != source ||
        (source.size() != target.size() && paintState.testRenderHint(Painter::kSmoothScalingHint)))
        return false;
    return m_data->images.draw(m_data->hdc, image, source, target,
                               paintState.testRenderHint(Painter::kAlphaBlendHint));
}

void GdiPaintDevice::drawTiledImage(const Image& image, const Rect& rect)
{
    if (!m_data->hdc || image.isNull() || rect.isEmpty())
        return;
    GdiplusSurface surface(m_data->hdc, *state());
    if (!surface.graphics())
        return;
    gpx::GdipSetPixelOffsetMode(surface.graphics(), gp::PixelOffsetModeHighQuality);
    gpx::GdipSetSmoothingMode(surface.graphics(), gp::SmoothingModeNone);
    GdiplusBitmap bitmap(image);
    gp::GpTexture* texture = nullptr;
    if (!bitmap.bitmap() || gpx::GdipCreateTexture(bitmap.bitmap(), gp::WrapModeTile, &texture) != gp::Ok)
        return;
    gpx::GdipFillRectangleI(surface.graphics(), texture, rect.x, rect.y, rect.width, rect.height);
    gpx::GdipDeleteBrush(texture);
}

// Each character goes where measuring put it: the advances GDI reports for the
// selected font are handed back to it. Left to itself, a renderer may place
// the glyphs by advances of its own (Wine's hinting of the drawn glyphs
// differs from that of the measured ones at many sizes), and a line that was
// measured to fit a cell would then run past it.
void GdiPaintDevice::drawText(const char16_t* text, int length, int x, int y)
{
    if (!m_data->hdc || !text || length < 1 || !penIsVisible())
        return;
    const wchar_t* units = reinterpret_cast<const wchar_t*>(text);
    std::vector<INT> advances(static_cast<size_t>(length));
    SIZE size;
    if (!GetTextExtentExPointW(m_data->hdc, units, length, 0, nullptr, advances.data(), &size)) {
        TextOutW(m_data->hdc, x, y, units, length);
        return;
    }
    // Extents of the first i + 1 characters into the advance of each one.
    for (int i = length - 1; i > 0; --i)
        advances[static_cast<size_t>(i)] -= advances[static_cast<size_t>(i - 1)];
    ExtTextOutW(m_data->hdc, x, y, 0, nullptr, units, static_cast<UINT>(length), advances.data());
}
