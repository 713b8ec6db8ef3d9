#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/geometry/Rect.h"
#include "foundation/geometry/Size.h"
#include "graphics/image/Image.h"
#include "ui/core/theme/UISkinFrame.h"
#include "ui/core/theme/UISkinGrid.h"

#include <cstdint>

class Painter;

// One picture holding the frames of a control's states, each frame cut by a
// 3x3 grid so it can be drawn at any size: corners unscaled, edges and centre
// stretched. Skins come from files outside the program, so every drawing
// operation clips its source to the picture and ignores frames it does not
// have.
class UISkinImage
{
public:
    // Cell bits of the drawing operations' masks.
    static constexpr uint32_t kTopLeft = 1;
    static constexpr uint32_t kTop = 2;
    static constexpr uint32_t kTopRight = 4;
    static constexpr uint32_t kRight = 8;
    static constexpr uint32_t kBottomRight = 16;
    static constexpr uint32_t kBottom = 32;
    static constexpr uint32_t kBottomLeft = 64;
    static constexpr uint32_t kLeft = 128;
    static constexpr uint32_t kCentre = 256;
    static constexpr uint32_t kAllCells = 511;
    // No picture has more frames than this; a larger count is damage.
    static constexpr int kMaxFrameCount = 4096;

    UISkinImage() = default;
    UISkinImage(const Image& image, bool stacked);

    // One frame of the whole picture; the records are cleared.
    void setImage(const Image& image, bool stacked);
    // Replaces the grid, the count and the frame records. The count is kept
    // within 0..kMaxFrameCount and, for a picture, within its height (stacked)
    // or width, so a damaged count never makes a huge record array.
    void setGrid(const UISkinGrid& grid, int frameCount);
    void setGrid(int left, int centre, int right, int top, int middle, int bottom, int frameCount);
    void setGrid(int width, int height, int frameCount);

    const Image& image() const { return m_image; }
    uint8_t* bits() const { return m_image.bits(); }
    bool isStacked() const { return m_stacked; }
    int frameCount() const { return m_frameCount; }
    const UISkinGrid& grid() const { return m_grid; }
    const UISkinFrameArray& frames() const { return m_frames; }
    bool isNull() const { return m_image.isNull(); }
    bool isPremultiplied() const { return m_image.isPremultiplied(); }
    void setPremultiplied(bool on) { m_image.setPremultiplied(on); }

    // The picture divided by the frame count; the whole picture for a count
    // of 0.
    int frameWidth() const;
    int frameHeight() const;
    Size frameSize() const;
    // Where frame i lies in the picture, by the grid's size.
    Rect frameRect(int frame) const;
    // A cell's source rectangle computed from the grid, and the same from the
    // records; the empty Rect for an unknown cell or a frame without a record.
    Rect cellRect(int frame, uint32_t cell) const;
    Rect storedCellRect(int frame, uint32_t cell) const;

    // Nine-slice drawing of a frame into target with the cells of the mask.
    void draw(Painter& painter, const Rect& target, int frame, uint32_t mask) const;
    // At the frame's own size.
    void drawAt(Painter& painter, const Point& position, int frame, uint32_t mask) const;
    // The whole frame unscaled, placed by the alignment bits (a larger frame
    // stays centred); the rectangle drawn goes to drawn when given.
    void drawAligned(Painter& painter, const Rect& rect, uint32_t alignment, int frame, Rect* drawn) const;
    // One cell's source scaled into target.
    void drawCell(Painter& painter, const Rect& target, int frame, uint32_t cell) const;

private:
    bool hasFrame(int frame) const;
    int cappedFrameCount(int frameCount) const;
    Rect clippedSource(const Rect& source) const;
    void drawScaled(Painter& painter, const Rect& source, const Rect& target) const;
    void drawUnscaled(Painter& painter, const Rect& source, const Point& target) const;
    void drawNineCells(Painter& painter, const Rect& target, int frame, uint32_t mask) const;

    Image m_image;
    bool m_stacked = true;
    int m_frameCount = 0;
    UISkinGrid m_grid;
    UISkinFrameArray m_frames;
};
