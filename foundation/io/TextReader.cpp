#include "foundation/io/TextReader.h"

#include "foundation/io/TextWriter.h"

#include <vector>

namespace {

const uint64_t kLinesChunkSize = 0x10000;
// A text this large could not be held as a String anyway.
const uint64_t kMaxTextBytes = 0x7FFFFFF0;

int zeroTerminatedLength(const uint8_t* bytes)
{
    int length = 0;
    while (bytes[length])
        ++length;
    return length;
}

String decodeUtf16(const uint8_t* bytes)
{
    String text;
    for (size_t i = 0;; i += 2) {
        char16_t unit = char16_t(bytes[i] | (bytes[i + 1] << 8));
        if (unit == 0)
            break;
        text.appendChar(unit);
    }
    return text;
}

} // namespace

TextReader::TextReader(InputStream* stream, int encoding)
    : StreamReader(stream), m_encoding(encoding), m_newline(u"\r\n")
{
}

bool TextReader::attach()
{
    if (!TextWriter::isSupportedEncoding(m_encoding))
        return false;
    return StreamReader::attach();
}

String TextReader::decode(const uint8_t* bytes, uint64_t size, int encoding)
{
    switch (encoding) {
    case TextWriter::kAnsi:
        return String::fromNarrow(reinterpret_cast<const char*>(bytes), zeroTerminatedLength(bytes));
    case TextWriter::kUtf8: {
        const uint8_t* start = bytes;
        if (size >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF)
            start += 3;
        return String::fromUtf8(reinterpret_cast<const char*>(start), zeroTerminatedLength(start));
    }
    case TextWriter::kUtf16:
        if (size < 2)
            return String();
        if (bytes[0] == 0xFF && bytes[1] == 0xFE)
            return decodeUtf16(bytes + 2);
        return decodeUtf16(bytes);
    default:
        return String();
    }
}

String TextReader::readAll(uint64_t chunkSize)
{
    if (!isAttached() || !stream()->rewind())
        return String();
    uint64_t size = stream()->size();
    if (size < 1 || size > kMaxTextBytes)
        return String();
    std::vector<uint8_t> buffer(size_t(size) + 4, 0);
    uint64_t piece = (chunkSize == 0 || chunkSize > size) ? size : chunkSize;
    uint64_t done = 0;
    for (uint64_t i = 0; i < size / piece; ++i) {
        int32_t got = readFromStream(buffer.data() + done, uint32_t(piece));
        if (got < 0)
            return String();
        done += uint64_t(got);
    }
    if (size % piece > 0)
        readFromStream(buffer.data() + done, uint32_t(size % piece));
    return decode(buffer.data(), size, m_encoding);
}

StringList TextReader::readLines(int splitFlags)
{
    return String::split(readAll(kLinesChunkSize), m_newline, splitFlags);
}
