#include "graphics/paint/Region.h"

#include "graphics/image/Image.h"
#include "graphics/paint/RegionRuns.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

namespace {

HRGN emptyRegion()
{
    return CreateRectRgn(0, 0, 0, 0);
}

// The far edge x + size, kept inside the int range.
int farEdge(int start, int size)
{
    const int64_t edge = static_cast<int64_t>(start) + size;
    return static_cast<int>(std::min<int64_t>(INT_MAX, std::max<int64_t>(INT_MIN, edge)));
}

// Runs per ExtCreateRegion call. Building a region from rectangles can cost
// time quadratic in their number (Wine unions them one by one) and old
// systems refuse large counts, so busy masks go in blocks, each one call.
const size_t kRunsPerBlock = 1000;

HRGN regionFromBlock(const Rect* runs, size_t count)
{
    std::vector<uint8_t> data(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
    RGNDATAHEADER header = {};
    header.dwSize = sizeof(RGNDATAHEADER);
    header.iType = RDH_RECTANGLES;
    header.nCount = static_cast<DWORD>(count);
    header.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
    header.rcBound = {runs[0].x, runs[0].y, runs[0].x, runs[0].y};
    for (size_t i = 0; i < count; ++i) {
        const RECT r = {runs[i].x, runs[i].y, runs[i].x + runs[i].width, runs[i].y + runs[i].height};
        header.rcBound.left = std::min(header.rcBound.left, r.left);
        header.rcBound.top = std::min(header.rcBound.top, r.top);
        header.rcBound.right = std::max(header.rcBound.right, r.right);
        header.rcBound.bottom = std::max(header.rcBound.bottom, r.bottom);
        std::memcpy(data.data() + sizeof(header) + i * sizeof(RECT), &r, sizeof(r));
    }
    std::memcpy(data.data(), &header, sizeof(header));
    return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                           reinterpret_cast<const RGNDATA*>(data.data()));
}

// The union of all runs; null when GDI fails.
HRGN regionFromRuns(const std::vector<Rect>& runs)
{
    HRGN result = emptyRegion();
    for (size_t start = 0; result && start < runs.size(); start += kRunsPerBlock) {
        HRGN block = regionFromBlock(&runs[start], std::min(kRunsPerBlock, runs.size() - start));
        if (!block || CombineRgn(result, result, block, RGN_OR) == ERROR) {
            DeleteObject(result);
            result = nullptr;
        }
        if (block)
            DeleteObject(block);
    }
    return result;
}

} // namespace

Region::Region(int x, int y, int width, int height)
{
    adopt(CreateRectRgn(x, y, farEdge(x, width), farEdge(y, height)));
}

Region::Region(const Image& mask)
{
    if (mask.isNull() || mask.bytesPerPixel() != 4)
        return;
    const PixelView view(mask.bits(), mask.width(), mask.height(), mask.stride(), 4);
    adopt(regionFromRuns(regionRuns(view)));
}


void Region::destroyHandle(HRGN__* handle)
{
    DeleteObject(handle);
}

Rect Region::boundingRect() const
{
    RECT box;
    if (!m_handle || GetRgnBox(m_handle, &box) == ERROR)
        return Rect();
    return Rect(box.left, box.top, box.right - box.left, box.bottom - box.top);
}

bool Region::contains(const Point& point) const
{
    return m_handle && PtInRegion(m_handle, point.x, point.y);
}

bool Region::intersects(const Rect& rect) const
{
    if (!m_handle)
        return false;
    const RECT r = {rect.x, rect.y, farEdge(rect.x, rect.width), farEdge(rect.y, rect.height)};
    return RectInRegion(m_handle, &r) != FALSE;
}

void Region::translate(int dx, int dy)
{
    if (m_handle)
        OffsetRgn(m_handle, dx, dy);
}

HRGN__* Region::combine(HRGN__* a, HRGN__* b, int mode)
{
    HRGN result = emptyRegion();
    if (!result)
        return nullptr;
    // GDI refuses null operands; an absent region is an empty one.
    HRGN emptyA = a ? nullptr : emptyRegion();
    HRGN emptyB = b ? nullptr : emptyRegion();
    const int outcome = CombineRgn(result, a ? a : emptyA, b ? b : emptyB, mode);
    if (emptyA)
        DeleteObject(emptyA);
    if (emptyB)
        DeleteObject(emptyB);
    if (outcome == ERROR) {
        DeleteObject(result);
        return nullptr;
    }
    return result;
}

Region Region::united(const Region& other) const
{
    Region result;
    result.adopt(combine(m_handle, other.m_handle, RGN_OR));
    return result;
}

Region Region::intersected(const Region& other) const
{
    Region result;
    result.adopt(combine(m_handle, other.m_handle, RGN_AND));
    return result;
}

Region Region::subtracted(const Region& other) const
{
    Region result;
    result.adopt(combine(m_handle, other.m_handle, RGN_DIFF));
    return result;
}

Region Region::xored(const Region& other) const
{
    Region result;
    result.adopt(combine(m_handle, other.m_handle, RGN_XOR));
    return result;
}

bool Region::operator==(const Region& other) const
{
    const bool empty = isEmpty();
    const bool otherEmpty = other.isEmpty();
    if (empty || otherEmpty)
        return empty == otherEmpty;
    return EqualRgn(m_handle, other.m_handle) != FALSE;
}
