#include "ui/core/input/UIClipboard.h"

#include "ui/core/application/UIApplication.h"
#include "ui/core/input/UIMimeBlocks.h"

void UIClipboard::failed()
{
    UIApplication::instance()->playSound(1);
}

void UIClipboard::setText(const String& text)
{
    ByteArray block = UIMimeBlocks::textBlock(text);
    if (block.isEmpty() || !writeBlock(kUnicodeTextFormat, block))
        failed();
}

void UIClipboard::setImage(const Image& image)
{
    ByteArray block = UIMimeBlocks::dibBlock(image);
    if (block.isEmpty() || !writeBlock(kDibFormat, block))
        failed();
}

int UIClipboard::availableFormat()
{
    if (hasFormat(kUnicodeTextFormat))
        return kText;
    if (hasFormat(kBitmapFormat) || hasFormat(kDibFormat))
        return kImage;
    return kNothing;
}

String UIClipboard::text() const
{
    ByteArray block;
    String text;
    if (!hasFormat(kUnicodeTextFormat) || !readBlock(kUnicodeTextFormat, &block) ||
        !UIMimeBlocks::readTextBlock(block.data(), block.size(), &text))
        failed();
    return text;
}

Image UIClipboard::image() const
{
    Image image = readImage();
    if (image.isNull())
        failed();
    return visibleImage(image);
}

Image UIClipboard::readImage() const
{
    ByteArray block;
    if (hasFormat(kUnicodeTextFormat))
        return Image();
    if (hasFormat(kDibFormat))
        return readBlock(kDibFormat, &block) ? UIMimeBlocks::readDibBlock(block.data(), block.size())
                                             : Image();
    // The system usually offers its bitmap format as a DIB as well; a bitmap
    // alone is read only when it does not.
    return hasFormat(kBitmapFormat) ? readBitmap() : Image();
}

Image UIClipboard::visibleImage(const Image& image)
{
    if (image.isNull() || !image.hasAlpha() || image.hasVisiblePixels())
        return image;
    Image opaque = image.copy();
    opaque.setAlpha(255, opaque.rect());
    return opaque;
}
