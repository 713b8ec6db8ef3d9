#include "foundation/io/DataWriter.h"

#include "foundation/io/LittleEndian.h"
#include "foundation/text/ByteArray.h"

#include <cstring>

DataWriter::DataWriter(OutputStream* stream) : StreamWriter(stream) {}

int32_t DataWriter::writeRaw(const void* data, uint32_t length)
{
    return writeToStream(data, length);
}

int32_t DataWriter::writeBytes(const ByteArray& bytes)
{
    if (bytes.isEmpty())
        return 0;
    return writeToStream(bytes.data(), uint32_t(bytes.size()));
}

int32_t DataWriter::writeBool(bool value)
{
    return writeByte(value ? 1 : 0);
}

int32_t DataWriter::writeInt8(int8_t value)
{
    return writeByte(uint8_t(value));
}

int32_t DataWriter::writeInt16(int16_t value)
{
    return writeUInt16(uint16_t(value));
}

int32_t DataWriter::writeUInt16(uint16_t value)
{
    uint8_t bytes[2];
    toLittleEndian(value, bytes);
    return writeToStream(bytes, sizeof bytes);
}

int32_t DataWriter::writeInt32(int32_t value)
{
    return writeUInt32(uint32_t(value));
}

int32_t DataWriter::writeUInt32(uint32_t value)
{
    uint8_t bytes[4];
    toLittleEndian(value, bytes);
    return writeToStream(bytes, sizeof bytes);
}

int32_t DataWriter::writeInt64(int64_t value)
{
    return writeUInt64(uint64_t(value));
}

int32_t DataWriter::writeUInt64(uint64_t value)
{
    uint8_t bytes[8];
    toLittleEndian(value, bytes);
    return writeToStream(bytes, sizeof bytes);
}

int32_t DataWriter::writeFloat(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return writeUInt32(bits);
}

int32_t DataWriter::writeDouble(double value)
{
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return writeUInt64(bits);
}
