#include "graphics/codecs/PixCodec.h"

#include "foundation/io/File.h"
#include "foundation/io/LittleEndian.h"
#include "foundation/io/SafeFileOutputStream.h"
#include "graphics/image/Image.h"

#include <cstring>
#include <memory>

namespace {

// Reads exactly count bytes; short reads are retried until the end of the file.
bool readFully(File& file, uint8_t* buffer, int64_t count)
{
    while (count > 0) {
        uint32_t piece = count > 0x10000000 ? 0x10000000u : static_cast<uint32_t>(count);
        int32_t got = file.read(buffer, piece);
        if (got <= 0)
            return false;
        buffer += got;
        count -= got;
    }
    return true;
}

// One row of a straight-alpha image as 32-bit pixels; 24-bit pixels get
// alpha 255.
void row32(const Image& image, int y, uint8_t* row)
{
    const uint8_t* p = image.scanLine(y);
    if (image.hasAlpha()) {
        std::memcpy(row, p, static_cast<size_t>(image.width()) * 4);
        return;
    }
    for (int x = 0; x < image.width(); ++x, p += 3, row += 4) {
        std::memcpy(row, p, 3);
        row[3] = 255;
    }
}

} // namespace

PixCodec::PixCodec() : ImageCodec(String(u"pix")) {}

bool PixCodec::acceptsExtension(const String& extension) const
{
    return extension == String(u"pix");
}

int64_t PixCodec::pixelBytesOf(const uint8_t* header)
{
    if (fromLittleEndian<uint32_t>(header) != kMagic)
        return -1;
    // Everything in 64 bits: a width of 0x40000001 times 4 wraps to 4 in 32.
    int64_t width = fromLittleEndian<uint32_t>(header + 4);
    int64_t height = fromLittleEndian<uint32_t>(header + 8);
    int64_t dataSize = fromLittleEndian<uint32_t>(header + 12);
    if (!Image::isSizeAllowed(width, height, true))
        return -1;
    int64_t pixelBytes = width * height * 4;
    if (dataSize != pixelBytes)
        return -1;
    return pixelBytes;
}

Image PixCodec::loadFromMemory(const uint8_t* data, int64_t size) const
{
    if (!data || size <= kHeaderSize)
        return Image();
    int64_t pixelBytes = pixelBytesOf(data);
    if (pixelBytes < 0 || size != kHeaderSize + pixelBytes)
        return Image();
    Image image(static_cast<int>(fromLittleEndian<uint32_t>(data + 4)),
                static_cast<int>(fromLittleEndian<uint32_t>(data + 8)), true);
    std::memcpy(image.bits(), data + kHeaderSize, static_cast<size_t>(pixelBytes));
    return image;
}

Image PixCodec::loadFromFile(const String& path) const
{
    File file(path);
    if (!file.open(File::kModeRead))
        return Image();
    uint8_t header[kHeaderSize];
    // The header is checked against the file's length before anything is
    // allocated, so a damaged header cannot ask for a huge buffer.
    if (!readFully(file, header, kHeaderSize))
        return Image();
    int64_t pixelBytes = pixelBytesOf(header);
    if (pixelBytes < 0 || file.size() != static_cast<uint64_t>(kHeaderSize + pixelBytes))
        return Image();
    Image image(static_cast<int>(fromLittleEndian<uint32_t>(header + 4)),
                static_cast<int>(fromLittleEndian<uint32_t>(header + 8)), true);
    if (!readFully(file, image.bits(), pixelBytes))
        return Image();
    return image;
}

bool PixCodec::save(const String& path, const Image& image) const
{
    if (path.isEmpty() || image.isNull())
        return false;
    // The reader cannot know that colour bytes were premultiplied, so the file
    // always holds straight alpha.
    Image straight = image;
    if (image.isPremultiplied()) {
        straight = image.copy();
        straight.setPremultiplied(false);
    }
    SafeFileOutputStream file(path);
    if (!file.isOpen())
        return false;
    writeImage(file, straight);
    return file.commit();
}

void PixCodec::writeImage(OutputStream& stream, const Image& image)
{
    uint32_t rowSize = static_cast<uint32_t>(image.width()) * 4;
    uint8_t header[kHeaderSize];
    toLittleEndian<uint32_t>(kMagic, header);
    toLittleEndian<uint32_t>(static_cast<uint32_t>(image.width()), header + 4);
    toLittleEndian<uint32_t>(static_cast<uint32_t>(image.height()), header + 8);
    toLittleEndian<uint32_t>(rowSize * static_cast<uint32_t>(image.height()), header + 12);
    stream.write(header, kHeaderSize);
    std::unique_ptr<uint8_t[]> row(new uint8_t[rowSize]);
    for (int y = 0; y < image.height(); ++y) {
        row32(image, y, row.get());
        stream.write(row.get(), rowSize);
    }
}
