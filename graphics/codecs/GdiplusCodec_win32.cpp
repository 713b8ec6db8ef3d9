#include "graphics/codecs/GdiplusCodec.h"

#include "foundation/io/File.h"
#include "foundation/io/Path.h"
#include "foundation/io/SafeFileOutputStream.h"

#include <windows.h>
// GDI+'s headers need the COM declarations and must come after them.
#include <objidl.h>

#include <gdiplus.h>

#include <cstring>
#include <cwchar>
#include <memory>

namespace gp = Gdiplus;
namespace gpx = Gdiplus::DllExports;

namespace {

// GDI+'s encoder parameter for the JPEG quality.
const GUID kEncoderQuality = {0x1d5be4b5, 0xfa4a, 0x452d, {0x9c, 0xdd, 0x5d, 0xb3, 0x51, 0x05, 0xe7, 0xeb}};

const wchar_t* wide(const String& text)
{
    return reinterpret_cast<const wchar_t*>(text.data());
}

const wchar_t* mimeTypeFor(const String& extension)
{
    if (extension == String(u"bmp"))
        return L"image/bmp";
    if (extension == String(u"jpg") || extension == String(u"jpeg"))
        return L"image/jpeg";
    if (extension == String(u"png"))
        return L"image/png";
    if (extension == String(u"tif") || extension == String(u"tiff"))
        return L"image/tiff";
    if (extension == String(u"gif"))
        return L"image/gif";
    return nullptr;
}

gp::PixelFormat pixelFormatOf(const Image& image)
{
    if (!image.hasAlpha())
        return PixelFormat24bppRGB;
    return image.isPremultiplied() ? PixelFormat32bppPARGB : PixelFormat32bppARGB;
}

// Copies the locked 32-bit rows of a bitmap into a new image.
Image copyLockedBits(gp::GpBitmap* bitmap, int width, int height)
{
    gp::GpRect area(0, 0, width, height);
    gp::BitmapData data = {};
    if (gpx::GdipBitmapLockBits(bitmap, &area, gp::ImageLockModeRead, PixelFormat32bppARGB, &data) != gp::Ok)
        return Image();
    Image image(width, height, true);
    if (!image.isNull()) {
        const uint8_t* source = static_cast<const uint8_t*>(data.Scan0);
        for (int y = 0; y < height; ++y, source += data.Stride)
            image.copyRowIn(y, source);
    }
    gpx::GdipBitmapUnlockBits(bitmap, &data);
    return image;
}

// The image encoded into a memory stream, or null.
IStream* encode(const Image& image, const CLSID& clsid, bool isJpeg)
{
    gp::EncoderParameters parameters = {};
    ULONG quality = 100;
    if (isJpeg) {
        parameters.Count = 1;
        parameters.Parameter[0].Guid = kEncoderQuality;
        parameters.Parameter[0].Type = gp::EncoderParameterValueTypeLong;
        parameters.Parameter[0].NumberOfValues = 1;
        parameters.Parameter[0].Value = &quality;
    }
    gp::GpBitmap* bitmap = nullptr;
    if (gpx::GdipCreateBitmapFromScan0(image.width(), image.height(), image.stride(), pixelFormatOf(image),
                                       image.bits(), &bitmap) != gp::Ok)
        return nullptr;
    IStream* stream = nullptr;
    if (CreateStreamOnHGlobal(nullptr, TRUE, &stream) == S_OK &&
        gpx::GdipSaveImageToStream(bitmap, stream, &clsid, isJpeg ? &parameters : nullptr) != gp::Ok) {
        stream->Release();
        stream = nullptr;
    }
    gpx::GdipDisposeImage(bitmap);
    return stream;
}

bool writeFile(const String& path, const uint8_t* bytes, uint32_t size)
{
    SafeFileOutputStream file(path);
    if (!file.isOpen())
        return false;
    file.write(bytes, size);
    return file.commit();
}

} // namespace

GdiplusCodec::GdiplusCodec(const String& name) : ImageCodec(name) {}

Image GdiplusCodec::loadFromMemory(const uint8_t* data, int64_t size) const
{
    return gdiplusLoadFromMemory(data, size);
}

Image GdiplusCodec::loadFromFile(const String& path) const
{
    return gdiplusLoadFromFile(path);
}

bool GdiplusCodec::save(const String& path, const Image& image) const
{
    return gdiplusSave(path, image, this);
}

bool GdiplusCodec::isEncodedWell(const uint8_t*, int64_t, const Image&) const
{
    return true;
}

