#pragma once

#include "foundation/io/OutputStream.h"

#include <cstdint>

// Base of the writers: works on its stream only while attached, and only one
// writer can be attached to a stream at a time. It never owns the stream.
class StreamWriter
{
public:
    explicit StreamWriter(OutputStream* stream);
    virtual ~StreamWriter();
    StreamWriter(const StreamWriter&) = delete;
    StreamWriter& operator=(const StreamWriter&) = delete;

    virtual bool attach();
    virtual bool detach();

    bool isAttached() const { return m_attached; }
    OutputStream* stream() const { return m_stream; }

    int32_t writeByte(uint8_t value);
    int32_t writeWord(uint16_t value);

protected:
    // The stream's write result, or -1 while detached.
    int32_t writeToStream(const void* data, uint32_t length);

private:
    OutputStream* m_stream;
    bool m_attached = false;
};
