#include "graphics/codecs/PngStoredReader.h"

#include "foundation/hash/Crc32.h"

#include <cstring>
#include <vector>

namespace {

const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
const int kHeaderLength = 13;
const int kBytesPerPixel = 4;

uint32_t bigEndian32(const uint8_t* bytes)
{
    return uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 | uint32_t(bytes[3]);
}

struct Header
{
    uint32_t width = 0;
    uint32_t height = 0;
};

// Only the one form the writer makes is taken.
bool readHeader(const uint8_t* data, Header& header)
{
    header.width = bigEndian32(data);
    header.height = bigEndian32(data + 4);
    const bool form = data[8] == 8 && data[9] == 6 && data[10] == 0 && data[11] == 0 && data[12] == 0;
    return form && header.width > 0 && header.height > 0 &&
           Image::isSizeAllowed(header.width, header.height, true);
}

// Walks the chunks: the header first, the image data gathered, up to the
// end chunk. False on anything cut short or damaged.
bool readChunks(const uint8_t* data, int64_t size, Header& header, std::vector<uint8_t>& compressed)
{
    int64_t at = sizeof(kSignature);
    bool haveHeader = false;
    while (at + 12 <= size) {
        const uint32_t length = bigEndian32(data + at);
        if (int64_t(length) > size - at - 12)
            return false;
        const uint8_t* type = data + at + 4;
        const uint8_t* body = type + 4;
        if (Crc32::extend(0, type, length + 4) != bigEndian32(body + length))
            return false;
        if (std::memcmp(type, "IHDR", 4) == 0) {
            if (haveHeader || length != kHeaderLength || !readHeader(body, header))
                return false;
            haveHeader = true;
        } else if (std::memcmp(type, "IDAT", 4) == 0) {
            if (!haveHeader)
                return false;
            compressed.insert(compressed.end(), body, body + length);
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            return haveHeader;
        } else if ((type[0] & 0x20) == 0) {
            // An unknown chunk the reader must understand.
            return false;
        }
        at += int64_t(length) + 12;
    }
    return false;
}

uint32_t adler32(const std::vector<uint8_t>& bytes)
{
    uint32_t a = 1, b = 0;
    for (uint8_t byte : bytes) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

// The zlib stream of stored blocks, unpacked; false for any compressed block.
bool unpackStored(const std::vector<uint8_t>& stream, std::vector<uint8_t>& out)
{
    if (stream.size() < 2 + 4 || (stream[0] & 0x0F) != 8 || (stream[0] >> 4) > 7 ||
        ((stream[0] << 8) | stream[1]) % 31 != 0 || (stream[1] & 0x20) != 0)
        return false;
    size_t at = 2;
    bool last = false;
    while (!last) {
        if (at + 5 > stream.size() || (stream[at] & 0x06) != 0)
            return false;
        last = (stream[at] & 1) != 0;
        const uint32_t length = stream[at + 1] | uint32_t(stream[at + 2]) << 8;
        const uint32_t check = stream[at + 3] | uint32_t(stream[at + 4]) << 8;
        at += 5;
        if ((length ^ 0xFFFF) != check || length > stream.size() - at)
            return false;
        out.insert(out.end(), stream.begin() + long(at), stream.begin() + long(at + length));
        at += length;
    }
    return at + 4 <= stream.size() && adler32(out) == bigEndian32(stream.data() + at);
}

} // namespace

Image PngStoredReader::decode(const uint8_t* data, int64_t size)
{
    if (!data || size < int64_t(sizeof(kSignature)) || std::memcmp(data, kSignature, sizeof(kSignature)) != 0)
        return Image();
    Header header;
    std::vector<uint8_t> compressed;
    std::vector<uint8_t> rows;
    if (!readChunks(data, size, header, compressed) || !unpackStored(compressed, rows))
        return Image();
    const size_t rowBytes = 1 + size_t(header.width) * kBytesPerPixel;
    if (rows.size() != rowBytes * header.height)
        return Image();
    Image image(int(header.width), int(header.height), true);
    if (image.isNull())
        return Image();
    for (uint32_t y = 0; y < header.height; ++y) {
        const uint8_t* source = rows.data() + y * rowBytes;
        if (source[0] != 0)
            return Image();
        ++source;
        uint8_t* target = image.scanLine(int(y));
        for (uint32_t x = 0; x < header.width; ++x, source += 4, target += 4) {
            target[0] = source[2];
            target[1] = source[1];
            target[2] = source[0];
            target[3] = source[3];
        }
    }
    return image;
}