Image GdiplusCodec::gdiplusLoadFromMemory(const uint8_t* data, int64_t size)
{
    if (!data || size < 1 || size > 0x7FFFFFFF)
        return Image();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, static_cast<SIZE_T>(size));
    if (!block)
        return Image();
    void* target = GlobalLock(block);
    if (!target) {
        GlobalFree(block);
        return Image();
    }
    std::memcpy(target, data, static_cast<size_t>(size));
    GlobalUnlock(block);
    Image result;
    IStream* stream = nullptr;
    if (CreateStreamOnHGlobal(block, FALSE, &stream) == S_OK) {
        gp::GpImage* decoded = nullptr;
        if (gpx::GdipLoadImageFromStream(stream, &decoded) == gp::Ok) {
            result = gdiplusToImage(decoded);
            gpx::GdipDisposeImage(decoded);
        }
        stream->Release();
    }
    GlobalFree(block);
    return result;
}

Image GdiplusCodec::gdiplusLoadFromFile(const String& path)
{
    String trimmed = path.trim();
    if (!File::exists(trimmed))
        return Image();
    gp::GpImage* decoded = nullptr;
    if (gpx::GdipLoadImageFromFile(wide(trimmed), &decoded) != gp::Ok)
        return Image();
    Image result = gdiplusToImage(decoded);
    gpx::GdipDisposeImage(decoded);
    return result;
}

Image GdiplusCodec::gdiplusToImage(gp::GpImage* image)
{
    gp::ImageType type = gp::ImageTypeUnknown;
    if (!image || gpx::GdipGetImageType(image, &type) != gp::Ok || type != gp::ImageTypeBitmap)
        return Image();
    UINT width = 0;
    UINT height = 0;
    gpx::GdipGetImageWidth(image, &width);
    gpx::GdipGetImageHeight(image, &height);
    // A small file can declare a huge picture: refuse it before any pixel is
    // converted or copied.
    if (!Image::isSizeAllowed(width, height, true))
        return Image();
    gp::GpBitmap* bitmap = static_cast<gp::GpBitmap*>(image);
    gp::PixelFormat format = 0;
    gpx::GdipGetImagePixelFormat(image, &format);
    gp::GpBitmap* clone = nullptr;
    if (format != PixelFormat32bppARGB) {
        if (gpx::GdipCloneBitmapAreaI(0, 0, width, height, PixelFormat32bppARGB, bitmap, &clone) != gp::Ok)
            return Image();
        bitmap = clone;
    }
    Image result = copyLockedBits(bitmap, static_cast<int>(width), static_cast<int>(height));
    if (clone)
        gpx::GdipDisposeImage(clone);
    return result;
}

bool GdiplusCodec::gdiplusSave(const String& path, const Image& image, const GdiplusCodec* checker)
{
    if (path.isEmpty() || image.isNull())
        return false;
    String extension = pathExtension(path, 1);
    CLSID clsid;
    if (!encoderClsidForExtension(extension, clsid))
        return false;
    IStream* stream = encode(image, clsid, extension == u"jpg" || extension == u"jpeg");
    if (!stream)
        return false;
    // The encoded bytes go to a temporary file that replaces the target only
    // once all of them are written, so a failed save keeps an existing file.
    bool saved = false;
    HGLOBAL block = nullptr;
    STATSTG stat = {};
    if (GetHGlobalFromStream(stream, &block) == S_OK && stream->Stat(&stat, STATFLAG_NONAME) == S_OK) {
        const uint8_t* bytes = static_cast<const uint8_t*>(GlobalLock(block));
        int64_t size = static_cast<int64_t>(stat.cbSize.QuadPart);
        if (bytes && size > 0 && size <= 0x7FFFFFFF &&
            (!checker || checker->isEncodedWell(bytes, size, image)))
            saved = writeFile(path, bytes, static_cast<uint32_t>(size));
        if (bytes)
            GlobalUnlock(block);
    }
    stream->Release();
    return saved;
}

bool GdiplusCodec::encoderClsidForExtension(const String& extension, CLSID& clsid)
{
    const wchar_t* mimeType = mimeTypeFor(extension.toLower());
    if (!mimeType)
        return false;
    UINT count = 0;
    UINT size = 0;
    if (gpx::GdipGetImageEncodersSize(&count, &size) != gp::Ok || size == 0)
        return false;
    std::unique_ptr<uint8_t[]> buffer(new uint8_t[size]);
    gp::ImageCodecInfo* codecs = reinterpret_cast<gp::ImageCodecInfo*>(buffer.get());
    if (gpx::GdipGetImageEncoders(count, size, codecs) != gp::Ok)
        return false;
    for (UINT i = 0; i < count; ++i) {
        if (codecs[i].MimeType && std::wcscmp(codecs[i].MimeType, mimeType) == 0) {
            clsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}
