#include "ui/views/scene/TextureLoader.h"

#include "foundation/io/File.h"
#include "foundation/text/String.h"
#include "graphics/image/Image.h"

// The native build has no GDI+: pictures come through our own codecs (pix
// files), fitted as GDI+ would fit them, so that the scene's loading runs in
// the native tests too.

bool TextureLoader::startGdiplus()
{
    return true;
}

void TextureLoader::stopGdiplus() {}

bool TextureLoader::loadImagePixels(PixelBlock& out, const String& path, const Size& box)
{
    return loadImageFile(out, path, box);
}

bool TextureLoader::loadImageFile(PixelBlock& out, const String& path, const Size& box)
{
    if (!File::exists(path))
        return false;
    Image picture = Image::fromFile(path);
    if (picture.isNull() || picture.bitsPerPixel() != 32)
        return false;
    if (box.width >= 1 && box.height >= 1) {
        const Size fitted = fittedSize(picture.size(), box);
        picture = picture.scaled(fitted.width, fitted.height, Image::kCatmullRom);
    }
    return pixelsFromImage(picture, out);
}
