#pragma once

#include "foundation/io/StreamWriter.h"

class ByteArray;

// Writes raw binary values, little-endian, with no lengths, markers or
// padding. Each write returns the stream's write result (-1 on failure).
class DataWriter : public StreamWriter
{
public:
    explicit DataWriter(OutputStream* stream);

    int32_t writeRaw(const void* data, uint32_t length);
    int32_t writeBytes(const ByteArray& bytes);
    int32_t writeBool(bool value);
    int32_t writeInt8(int8_t value);
    int32_t writeInt16(int16_t value);
    int32_t writeUInt16(uint16_t value);
    int32_t writeInt32(int32_t value);
    int32_t writeUInt32(uint32_t value);
    int32_t writeInt64(int64_t value);
    int32_t writeUInt64(uint64_t value);
    int32_t writeFloat(float value);
    int32_t writeDouble(double value);
};
