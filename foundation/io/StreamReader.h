#pragma once

#include "foundation/io/InputStream.h"

#include <cstdint>

// Base of the readers: works on its stream only while attached, and only one
// reader can be attached to a stream at a time. It never owns the stream.
class StreamReader
{
public:
    explicit StreamReader(InputStream* stream);
    virtual ~StreamReader();
    StreamReader(const StreamReader&) = delete;
    StreamReader& operator=(const StreamReader&) = delete;

    virtual bool attach();
    virtual bool detach();

    bool isAttached() const { return m_attached; }
    InputStream* stream() const { return m_stream; }

    // 0 when the byte or word did not come whole.
    uint8_t readByte();
    uint16_t readWord();

    // Bytes left between the stream's position and its end; 0 while detached.
    uint64_t remaining() const;

protected:
    // The stream's read result, or -1 while detached.
    int32_t readFromStream(void* buffer, uint32_t length);
    // Reads exactly length bytes or reports false.
    bool readExactly(void* buffer, uint32_t length);

private:
    InputStream* m_stream;
    bool m_attached = false;
};
