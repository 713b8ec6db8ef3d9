#pragma once

#include "foundation/io/StreamReader.h"

class ByteArray;

// Reads raw little-endian binary values. A value that does not come whole
// reads as 0 (0.0, false, an empty ByteArray); owners detect damage by
// comparing byte counts.
class DataReader : public StreamReader
{
public:
    explicit DataReader(InputStream* stream);

    int32_t readRaw(void* buffer, uint32_t length);
    // count bytes, or an empty ByteArray unless all of them came. A count
    // beyond the rest of the stream is refused before anything is allocated.
    ByteArray readBytes(uint32_t count);
    bool readBool();
    int8_t readInt8();
    int16_t readInt16();
    uint16_t readUInt16();
    int32_t readInt32();
    uint32_t readUInt32();
    int64_t readInt64();
    uint64_t readUInt64();
    float readFloat();
    double readDouble();

    // Rewinds and reads the whole stream into buffer in pieces of chunkSize
    // bytes. Returns the bytes delivered, or -1 when the stream is empty, does
    // not fit into capacity, or a piece fails.
    int64_t readAll(void* buffer, uint64_t capacity, uint64_t chunkSize);
};
