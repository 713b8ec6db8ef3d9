#include "ui/core/input/UIMimeBlocks.h"

#include "foundation/io/LittleEndian.h"

#include <cstring>
#include <limits>
#include <vector>

namespace {

const uint32_t kBiRgb = 0;

uint16_t unitAt(const uint8_t* data, int64_t index)
{
    return fromLittleEndian<uint16_t>(data + 2 * index);
}

// The index of the first zero unit in [start, end), or -1.
int64_t terminatorFrom(const uint8_t* data, int64_t start, int64_t end)
{
    for (int64_t i = start; i < end; ++i) {
        if (unitAt(data, i) == 0)
            return i;
    }
    return -1;
}

String unitsToString(const uint8_t* data, int64_t start, int64_t count)
{
    std::vector<char16_t> units(static_cast<size_t>(count));
    for (int64_t i = 0; i < count; ++i)
        units[size_t(i)] = char16_t(unitAt(data, start + i));
    String text;
    text.assignChars(units.data(), int(count));
    return text;
}

bool fitsByteArray(int64_t size)
{
    return size > 0 && size <= std::numeric_limits<int>::max();
}

} // namespace

void UIMimeBlocks::putUnits(const String& text, uint8_t* target)
{
    for (int i = 0; i < text.length(); ++i)
        toLittleEndian<uint16_t>(uint16_t(text.at(i)), target + 2 * i);
}

ByteArray UIMimeBlocks::textBlock(const String& text)
{
    int64_t size = int64_t(text.length()) * 2 + 4;
    if (text.isEmpty() || !fitsByteArray(size))
        return ByteArray();
    ByteArray block;
    block.resize(int(size));
    putUnits(text, block.data());
    return block;
}

bool UIMimeBlocks::readTextBlock(const uint8_t* data, int64_t size, String* text)
{
    if (!data || size < 2)
        return false;
    int64_t units = size / 2;
    if (unitAt(data, units - 1) != 0)
        return false;
    int64_t length = terminatorFrom(data, 0, units);
    if (length < 1)
        return false;
    *text = unitsToString(data, 0, length);
    return true;
}

ByteArray UIMimeBlocks::fileListBlock(const StringList& paths)
{
    int64_t units = 1;
    for (const String& path : paths)
        units += path.length() + 1;
    if (paths.isEmpty() || !fitsByteArray(kFileListHeaderSize + units * 2))
        return ByteArray();
    ByteArray block;
    block.resize(int(kFileListHeaderSize + units * 2));
    uint8_t* bytes = block.data();
    toLittleEndian<uint32_t>(kFileListHeaderSize, bytes);
    toLittleEndian<uint32_t>(1, bytes + 16);
    uint8_t* target = bytes + kFileListHeaderSize;
    for (const String& path : paths) {
        putUnits(path, target);
        target += (path.length() + 1) * 2;
    }
    return block;
}

bool UIMimeBlocks::readFileListBlock(const uint8_t* data, int64_t size, StringList* paths)
{
    if (!data || size < kFileListHeaderSize)
        return false;
    int64_t offset = fromLittleEndian<uint32_t>(data);
    bool wide = fromLittleEndian<uint32_t>(data + 16) != 0;
    if (!wide || offset < kFileListHeaderSize || offset > size)
        return false;
    const uint8_t* names = data + offset;
    int64_t units = (size - offset) / 2;
    StringList found;
    int64_t start = 0;
    while (start < units) {
        int64_t end = terminatorFrom(names, start, units);
        if (end < 0)
            return false; // a path cut off by the block's end
        if (end == start)
            break;
        if (end - start <= kMaxPathLength)
            found.append(unitsToString(names, start, end - start));
        start = end + 1;
    }
    if (found.isEmpty())
        return false;
    *paths = found;
    return true;
}

int64_t UIMimeBlocks::dibStride(int64_t width, int bitCount)
{
    return (width * bitCount + 31) / 32 * 4;
}

ByteArray UIMimeBlocks::dibBlock(const Image& image)
{
    // Every block is 32 bits deep: 24-bit rows are widened with alpha 255.
    Image pixels =
        image.hasAlpha() ? image : Image::fromPixels(image.bits(), image.width(), image.height(), false, -1);
    if (pixels.isNull())
        return ByteArray();
    int width = image.width();
    int height = image.height();
    int64_t pixelBytes = int64_t(width) * height * 4;
    if (!fitsByteArray(kDibHeaderSize + pixelBytes))
        return ByteArray();
    ByteArray block;
    block.resize(int(kDibHeaderSize + pixelBytes));
    uint8_t* bytes = block.data();
    toLittleEndian<uint32_t>(kDibHeaderSize, bytes);
    toLittleEndian<uint32_t>(uint32_t(width), bytes + 4);
    toLittleEndian<uint32_t>(uint32_t(height), bytes + 8);
    toLittleEndian<uint16_t>(1, bytes + 12);
    toLittleEndian<uint16_t>(32, bytes + 14);
    uint8_t* target = bytes + kDibHeaderSize;
    for (int y = height - 1; y >= 0; --y, target += size_t(width) * 4)
        std::memcpy(target, pixels.scanLine(y), size_t(width) * 4);
    return block;
}

