#include "graphics/codecs/ImageCodec.h"

#include "graphics/codecs/BmpCodec.h"
#include "graphics/codecs/GdiplusImage.h"
#include "graphics/codecs/GifCodec.h"
#include "graphics/codecs/JpegCodec.h"
#include "graphics/codecs/PngCodec.h"
#include "graphics/codecs/TiffCodec.h"

#include <windows.h>
// GDI+'s headers need the COM declarations and must come after them.
#include <objidl.h>

#include <gdiplus.h>

namespace {

ULONG_PTR g_gdiplusToken = 0;

} // namespace

bool ImageCodec::startPlatform()
{
    Gdiplus::GdiplusStartupInput input;
    input.GdiplusVersion = 1;
    input.DebugEventCallback = nullptr;
    input.SuppressBackgroundThread = FALSE;
    input.SuppressExternalCodecs = FALSE;
    return Gdiplus::GdiplusStartup(&g_gdiplusToken, &input, nullptr) == Gdiplus::Ok;
}

void ImageCodec::stopPlatform()
{
    if (g_gdiplusToken == 0)
        return;
    Gdiplus::GdiplusShutdown(g_gdiplusToken);
    g_gdiplusToken = 0;
}

void ImageCodec::addPlatformCodecs()
{
    add(new BmpCodec());
    add(new JpegCodec());
    add(new PngCodec());
    add(new TiffCodec());
    add(new GifCodec());
}

Size ImageCodec::fileImageSize(const String& path)
{
    GdiplusImage image(path);
    if (image.isNull())
        return Size();
    return Size(image.width(), image.height());
}
