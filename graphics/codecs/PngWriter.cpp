#include "graphics/codecs/PngWriter.h"

#include "foundation/hash/Crc32.h"
#include "graphics/color/Color.h"
#include "graphics/image/Image.h"

namespace {

const int kStoredBlockLimit = 65535;

void appendBigEndian32(ByteArray& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.appendByte(uint8_t(value >> shift));
}

// A chunk is its length, its type, its data and the CRC of type and data.
void appendChunk(ByteArray& out, const char* type, const ByteArray& data)
{
    appendBigEndian32(out, uint32_t(data.size()));
    ByteArray typed(type, 4);
    typed.append(data);
    out.append(typed);
    appendBigEndian32(out, Crc32(typed.data(), uint32_t(typed.size())).value());
}

uint32_t adler32(const ByteArray& bytes)
{
    uint32_t a = 1, b = 0;
    for (int i = 0; i < bytes.size(); ++i) {
        a = (a + bytes.data()[i]) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

// One filter byte (none) before each row of straight-alpha RGBA.
ByteArray scanlines(const Image& image)
{
    ByteArray rows(image.height() * (1 + 4 * image.width()));
    for (int y = 0; y < image.height(); ++y) {
        rows.appendByte(0);
        for (int x = 0; x < image.width(); ++x) {
            Color color = image.pixel(x, y);
            rows.appendByte(color.red());
            rows.appendByte(color.green());
            rows.appendByte(color.blue());
            rows.appendByte(color.alpha());
        }
    }
    return rows;
}

ByteArray zlibStored(const ByteArray& raw)
{
    ByteArray out(raw.size() + raw.size() / kStoredBlockLimit * 5 + 16);
    out.appendByte(0x78);
    out.appendByte(0x01);
    int offset = 0;
    do {
        int count = raw.size() - offset;
        if (count > kStoredBlockLimit)
            count = kStoredBlockLimit;
        bool last = offset + count == raw.size();
        out.appendByte(last ? 1 : 0);
        out.appendByte(uint8_t(count));
        out.appendByte(uint8_t(count >> 8));
        out.appendByte(uint8_t(~count));
        out.appendByte(uint8_t(~count >> 8));
        out.append(ByteArray(raw.data() + offset, count));
        offset += count;
    } while (offset < raw.size());
    appendBigEndian32(out, adler32(raw));
    return out;
}

} // namespace

ByteArray PngWriter::encode(const Image& image)
{
    if (image.isNull())
        return ByteArray();
    Image straight = image;
    if (straight.isPremultiplied()) {
        straight = image.copy();
        straight.setPremultiplied(false);
    }
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    ByteArray file(kSignature, 8);

    ByteArray header;
    appendBigEndian32(header, uint32_t(image.width()));
    appendBigEndian32(header, uint32_t(image.height()));
    static const uint8_t kFormat[5] = {8, 6, 0, 0, 0}; // depth, RGBA, deflate, no filter set, no interlace
    header.append(ByteArray(kFormat, 5));
    appendChunk(file, "IHDR", header);
    appendChunk(file, "IDAT", zlibStored(scanlines(straight)));
    appendChunk(file, "IEND", ByteArray());
    return file;
}

bool PngWriter::save(const Image& image, const String& path)
{
    ByteArray bytes = encode(image);
    return !bytes.isEmpty() && bytes.saveToFile(path);
}