Image UIMimeBlocks::readDibBlock(const uint8_t* data, int64_t size)
{
    if (!data || size < kDibHeaderSize)
        return Image();
    int32_t width = int32_t(fromLittleEndian<uint32_t>(data + 4));
    int32_t height = int32_t(fromLittleEndian<uint32_t>(data + 8));
    int bitCount = fromLittleEndian<uint16_t>(data + 14);
    bool header = fromLittleEndian<uint32_t>(data) == uint32_t(kDibHeaderSize) &&
                  fromLittleEndian<uint16_t>(data + 12) == 1 &&
                  fromLittleEndian<uint32_t>(data + 16) == kBiRgb &&
                  fromLittleEndian<uint32_t>(data + 32) == 0;
    if (!header || width < 1 || height < 1 || (bitCount != 24 && bitCount != 32))
        return Image();
    bool alpha = bitCount == 32;
    if (!Image::isSizeAllowed(width, height, alpha))
        return Image();
    int64_t stride = dibStride(width, bitCount);
    if (stride * height > size - kDibHeaderSize)
        return Image();
    Image image(width, height, alpha);
    if (image.isNull() || image.stride() != stride)
        return Image();
    const uint8_t* source = data + kDibHeaderSize;
    for (int y = height - 1; y >= 0; --y, source += stride)
        std::memcpy(image.scanLine(y), source, size_t(stride));
    return image;
}

ByteArray UIMimeBlocks::rawBlock(const String& name, const ByteArray& bytes)
{
    if (name.isEmpty() || name.length() > kRawMaxNameLength)
        return ByteArray();
    if (!fitsByteArray(int64_t(kRawHeadSize) + bytes.size()))
        return ByteArray();
    ByteArray block;
    block.resize(kRawHeadSize + bytes.size());
    uint8_t* target = block.data();
    putUnits(name, target);
    toLittleEndian<uint32_t>(uint32_t(bytes.size()), target + kRawNameBytes);
    if (!bytes.isEmpty())
        std::memcpy(target + kRawHeadSize, bytes.data(), size_t(bytes.size()));
    return block;
}

bool UIMimeBlocks::readRawBlock(const uint8_t* data, int64_t size, String* name, ByteArray* bytes)
{
    if (!data || size < kRawHeadSize)
        return false;
    int64_t length = terminatorFrom(data, 0, kRawMaxNameLength);
    if (length < 0)
        length = kRawMaxNameLength;
    int64_t count = fromLittleEndian<uint32_t>(data + kRawNameBytes);
    if (length == 0 || count > size - kRawHeadSize || count > std::numeric_limits<int>::max())
        return false;
    *name = unitsToString(data, 0, length);
    *bytes = ByteArray(data + kRawHeadSize, int(count));
    return true;
}

List<UIMimeBlocks::Block> UIMimeBlocks::blocksOf(const UIMimeData& mime)
{
    List<Block> blocks;
    for (const String& type : mime.types()) {
        Block block;
        if (String::equalsCString(type, UIMimeData::kTextType))
            block = {kText, textBlock(mime.text())};
        else if (String::equalsCString(type, UIMimeData::kFileListType))
            block = {kFileList, fileListBlock(mime.filePathList())};
        else if (String::equalsCString(type, UIMimeData::kImageType))
            block = {kDib, dibBlock(mime.image())};
        else
            block = {kRaw, rawBlock(type, mime.data(type))};
        if (!block.bytes.isEmpty())
            blocks.append(block);
    }
    return blocks;
}

bool UIMimeBlocks::addBlock(Kind kind, const uint8_t* data, int64_t size, UIMimeData* mime)
{
    String text;
    StringList paths;
    ByteArray bytes;
    switch (kind) {
    case kText:
        if (!readTextBlock(data, size, &text))
            return false;
        mime->setText(text);
        return true;
    case kFileList:
        if (!readFileListBlock(data, size, &paths))
            return false;
        mime->setFilePathList(paths);
        return true;
    case kDib: {
        Image image = readDibBlock(data, size);
        if (image.isNull())
            return false;
        mime->setImage(image);
        return true;
    }
    case kRaw:
        return readRawBlock(data, size, &text, &bytes) && mime->setData(text, bytes);
    }
    return false;
}
