#include "foundation/io/DataReader.h"

#include "foundation/io/LittleEndian.h"
#include "foundation/text/ByteArray.h"

#include <cstring>

DataReader::DataReader(InputStream* stream) : StreamReader(stream) {}

int32_t DataReader::readRaw(void* buffer, uint32_t length)
{
    return readFromStream(buffer, length);
}

ByteArray DataReader::readBytes(uint32_t count)
{
    ByteArray bytes;
    if (count == 0 || count > remaining())
        return bytes;
    bytes.resize(int(count));
    if (!readExactly(bytes.data(), count))
        return ByteArray();
    return bytes;
}

bool DataReader::readBool()
{
    return readByte() != 0;
}

int8_t DataReader::readInt8()
{
    return int8_t(readByte());
}

int16_t DataReader::readInt16()
{
    return int16_t(readUInt16());
}

uint16_t DataReader::readUInt16()
{
    return readWord();
}

int32_t DataReader::readInt32()
{
    return int32_t(readUInt32());
}

uint32_t DataReader::readUInt32()
{
    uint8_t bytes[4];
    return readExactly(bytes, sizeof bytes) ? fromLittleEndian<uint32_t>(bytes) : 0;
}

int64_t DataReader::readInt64()
{
    return int64_t(readUInt64());
}

uint64_t DataReader::readUInt64()
{
    uint8_t bytes[8];
    return readExactly(bytes, sizeof bytes) ? fromLittleEndian<uint64_t>(bytes) : 0;
}

float DataReader::readFloat()
{
    uint32_t bits = readUInt32();
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

double DataReader::readDouble()
{
    uint64_t bits = readUInt64();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

int64_t DataReader::readAll(void* buffer, uint64_t capacity, uint64_t chunkSize)
{
    if (!isAttached() || !stream()->rewind())
        return -1;
    uint64_t size = stream()->size();
    if (size < 1 || size > capacity)
        return -1;
    uint64_t piece = (chunkSize == 0 || chunkSize > size) ? size : chunkSize;
    if (piece > uint64_t(INT32_MAX))
        piece = uint64_t(INT32_MAX);
    uint8_t* cursor = static_cast<uint8_t*>(buffer);
    uint64_t done = 0;
    for (uint64_t i = 0; i < size / piece; ++i) {
        int32_t got = readFromStream(cursor + done, uint32_t(piece));
        if (got < 0)
            return -1;
        done += uint64_t(got);
    }
    uint64_t rest = size % piece;
    if (rest > 0) {
        int32_t got = readFromStream(cursor + done, uint32_t(rest));
        if (got > 0)
            done += uint64_t(got);
    }
    return int64_t(done);
}
