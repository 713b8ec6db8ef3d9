#pragma once

#include "foundation/text/String.h"
#include "graphics/image/Image.h"

namespace Gdiplus {
class GpImage;
}

// An image file held open by GDI+, for reading its size without decoding it
// into our own buffer.
class GdiplusImage
{
public:
    // Keeps the picture only when the file exists and GDI+ reads it as a bitmap.
    explicit GdiplusImage(const String& path);
    ~GdiplusImage();
    GdiplusImage(const GdiplusImage&) = delete;
    GdiplusImage& operator=(const GdiplusImage&) = delete;

    bool isNull() const { return m_image == nullptr; }
    const String& path() const { return m_path; }
    // 0 when there is no picture.
    int width() const;
    int height() const;
    // The decoded 32-bit picture; false, leaving out unchanged, when there is
    // none.
    bool toImage(Image& out) const;

private:
    String m_path;
    Gdiplus::GpImage* m_image = nullptr;
};
