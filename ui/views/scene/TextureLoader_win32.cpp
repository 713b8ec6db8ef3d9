#include "ui/views/scene/TextureLoader.h"

#include "foundation/io/File.h"
#include "foundation/text/String.h"
#include "graphics/codecs/GdiplusCodec.h"
#include "graphics/image/Image.h"

#include <windows.h>
// GDI+'s headers need the COM declarations and must come after them.
#include <objidl.h>

#include <gdiplus.h>

namespace gp = Gdiplus;
namespace gpx = Gdiplus::DllExports;

namespace {

// Our own token, apart from the image codecs' one.
ULONG_PTR g_loaderToken = 0;

// The picture (or its thumbnail) converted to 32 bits; null when it is none.
Image decode(gp::GpImage* image, const Size& box)
{
    UINT width = 0;
    UINT height = 0;
    gpx::GdipGetImageWidth(image, &width);
    gpx::GdipGetImageHeight(image, &height);
    // A small file can declare a huge picture: refuse it before decoding.
    if (width < 1 || height < 1 || !Image::isSizeAllowed(width, height, true))
        return Image();
    Size picture(static_cast<int32_t>(width), static_cast<int32_t>(height));
    if (box.width < 1 || box.height < 1)
        return GdiplusCodec::gdiplusToImage(image);
    Size fitted = TextureLoader::fittedSize(picture, box);
    gp::GpImage* thumbnail = nullptr;
    if (gpx::GdipGetImageThumbnail(image, fitted.width, fitted.height, &thumbnail, nullptr, nullptr) !=
        gp::Ok)
        return Image();
    Image result = GdiplusCodec::gdiplusToImage(thumbnail);
    gpx::GdipDisposeImage(thumbnail);
    return result;
}

} // namespace

bool TextureLoader::startGdiplus()
{
    if (g_loaderToken != 0)
        return true;
    gp::GdiplusStartupInput input;
    input.GdiplusVersion = 1;
    return gp::GdiplusStartup(&g_loaderToken, &input, nullptr) == gp::Ok;
}

void TextureLoader::stopGdiplus()
{
    if (g_loaderToken == 0)
        return;
    gp::GdiplusShutdown(g_loaderToken);
    g_loaderToken = 0;
}

bool TextureLoader::loadImagePixels(PixelBlock& out, const String& path, const Size& box)
{
    if (!startGdiplus())
        return false;
    bool loaded = loadImageFile(out, path, box);
    stopGdiplus();
    return loaded;
}

bool TextureLoader::loadImageFile(PixelBlock& out, const String& path, const Size& box)
{
    if (!File::exists(path))
        return false;
    gp::GpImage* image = nullptr;
    if (gpx::GdipLoadImageFromFile(reinterpret_cast<const wchar_t*>(path.data()), &image) != gp::Ok)
        return false;
    gp::ImageType type = gp::ImageTypeUnknown;
    Image decoded;
    if (gpx::GdipGetImageType(image, &type) == gp::Ok && type == gp::ImageTypeBitmap)
        decoded = decode(image, box);
    gpx::GdipDisposeImage(image);
    return !decoded.isNull() && pixelsFromImage(decoded, out);
}

bool TextureLoader::encoderForExtension(const String& extension, GUID& clsid)
{
    if (extension != extension.toLower())
        return false;
    return GdiplusCodec::encoderClsidForExtension(extension, clsid);
}
