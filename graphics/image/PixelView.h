#pragma once

#include <cstdint>

// A window onto raw pixel rows: the pixel algorithms work on this so that they
// need nothing from Image beyond its buffer and layout. 32-bit pixels are the
// bytes B, G, R, A; 24-bit pixels B, G, R; rows are top first, stride apart.
// The view owns nothing.
class PixelView
{
public:
    PixelView() = default;
    PixelView(uint8_t* bits, int width, int height, int stride, int bytesPerPixel)
        : m_bits(bits), m_width(width), m_height(height), m_stride(stride), m_bytesPerPixel(bytesPerPixel)
    {
    }

    uint8_t* bits() const { return m_bits; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    int stride() const { return m_stride; }
    int bytesPerPixel() const { return m_bytesPerPixel; }
    bool isEmpty() const { return !m_bits || m_width < 1 || m_height < 1; }

    uint8_t* row(int y) const { return m_bits + static_cast<intptr_t>(y) * m_stride; }
    uint8_t* pixel(int x, int y) const { return row(y) + x * m_bytesPerPixel; }
    // The bytes of one row that belong to pixels, padding excluded.
    int rowBytes() const { return m_width * m_bytesPerPixel; }

private:
    uint8_t* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
    int m_stride = 0;
    int m_bytesPerPixel = 0;
};
