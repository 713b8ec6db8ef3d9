#include "graphics/codecs/GdiplusImage.h"

#include "foundation/io/File.h"
#include "graphics/codecs/GdiplusCodec.h"

#include <windows.h>
// GDI+'s headers need the COM declarations and must come after them.
#include <objidl.h>

#include <gdiplus.h>

namespace gp = Gdiplus;
namespace gpx = Gdiplus::DllExports;

GdiplusImage::GdiplusImage(const String& path) : m_path(path)
{
    if (!File::exists(path))
        return;
    gp::GpImage* image = nullptr;
    if (gpx::GdipLoadImageFromFile(reinterpret_cast<const wchar_t*>(path.data()), &image) != gp::Ok)
        return;
    gp::ImageType type = gp::ImageTypeUnknown;
    if (gpx::GdipGetImageType(image, &type) == gp::Ok && type == gp::ImageTypeBitmap) {
        m_image = image;
        UINT count = 0;
        if (gpx::GdipGetPropertyCount(image, &count) == gp::Ok && count <= 0x7FFFFFFF)
            m_propertyCount = static_cast<int>(count);
        return;
    }
    gpx::GdipDisposeImage(image);
}

GdiplusImage::~GdiplusImage()
{
    if (m_image)
        gpx::GdipDisposeImage(m_image);
}

int GdiplusImage::width() const
{
    UINT width = 0;
    if (!m_image || gpx::GdipGetImageWidth(m_image, &width) != gp::Ok)
        return 0;
    return static_cast<int>(width);
}

bool GdiplusImage::hasProperty(uint32_t id) const
{
    UINT size = 0;
    return m_propertyCount > 0 && gpx::GdipGetPropertyItemSize(m_image, id, &size) == gp::Ok;
}

int GdiplusImage::height() const
{
    UINT height = 0;
    if (!m_image || gpx::GdipGetImageHeight(m_image, &height) != gp::Ok)
        return 0;
    return static_cast<int>(height);
}

bool GdiplusImage::toImage(Image& out) const
{
    if (!m_image)
        return false;
    Image image = GdiplusCodec::gdiplusToImage(m_image);
    if (image.isNull())
        return false;
    out = image;
    return true;
}
