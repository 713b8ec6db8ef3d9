#pragma once

#include "graphics/image/PixelView.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A small owned pixel buffer for exercising the pixel algorithms directly.
// 24-bit rows are padded to four bytes as images lay them out.
class PixelRows
{
public:
    PixelRows(int width, int height, int bytesPerPixel, uint8_t fill = 0)
        : m_stride((width * bytesPerPixel + 3) / 4 * 4),
          m_bytes(static_cast<size_t>(m_stride) * height, fill),
          m_view(m_bytes.data(), width, height, m_stride, bytesPerPixel)
    {
    }

    // The view points into the buffer: moving keeps it valid, copying would not.
    PixelRows(const PixelRows&) = delete;
    PixelRows& operator=(const PixelRows&) = delete;
    PixelRows(PixelRows&&) = default;

    const PixelView& view() const { return m_view; }
    uint8_t* at(int x, int y) { return m_view.pixel(x, y); }
    uint8_t byteAt(int x, int y, int channel) const { return m_view.pixel(x, y)[channel]; }

    void set(int x, int y, uint8_t b, uint8_t g, uint8_t r, uint8_t a = 255)
    {
        uint8_t* p = at(x, y);
        p[0] = b;
        p[1] = g;
        p[2] = r;
        if (m_view.bytesPerPixel() == 4)
            p[3] = a;
    }

    // Sets every byte of every pixel to the value (alpha included).
    void setGray(int x, int y, uint8_t value)
    {
        for (int c = 0; c < m_view.bytesPerPixel(); ++c)
            at(x, y)[c] = value;
    }

private:
    int m_stride;
    std::vector<uint8_t> m_bytes;
    PixelView m_view;
};
