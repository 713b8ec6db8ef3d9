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
    // The metadata items the file carries (EXIF and the like), counted when
    // it is opened.
    int propertyCount() const { return m_propertyCount; }
    bool hasProperties() const { return m_propertyCount > 0; }
    // Whether the file carries the item of that id.
    bool hasProperty(uint32_t id) const;
    // The decoded 32-bit picture; false, leaving out unchanged, when there is
    // none.
    bool toImage(Image& out) const;

private:
    String m_path;
    Gdiplus::GpImage* m_image = nullptr;
    int m_propertyCount = 0;
};
