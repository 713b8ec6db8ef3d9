#include "ui/views/scene/TextureLoader.h"

#include "graphics/image/Image.h"

#include <algorithm>
#include <cstring>
#include <new>

Size TextureLoader::fittedSize(const Size& picture, const Size& box)
{
    if (box.width < 1 || box.height < 1 || picture.width < 1 || picture.height < 1)
        return picture;
    // In whole numbers: a scale factor in floating point lands a hair under
    // the box's side and loses a pixel.
    int64_t w = picture.width;
    int64_t h = picture.height;
    bool widthLimited = w * box.height >= h * box.width;
    int32_t width = widthLimited ? box.width : static_cast<int32_t>(w * box.height / h);
    int32_t height = widthLimited ? static_cast<int32_t>(h * box.width / w) : box.height;
    return Size(std::max(width, 1), std::max(height, 1));
}

void TextureLoader::freePixels(PixelBlock& block)
{
    delete[] block.pixels;
    block = PixelBlock();
}

bool TextureLoader::pixelsFromImage(const Image& image, PixelBlock& out)
{
    size_t rowBytes = static_cast<size_t>(image.width()) * 4;
    uint8_t* block = new (std::nothrow) uint8_t[rowBytes * static_cast<size_t>(image.height())];
    if (!block)
        return false;
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(block + rowBytes * static_cast<size_t>(y),
                    image.bits() + static_cast<size_t>(image.stride()) * y, rowBytes);
    out.width = image.width();
    out.height = image.height();
    out.pixels = block;
    return true;
}
